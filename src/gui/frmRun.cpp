#include "gui/frmRun.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "machine/WordFormats.h"
#include "simulator/RunControl.h"
#include "gui/ConsoleEdit.h"
#include "gui/FixedFont.h"
#include "gui/RunKeys.h"

namespace kv {

namespace {

constexpr int kConsolePointSize = 10;
constexpr int kButtonRowHeight = 40;  // pixels of Picture1
constexpr int kMargin = 4;            // pixels around the console
// Characters of collected console text inserted in one go (some thousand trace lines, a few
// milliseconds) before events run again.
constexpr qsizetype kPartCharacters = 200'000;
const QSize kDesignSize(760, 440);

}  // namespace

frmRun::frmRun(RunControl& run, const FixedFont& font, Commands commands)
    : QWidget(nullptr, Qt::Window), run_(run), commands_(std::move(commands)) {
    setObjectName(QStringLiteral("frmRun"));
    setWindowTitle(QStringLiteral("コンソール"));

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setObjectName(QStringLiteral("Picture1"));
    auto* row = new QHBoxLayout(buttonPanel_);
    row->setContentsMargins(kMargin, 6, kMargin, 6);
    row->setSpacing(4);
    // "実行", "トレース" and "実行終了" answer the keys of the main window's buttons.
    runButton_ = addButton(QStringLiteral("Command5"), QStringLiteral("実行"),
                           QStringLiteral("コンソール画面で実行"), [this] { run_.RunAll(); }, RunButtonKey(0));
    traceButton_ = addButton(QStringLiteral("Command6"), QStringLiteral("トレース"),
                             QStringLiteral("コンソール画面でトレース"), [this] { commands_.trace(); },
                             RunButtonKey(1));
    addButton(QStringLiteral("Command3"), QStringLiteral("実行終了"), QStringLiteral("実行を終了"),
              [this] { Command3_Click(); }, RunButtonKey(5));
    addButton(QStringLiteral("Command4"), QStringLiteral("閉じて終了"),
              QStringLiteral("実行を終了し、画面を閉じる。"), [this] { Command4_Click(); });
    copy_ = addButton(QStringLiteral("Command2"), QStringLiteral("コピー"),
                      QStringLiteral("クリップボードにコピー"), [this] { Command2_Click(); });
    clear_ = addButton(QStringLiteral("Command1"), QStringLiteral("画面消去"),
                       QStringLiteral("コンソール画面消去"), [this] { Command1_Click(); });
    addButton(QStringLiteral("Command7"), QStringLiteral("ダンプ"), QStringLiteral("高機能メモリダンプ。"),
              [this] {
                  if (commands_.dump) commands_.dump();
              });
    addButton(QStringLiteral("Command8"), QStringLiteral("画面切替え"),
              QStringLiteral("実行モード画面に切り替え。"), [this] { commands_.showMainWindow(); });
    row->addStretch();
    auto* caption = new QLabel(QStringLiteral("命令語アドレス"), buttonPanel_);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setToolTip(QStringLiteral("実行した機械語の先頭アドレス"));
    row->addWidget(caption);
    address_ = new QLabel(QStringLiteral("0000"), buttonPanel_);
    address_->setObjectName(QStringLiteral("Label2"));
    address_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    address_->setFont(font.at(kConsolePointSize));
    row->addWidget(address_);

    console_ = new ConsoleEdit(this);
    console_->setFont(font.at(kConsolePointSize));
    console_->onEnter = [this](const QString& line) { run_.DeliverConsoleLine(line); };
    Form_Load();
}

QPushButton* frmRun::addButton(const QString& name, const QString& caption, const QString& tip,
                               std::function<void()> command, const QKeySequence& key) {
    auto* button = new QPushButton(caption, buttonPanel_);
    button->setObjectName(name);
    button->setToolTip(key.isEmpty() ? tip : TipWithKey(tip, key));
    button->setShortcut(key);
    button->setFixedHeight(kButtonRowHeight - 12);
    buttonPanel_->layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, std::move(command));
    return button;
}

// The design size is the smallest the window gets; the console keeps its margins to the window's
// right and bottom edges.
void frmRun::Form_Load() {
    console_->clearAll();
    console_->setPalette(QPalette());
    address_->setText(QStringLiteral("0000"));
    typingEnabled_ = true;
    console_->setReadOnly(false);
    unloaded_ = false;
    const QSize design(std::max(kDesignSize.width(), buttonPanel_->sizeHint().width()), kDesignSize.height());
    setMinimumSize(0, 0);
    resize(design);
    console_->setGeometry(kMargin, kButtonRowHeight, design.width() - 2 * kMargin,
                          design.height() - kButtonRowHeight - kMargin);
    minimum_ = design;
    bottomMargin_ = design.height() - console_->height();
    rightMargin_ = design.width() - console_->width();
    setMinimumSize(minimum_);
    setWindowState(Qt::WindowNoState);
}

void frmRun::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmRun::Form_Resize() {
    if (isMinimized()) return;
    if (height() < minimum_.height() || width() < minimum_.width())
        resize(std::max(width(), minimum_.width()), std::max(height(), minimum_.height()));
    buttonPanel_->setGeometry(0, 0, width(), kButtonRowHeight);
    console_->resize(width() - rightMargin_, height() - bottomMargin_);
}

void frmRun::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        run_.ConsoleClosed();
        run_.setRunWindowOpen(false);
        emit unloaded();
    }
    event->accept();
}

void frmRun::ConsoleWrite(Rgb colour, const QString& text) {
    console_->write(colour, text);
}

void frmRun::ConsoleAppend(const QString& text) {
    console_->append(text);
}

void frmRun::sync(int instructionAddress) {
    console_->flush();
    syncPart(instructionAddress);
}

bool frmRun::syncPart(int instructionAddress) {
    console_->flush(kPartCharacters);
    if (console_->isReadOnly() == typingEnabled_) console_->setReadOnly(!typingEnabled_);
    address_->setText(HexWord(instructionAddress));
    return console_->hasPending();
}

bool frmRun::flushPart() {
    if (!console_->hasPending()) return false;
    console_->flush(kPartCharacters);
    return true;
}

void frmRun::focusConsole() {
    activateWindow();
    console_->setFocus();
}

void frmRun::setWhite() {
    QPalette white = console_->palette();
    white.setColor(QPalette::Base, Qt::white);
    console_->setPalette(white);
}

void frmRun::scrollToCaret() {
    console_->ensureCursorVisible();
}

void frmRun::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {clear_, copy_, runButton_, traceButton_}) button->setEnabled(enabled);
}

void frmRun::Command1_Click() {
    console_->clearAll();
}

// An empty console leaves the clipboard empty.
void frmRun::Command2_Click() {
    console_->flush();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    const QString text = console_->toPlainText();
    if (!text.isEmpty()) clipboard->setText(text);
}

void frmRun::Command3_Click() {
    run_.ConsoleStop();
}

void frmRun::Command4_Click() {
    run_.StopRun();
    run_.setRunWindowOpen(false);
    close();
}

}  // namespace kv
