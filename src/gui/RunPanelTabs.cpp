// The two tabs of SSTab400: "レジスタ" (PR, EA, FR, GR0-GR7 with their check boxes, M(EA)) and
// "メモリ" (the stack from SP and five words of memory from a label).

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "machine/MachineState.h"
#include "gui/RunPanel.h"

namespace kv {

namespace {

QLabel* Caption(const QString& text, const QString& tip, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setTextFormat(Qt::PlainText);
    if (!tip.isEmpty()) caption->setToolTip(tip);
    return caption;
}

// A row of cells, left-aligned.
QHBoxLayout* CellRow(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}

QWidget* NamedRow(QWidget* parent, const QString& name) {
    auto* row = new QWidget(parent);
    row->setObjectName(name);
    return row;
}

// A tab page that scrolls when the tab control is smaller than the page, as it gets when the window
// leaves the room to the program-line list. Its natural size is the whole page's.
class PageScroll : public QScrollArea {
public:
    explicit PageScroll(QWidget* page) {
        setObjectName(page->objectName() + QStringLiteral("Scroll"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
        viewport()->setAutoFillBackground(false);
        page->setAutoFillBackground(false);
    }
    QSize sizeHint() const override { return widget()->sizeHint(); }
};

QGridLayout* PageGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(99, 1);
    return grid;
}

}  // namespace

QWidget* RunPanel::buildRegisterTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("RegisterTab"));
    QGridLayout* grid = PageGrid(page);
    RegisterTab& r = registers_;
    grid->addWidget(Caption(QStringLiteral("●レジスタ"), QString(), page), 0, 0, 1, 3);

    grid->addWidget(Caption(QStringLiteral("PR"), QStringLiteral("プログラムレジスタ"), page), 1, 0);
    QWidget* prRow = NamedRow(page, QStringLiteral("PRRow"));
    QHBoxLayout* pr = CellRow(prRow);
    r.pr = new ValueCell(QStringLiteral("PR"), QStringLiteral("#0000"),
                         QStringLiteral("実行した命令語の先頭アドレス"), prRow);
    r.nextPr = new ValueCell(QStringLiteral("NextPR"), QStringLiteral("#0000"),
                             QStringLiteral("次に実行する命令語の先頭アドレス"), prRow);
    pr->addWidget(r.pr);
    pr->addSpacing(8);
    pr->addWidget(Caption(QStringLiteral("→PR"), QString(), prRow));
    pr->addWidget(r.nextPr);
    pr->addStretch();
    grid->addWidget(prRow, 1, 1);

    grid->addWidget(Caption(QStringLiteral("EA"), QStringLiteral("実効アドレス"), page), 2, 0);
    r.ea = new ValueCell(QStringLiteral("EA"), QStringLiteral("#0000"), QStringLiteral("アドレス＋GRxで計算"),
                         page);
    grid->addWidget(r.ea, 2, 1, Qt::AlignLeft);

    grid->addWidget(Caption(QStringLiteral("FR"), QStringLiteral("フラグレジスタ"), page), 3, 0);
    QWidget* frRow = NamedRow(page, QStringLiteral("FRRow"));
    QHBoxLayout* fr = CellRow(frRow);
    r.frBits = new ValueCell(QStringLiteral("FR"), QStringLiteral("000"),
                             QStringLiteral("OF,SF,ZFを３ビットで表す"), frRow);
    r.frWord = new ValueCell(QStringLiteral("FRWord"), QStringLiteral("あ正"),
                             QStringLiteral("あ：あふれ（オーバフロー）の意味"), frRow);
    fr->addWidget(r.frBits);
    fr->addWidget(r.frWord);
    fr->addStretch();
    grid->addWidget(frRow, 3, 1);

    for (int i = 0; i < 9; ++i) {
        const int gridRow = 4 + i;
        if (i < 8) {
            auto* box = new QCheckBox(QStringLiteral("GR%1").arg(i), page);
            box->setObjectName(QStringLiteral("Check450_%1").arg(i));
            box->setToolTip(QStringLiteral("汎用レジスタ"));
            grid->addWidget(box, gridRow, 0);
            r.boxes[i] = box;
        } else {
            grid->addWidget(
                Caption(QStringLiteral("M(EA)"), QStringLiteral("実効アドレスのメモリの内容"), page), gridRow,
                0);
        }
        QWidget* frame = NamedRow(page, QStringLiteral("Frame450_%1").arg(i));
        QHBoxLayout* cells = CellRow(frame);
        r.rows[i] =
            WordCells(cells, frame, i < 8 ? QStringLiteral("GR%1").arg(i) : QStringLiteral("MEA"), false);
        cells->addStretch();
        grid->addWidget(frame, gridRow, 1);
        r.frames[i] = frame;
        if (i < 8) {
            frame->hide();
            connect(r.boxes[i], &QCheckBox::toggled, frame, &QWidget::setVisible);
        }
    }
    return new PageScroll(page);
}

QWidget* RunPanel::buildMemoryTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MemoryTab"));
    QGridLayout* grid = PageGrid(page);
    MemoryTab& m = memory_;
    grid->addWidget(Caption(QStringLiteral("●スタック"), QString(), page), 0, 0, 1, 3);
    QWidget* spRow = NamedRow(page, QStringLiteral("SPRow"));
    QHBoxLayout* sp = CellRow(spRow);
    sp->addWidget(Caption(QStringLiteral("SP"), QStringLiteral("スタックポインタ"), spRow));
    m.sp = new ValueCell(QStringLiteral("SP"), QStringLiteral("#0000"),
                         QStringLiteral("スタック最上段のアドレス"), spRow);
    sp->addWidget(m.sp);
    sp->addStretch();
    grid->addWidget(spRow, 1, 0, 1, 2);

    auto addRows = [page, grid](auto& rows, int firstGridRow, const QString& prefix) {
        for (int i = 0; i < int(rows.size()); ++i) {
            QWidget* row = NamedRow(page, prefix + QString::number(i));
            QHBoxLayout* cells = CellRow(row);
            rows[i] = WordCells(cells, row, prefix + QString::number(i), true);
            cells->addStretch();
            grid->addWidget(row, firstGridRow + i, 0, 1, 2);
        }
    };
    addRows(m.stack, 2, QStringLiteral("Stack"));
    m.stackScroll = new QScrollBar(Qt::Vertical, page);
    m.stackScroll->setObjectName(QStringLiteral("VScroll462"));
    m.stackScroll->setPageStep(3);
    grid->addWidget(m.stackScroll, 2, 2, 3, 1);
    connect(m.stackScroll, &QScrollBar::valueChanged, this,
            [this](int value) { ShowStack(machine_.userStart + value); });

    grid->setRowMinimumHeight(5, 10);
    grid->addWidget(Caption(QStringLiteral("●メモリの内容"), QString(), page), 6, 0, 1, 3);
    m.labels = new QComboBox(page);
    m.labels->setObjectName(QStringLiteral("Combo460"));
    m.labels->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(m.labels, 7, 0, 1, 2, Qt::AlignLeft);
    connect(m.labels, &QComboBox::activated, this,
            [this](int index) {
                const int address = memory_.labels->itemData(index).toInt();
                if (onMemoryAddressChosen) onMemoryAddressChosen(address);
                ShowMemoryWords(address);
            });
    addRows(m.words, 8, QStringLiteral("Memory"));
    m.wordScroll = new QScrollBar(Qt::Vertical, page);
    m.wordScroll->setObjectName(QStringLiteral("VScroll461"));
    m.wordScroll->setRange(0, MachineState::kAreaWords - 1);
    m.wordScroll->setPageStep(5);
    grid->addWidget(m.wordScroll, 8, 2, 5, 1);
    connect(m.wordScroll, &QScrollBar::valueChanged, this,
            [this](int value) { ShowMemoryWords(machine_.userStart + value); });
    return new PageScroll(page);
}

}  // namespace kv
