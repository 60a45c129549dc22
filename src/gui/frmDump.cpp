#include "gui/frmDump.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "gui/FixedFont.h"
#include "machine/MachineState.h"

namespace kv {

namespace {

constexpr int kFontPoints = 10;
const QColor kHeading(224, 232, 255);

QLabel* Cell(QWidget* parent, const QFont& font, const QString& name) {
    auto* cell = new QLabel(parent);
    cell->setObjectName(name);
    cell->setFont(font);
    cell->setTextFormat(Qt::PlainText);
    return cell;
}

QLabel* Heading(QWidget* parent, const QFont& font, const QString& text) {
    QLabel* heading = Cell(parent, font, QString());
    heading->setText(text);
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, kHeading);
    heading->setPalette(palette);
    return heading;
}

QWidget* Panel(QWidget* parent, const QString& name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
}

QScrollBar* Scroll(QWidget* parent, const QString& name, const MachineState& machine, int step, int page) {
    auto* scroll = new QScrollBar(Qt::Vertical, parent);
    scroll->setObjectName(name);
    scroll->setRange(0, machine.userEnd - machine.userStart);
    scroll->setSingleStep(step);
    scroll->setPageStep(page);
    return scroll;
}

}  // namespace

frmDump::frmDump(const MachineState& machine, const FixedFont& font, QWidget* parent)
    : QDialog(parent), machine_(machine) {
    setObjectName(QStringLiteral("frmDump"));
    setWindowTitle(QStringLiteral("メモリダンプ"));
    auto* outer = new QVBoxLayout(this);
    auto* panels = new QHBoxLayout;
    panels->addWidget(buildWordPanel(font));
    vScroll1_ = Scroll(this, QStringLiteral("VScroll1"), machine, 1, kDumpRows);
    panels->addWidget(vScroll1_);
    panels->addSpacing(12);
    panels->addWidget(buildLinePanel(font));
    vScroll2_ = Scroll(this, QStringLiteral("VScroll2"), machine, 8, 8 * kDumpRows);
    panels->addWidget(vScroll2_);
    outer->addLayout(panels);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    outer->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(vScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { ShowWords(machine_.userStart + value); });
    connect(vScroll2_, &QScrollBar::valueChanged, this,
            [this](int value) { ShowLines(machine_.userStart + value); });

    ShowWords(machine_.userStart);
    ShowLines(machine_.userStart);
}

QWidget* frmDump::buildWordPanel(const FixedFont& font) {
    wordPanel_ = Panel(this, QStringLiteral("Picture1"));
    wordPanel_->installEventFilter(this);
    const QFont face = font.at(kFontPoints);
    auto* grid = new QGridLayout(wordPanel_);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    const QStringList headings{QStringLiteral("アドレス"), QStringLiteral("２進数"),
                               QStringLiteral("算術10進"), QStringLiteral("論理10進"),
                               QStringLiteral("16進"),     QStringLiteral("文字")};
    for (int c = 0; c < 6; ++c) grid->addWidget(Heading(wordPanel_, face, headings[c]), 0, c);
    for (int r = 0; r < kDumpRows; ++r)
        for (int c = 0; c < 6; ++c) {
            wordCells_[r][c] = Cell(wordPanel_, face, QStringLiteral("Word%1_%2").arg(r).arg(c));
            grid->addWidget(wordCells_[r][c], r + 1, c);
        }
    grid->setRowStretch(kDumpRows + 1, 1);
    return wordPanel_;
}

QWidget* frmDump::buildLinePanel(const FixedFont& font) {
    linePanel_ = Panel(this, QStringLiteral("Picture2"));
    linePanel_->installEventFilter(this);
    const QFont face = font.at(kFontPoints);
    auto* grid = new QGridLayout(linePanel_);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    grid->addWidget(Heading(linePanel_, face, QStringLiteral("#0000\n")), 0, 0);
    grid->addWidget(Heading(linePanel_, face,
                            QStringLiteral("0000 1111 2222 3333 4444 5555 6666 7777\n"
                                           " 0/8  1/9  2/A  3/B  4/C  5/D  6/E  7/F")),
                    0, 1);
    grid->addWidget(Heading(linePanel_, face, QStringLiteral("12345678\n文字")), 0, 2);
    for (int r = 0; r < kDumpRows; ++r)
        for (int c = 0; c < 3; ++c) {
            lineCells_[r][c] = Cell(linePanel_, face, QStringLiteral("Line%1_%2").arg(r).arg(c));
            grid->addWidget(lineCells_[r][c], r + 1, c);
        }
    grid->setRowStretch(kDumpRows + 1, 1);
    return linePanel_;
}

void frmDump::ShowWords(int firstAddress) {
    const DumpWordRows rows = WordPanelRows(machine_, firstAddress);
    for (int r = 0; r < kDumpRows; ++r) {
        const DumpWordRow& row = rows[r];
        const QString texts[6] = {row.address,         row.binary, row.signedDecimal,
                                  row.unsignedDecimal, row.hex,    row.character};
        for (int c = 0; c < 6; ++c) wordCells_[r][c]->setText(texts[c]);
    }
    const QSignalBlocker quiet(vScroll1_);
    vScroll1_->setValue(firstAddress - machine_.userStart);
}

void frmDump::ShowLines(int firstAddress) {
    const DumpLineRows rows = LinePanelRows(machine_, firstAddress);
    for (int r = 0; r < kDumpRows; ++r) {
        lineCells_[r][0]->setText(rows[r].address);
        lineCells_[r][1]->setText(rows[r].words);
        lineCells_[r][2]->setText(rows[r].characters);
    }
    const QSignalBlocker quiet(vScroll2_);
    vScroll2_->setValue(firstAddress - machine_.userStart);
}

QString frmDump::wordCell(int row, int column) const {
    return wordCells_[row][column]->text();
}

QString frmDump::lineCell(int row, int column) const {
    return lineCells_[row][column]->text();
}

// The mouse wheel over a panel moves that panel's scroll bar.
bool frmDump::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == wordPanel_ || watched == linePanel_)) {
        QScrollBar* scroll = watched == wordPanel_ ? vScroll1_ : vScroll2_;
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        scroll->setValue(scroll->value() - notches * 3 * scroll->singleStep());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kv
