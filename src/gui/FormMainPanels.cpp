// Building the main window's controls: the mode buttons, the three panels and the status bar.

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolButton>

#include "gui/ScreenShotIcon.h"
#include "gui/SourceEditor.h"
#include "gui/FormMain.h"
#include "gui/RunPanel.h"

namespace kv {

namespace {

constexpr int kModeButtonWidth = 120;

QWidget* NamedWidget(QWidget* parent, const QString& name) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    return widget;
}

QWidget* ButtonRow(QWidget* parent, int height) {
    QWidget* row = NamedWidget(parent, QString());
    row->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    row->setFixedHeight(height);
    return row;
}

QTextEdit* Pane(QWidget* parent, const QString& name) {
    auto* pane = new QTextEdit(parent);
    pane->setObjectName(name);
    pane->setReadOnly(true);
    pane->setLineWrapMode(QTextEdit::NoWrap);
    pane->setAcceptRichText(false);
    return pane;
}

}  // namespace

QPushButton* FormMain::addCommand(QWidget* row, const QString& name, const QString& caption,
                                  std::function<void()> command) {
    auto* button = new QPushButton(caption, row);
    button->setObjectName(name);
    button->setFixedHeight(kButtonHeight);
    button->setMinimumWidth(90);
    static_cast<QHBoxLayout*>(row->layout())->addWidget(button, 0, Qt::AlignTop);
    connect(button, &QPushButton::clicked, this, std::move(command));
    return button;
}

void FormMain::buildModeButtons(QWidget* client) {
    QWidget* row = ButtonRow(client, kModeRowHeight);
    row->setObjectName(QStringLiteral("ModeButtons"));
    row->layout()->setContentsMargins(6, 4, 6, 4);
    modeButtons_.edit = addCommand(row, QStringLiteral("Command001"), QStringLiteral("編集モード"),
                                   [this] { Command001_Click(); });
    row->layout()->addWidget(new QLabel(QStringLiteral("→"), row));
    modeButtons_.assemble = addCommand(row, QStringLiteral("Command002"), QStringLiteral("アセンブル"),
                                       [this] { Command002_Click(); });
    row->layout()->addWidget(new QLabel(QStringLiteral("→"), row));
    modeButtons_.run = addCommand(row, QStringLiteral("Command003"), QStringLiteral("実行モード"),
                                  [this] { Command003_Click(); });
    for (QPushButton* button : {modeButtons_.edit, modeButtons_.assemble, modeButtons_.run})
        button->setFixedWidth(kModeButtonWidth);
    static_cast<QHBoxLayout*>(row->layout())->addStretch();
    auto* shot = new QToolButton(row);
    shot->setObjectName(QStringLiteral("Image1"));
    shot->setIcon(ScreenShotIcon());
    shot->setIconSize(QSize(kButtonHeight - 6, kButtonHeight - 6));
    shot->setFixedSize(kButtonHeight + 4, kButtonHeight);
    shot->setAutoRaise(true);
    shot->setToolTip(QStringLiteral("画面ショット（メインウィンドウをクリップボードへ）"));
    row->layout()->addWidget(shot);
    connect(shot, &QToolButton::clicked, this, [this] { ScreenShot(); });
}

void FormMain::buildEditPanel(QWidget* client) {
    EditPanel& e = edit_;
    e.panel = NamedWidget(client, QStringLiteral("Picture100"));
    const QStringList captions{QStringLiteral("ラベル"), QStringLiteral("命令"),
                               QStringLiteral("オペランド")};
    for (int i = 0; i < 2; ++i) {
        e.bars[i] = NamedWidget(e.panel, QStringLiteral("Picture10%1").arg(i + 1));
        e.bars[i]->setStyleSheet(QStringLiteral("background: rgb(128,128,128);"));
    }
    for (int i = 0; i < 3; ++i) {
        e.captions[i] = new QLabel(captions[i], e.panel);
        e.captions[i]->setObjectName(QStringLiteral("Label10%1").arg(i + 1));
        e.captions[i]->setStyleSheet(QStringLiteral("background: rgb(224,232,255);"));
    }
    e.measure = new QLabel(QStringLiteral("ABCDEFGHIJ"), e.panel);
    e.measure->setObjectName(QStringLiteral("Label199"));
    e.measure->hide();
    e.editor = new SourceEditor(bench_.checker, host_, e.panel);
    e.editor->setObjectName(QStringLiteral("RichTextBox1"));
    e.editor->setFont(font_.at(bench_.session.settings.paneFontSize));
    connect(e.editor, &SourceEditor::keyDown, this, [this] { bench_.document.setModified(true); });
    e.buttons = ButtonRow(e.panel, kButtonHeight);
    e.buttons->setObjectName(QStringLiteral("Command1"));
    e.buttons->layout()->setContentsMargins(0, 6, 0, 0);
    addCommand(e.buttons, QStringLiteral("Command1_0"), QStringLiteral("新規"), [this] { New(); });
    addCommand(e.buttons, QStringLiteral("Command1_1"), QStringLiteral("開く"), [this] { Open(); });
    addCommand(e.buttons, QStringLiteral("Command1_2"), QStringLiteral("上書き保存"), [this] { Save(); });
    addCommand(e.buttons, QStringLiteral("Command1_3"), QStringLiteral("整形"),
               [this] { FormatAndCheckAll(); });
    static_cast<QHBoxLayout*>(e.buttons->layout())->addStretch();
}

void FormMain::buildAssemblePanel(QWidget* client) {
    AssemblePanel& a = assemble_;
    a.panel = NamedWidget(client, QStringLiteral("Picture300"));
    a.buttons = ButtonRow(a.panel, kButtonHeight);
    a.buttons->setObjectName(QStringLiteral("Command3"));
    const QStringList captions{QStringLiteral("リスト保存"), QStringLiteral("印刷"), QStringLiteral("コピー"),
                               QStringLiteral("ASMリスト"), QStringLiteral("ADRリスト"),
                               QStringLiteral("F式リスト"), QStringLiteral("メッセージ")};
    for (int index = 0; index <= 6; ++index)
        addCommand(a.buttons, QStringLiteral("Command3_%1").arg(index), captions[index],
                   [this, index] { Command3_Click(index); });
    static_cast<QHBoxLayout*>(a.buttons->layout())->addStretch();
    a.messages = Pane(a.panel, QStringLiteral("RichTextBox300"));
    // The messages are sentences: long ones wrap at the pane's width. The lists keep their columns.
    a.messages->setLineWrapMode(QTextEdit::WidgetWidth);
    a.list = Pane(a.panel, QStringLiteral("RichTextBox310"));
}

void FormMain::buildRunPanel(QWidget* client) {
    runPanel_ = new RunPanel(bench_.session.machine, bench_.session.assembly, host_, font_, twips_, client);
    runPanel_->onMemoryAddressChosen = [this](int address) { bench_.run.setMemoryViewAddress(address); };
    runPanel_->onCommand = [this](int index) { Command4_Click(index); };
}

void FormMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    status_.mode = new QLabel(bar);
    status_.mode->setObjectName(QStringLiteral("StatusPanel1"));
    status_.mode->setMinimumWidth(110);
    status_.note = new QLabel(bar);
    status_.note->setObjectName(QStringLiteral("StatusPanel2"));
    status_.progress = new QProgressBar(bar);
    status_.progress->setObjectName(QStringLiteral("ProgressBar1"));
    status_.progress->setTextVisible(false);
    status_.progress->setMaximumWidth(240);
    status_.progress->hide();
    bar->addWidget(status_.mode);
    bar->addWidget(status_.note, 1);
    bar->addPermanentWidget(status_.progress);
    buildDeviceIndicator(bar);
}

}  // namespace kv
