#include "gui/RunPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "machine/MachineState.h"
#include "gui/RunKeys.h"
#include "host/Host.h"

namespace kv {

namespace {

constexpr int kButtonHeight = 28;  // pixels

QLabel* RowLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(white);
    return label;
}

}  // namespace

RunPanel::RunPanel(MachineState& machine, AssemblyState& assembly, Host& host, const FixedFont& font,
                   Twips twips, QWidget* parent)
    : QWidget(parent), machine_(machine), assembly_(assembly), host_(host), font_(font), twips_(twips) {
    setObjectName(QStringLiteral("Picture400"));
    buildLineList();
    cover_ = new QWidget(this);
    cover_->setObjectName(QStringLiteral("Picture410"));
    cover_->setAutoFillBackground(true);
    lineScroll_ = new QScrollBar(Qt::Vertical, this);
    lineScroll_->setObjectName(QStringLiteral("VScroll400"));
    lineScroll_->setRange(1, 1);
    connect(lineScroll_, &QScrollBar::valueChanged, this, [this](int value) { ShowProgramLines(value); });

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab400"));
    tabs_->addTab(buildRegisterTab(), QStringLiteral("レジスタ"));
    tabs_->addTab(buildMemoryTab(), QStringLiteral("メモリ"));
    buildButtons();
}

// The measuring label and rows 0 to 50 of the program-line list; row i stands i row heights below
// row 0 (ApplyFontAndRows places them).
void RunPanel::buildLineList() {
    measure_ = new QLabel(QStringLiteral("#88888"), this);
    measure_->setObjectName(QStringLiteral("Label490"));
    measure_->hide();
    for (int i = 0; i < kRows; ++i) {
        addressCells_[i] = RowLabel(this, QStringLiteral("Label401_%1").arg(i));
        addressCells_[i]->installEventFilter(this);
        sourceCells_[i] = RowLabel(this, QStringLiteral("Label402_%1").arg(i));
        sourceCells_[i]->installEventFilter(this);
    }
}

// The buttons stand in rows from the top left (placeButtons).
void RunPanel::buildButtons() {
    buttons_ = new QWidget(this);
    buttons_->setObjectName(QStringLiteral("Command4"));
    const QStringList captions{QStringLiteral("実行"),     QStringLiteral("トレース"),
                               QStringLiteral("スタート"), QStringLiteral("ステップ"),
                               QStringLiteral("オート"),   QStringLiteral("実行終了"),
                               QString(),                  QStringLiteral("ダンプ")};
    const QStringList tips{QStringLiteral("コンソール画面で実行"), QStringLiteral("コンソール画面でトレース"),
                           QStringLiteral("ステップ実行を開始"),   QStringLiteral("１命令を実行"),
                           QStringLiteral("自動でステップ実行"),   QStringLiteral("実行を終了"),
                           QString(),                              QStringLiteral("メモリダンプ")};
    // There is no button 6; the dump button has no key.
    for (int index : {0, 1, 2, 3, 4, 5, 7}) {
        auto* button = new QPushButton(captions[index], buttons_);
        button->setObjectName(QStringLiteral("Command4_%1").arg(index));
        button->setFixedHeight(kButtonHeight);
        if (index < 6) {
            button->setShortcut(RunButtonKey(index));
            button->setToolTip(TipWithKey(tips[index], RunButtonKey(index)));
        } else {
            button->setToolTip(tips[index]);
        }
        connect(button, &QPushButton::clicked, this, [this, index] {
            if (onCommand) onCommand(index);
        });
        if (index < 6) commands_[index] = button;
        if (index == 3) buildStepBackButton(buttons_);  // "戻る" stands beside "ステップ"
    }
}

bool RunPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(lineScroll_, event);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (int i = 0; i < kRows; ++i)
            if (watched == addressCells_[i]) {
                ToggleBreakpoint(i);
                return true;
            }
    if (event->type() == QEvent::ToolTip)
        for (int i = 0; i < kRows; ++i)
            if (watched == addressCells_[i] || watched == sourceCells_[i])
                return showLineTip(i, static_cast<QWidget*>(watched), event);
    return QWidget::eventFilter(watched, event);
}

// The cells pass the wheel on themselves (eventFilter); this is the panel between and under them.
void RunPanel::wheelEvent(QWheelEvent* event) {
    if (event->position().x() < lineScroll_->x() + lineScroll_->width()) {
        QCoreApplication::sendEvent(lineScroll_, event);
        return;
    }
    QWidget::wheelEvent(event);
}

void RunPanel::SetRegisterBoxes(const bool used[8]) {
    for (int i = 0; i < 8; ++i) registers_.boxes[i]->setChecked(used[i]);
}

// "実行終了" stays enabled.
void RunPanel::SetRunButtons(const RunButtons& b) {
    const bool enabled[5] = {b.run, b.trace, b.start, b.step, b.autoRun};
    for (int i = 0; i < 5; ++i) commands_[i]->setEnabled(enabled[i]);
}

int RunPanel::SelectedMemoryAddress() const {
    const QComboBox* labels = memory_.labels;
    if (labels->currentIndex() < 0) return machine_.userStart;
    return labels->currentData().toInt();
}

}  // namespace kv
