#include "gui/frmFileIO.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "assembler/Catalogue.h"
#include "filedevice/RecordFile.h"
#include "filedevice/VirtualFileDevice.h"
#include "gui/FixedFont.h"
#include "gui/GuiHost.h"
#include "gui/NamedWidgets.h"
#include "workbench/Session.h"

namespace kv {

namespace {

const QStringList kExplanation{
    QStringLiteral("【説明】"),
    QStringLiteral(
        "　IN命令で装置からファイルを読み込む場合、繰り返しテストをするためのものです。直接、テスト"
        "データを上の領域に入力することができます。"),
    QStringLiteral("　半角の[　]内に書いた1行が1レコードになります｡行末の空白の入力を明示的に示すためです｡"),
    QStringLiteral("　レコードの最後には、[END](半角)をつけます。これ以降のレコードは無視されます｡"),
    QStringLiteral(
        "　これはいろいろなテストデータで実験するときに､便利な機能です。必要なレコードだけを、カット"
        "＆ペーストで、[END]の上に置けばいいのです｡"),
    QString(),
    QStringLiteral(
        "　補助記憶装置から入力するファイルの終わりの値は-１で、IN命令の入力文字長領域に格納されます。"
        "キーボードからヌル文字（Enterキーだけを押す）を入力した場合のテストもできるようにするため、"
        "-1か0を指定できるようにしています。"),
};

QRadioButton* Choice(QWidget* parent, const QString& name, const QString& caption, QButtonGroup* group) {
    auto* button = Named<QRadioButton>(name, caption, parent);
    group->addButton(button);
    return button;
}

}  // namespace

frmFileIO::frmFileIO(VirtualFileDevice& device, Session& session, GuiHost& host, const FixedFont& font,
                     QWidget* parent)
    : QDialog(parent), device_(device), session_(session), host_(host) {
    setObjectName(QStringLiteral("frmFileIO"));
    setWindowTitle(QStringLiteral("入力装置の設定"));
    buildControls(font);
    text1_->setPlainText(device_.recordText);
    option2_[device_.inputDevice == InputDevice::VirtualFile ? 1 : 0]->setChecked(true);
    option1_[device_.endOfFileValue == 0 ? 1 : 0]->setChecked(true);
    enableForDevice();
    resize(640, 700);
}

void frmFileIO::buildControls(const FixedFont& font) {
    auto* outer = new QVBoxLayout(this);

    auto* frame2 = new QGroupBox(QStringLiteral("IN命令の入力装置"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* devices = new QButtonGroup(frame2);
    auto* deviceRow = new QHBoxLayout(frame2);
    const QStringList deviceCaptions{QStringLiteral("キーボード"), QStringLiteral("仮想ファイル装置")};
    for (int i = 0; i < 2; ++i) {
        option2_[i] = Choice(frame2, QStringLiteral("Option2_%1").arg(i), deviceCaptions[i], devices);
        deviceRow->addWidget(option2_[i]);
        connect(option2_[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    deviceRow->addStretch();
    outer->addWidget(frame2);

    frame1_ = new QGroupBox(QStringLiteral("仮想ファイル装置"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* inside = new QVBoxLayout(frame1_);
    text1_ = new QPlainTextEdit(frame1_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setFont(font.at(session_.settings.paneFontSize));
    inside->addWidget(text1_, 1);
    auto* buttons = new QHBoxLayout;
    const QStringList captions{QStringLiteral("消去"), QStringLiteral("開く"), QStringLiteral("保存")};
    const std::array<std::function<void()>, 3> commands{
        [this] { Command1_Click(); }, [this] { Command2_Click(); }, [this] { Command3_Click(); }};
    for (int i = 0; i < 3; ++i) {
        commands_[i] = new QPushButton(captions[i], this);
        commands_[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        commands_[i]->setAutoDefault(false);
        buttons->addWidget(commands_[i]);
        connect(commands_[i], &QPushButton::clicked, this, commands[i]);
    }
    buttons->addStretch();
    inside->addLayout(buttons);
    outer->addWidget(frame1_, 1);

    auto* endRow = new QHBoxLayout;
    auto* label1 = new QLabel(QStringLiteral("ファイルの終わりの値"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    endRow->addWidget(label1);
    auto* values = new QButtonGroup(this);
    const QStringList valueCaptions{QStringLiteral("-１（ファイルと想定）"),
                                    QStringLiteral("0（キーボードと想定）")};
    for (int i = 0; i < 2; ++i) {
        option1_[i] = Choice(this, QStringLiteral("Option1_%1").arg(i), valueCaptions[i], values);
        endRow->addWidget(option1_[i]);
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    endRow->addStretch();
    auto* finish = new QPushButton(QStringLiteral("設定終了"), this);
    finish->setObjectName(QStringLiteral("Command5"));
    finish->setAutoDefault(false);
    endRow->addWidget(finish);
    connect(finish, &QPushButton::clicked, this, [this] { Command5_Click(); });
    outer->addLayout(endRow);

    auto* text9 = new QPlainTextEdit(kExplanation.join(QLatin1Char('\n')), this);
    text9->setObjectName(QStringLiteral("Text9"));
    text9->setReadOnly(true);
    text9->setFixedHeight(215);
    outer->addWidget(text9);
}

void frmFileIO::enableForDevice() {
    const bool file = device_.inputDevice == InputDevice::VirtualFile;
    frame1_->setEnabled(file);
    for (QPushButton* button : commands_) button->setEnabled(file);
}

void frmFileIO::Option2_Click(int index) {
    device_.inputDevice = index == 1 ? InputDevice::VirtualFile : InputDevice::Keyboard;
    enableForDevice();
    if (onDeviceChanged) onDeviceChanged();
}

void frmFileIO::Option1_Click(int index) {
    device_.endOfFileValue = static_cast<std::int16_t>(index == 0 ? -1 : 0);
}

void frmFileIO::Command1_Click() {
    text1_->clear();
}

void frmFileIO::diskError(const QString& problem) {
    host_.messageBox(problem, QStringLiteral("ディスクエラー"), BoxIcon::Exclamation);
}

void frmFileIO::Command2_Click() {
    const QString path = host_.chooseOpenFile(
        {QStringLiteral("データファイルを開く"),
         QStringLiteral(
             "データファイル（*.csd）|*.csd|テキストファイル（*.txt）|*.txt|全てのファイル（*.*）|*.*"),
         session_.settings.sourceFolder, QString()});
    if (path.isEmpty()) return;
    const RecordFileResult file = ReadRecordFile(path);
    if (!file.ok) {
        diskError(file.problem);
        return;
    }
    text1_->setPlainText(file.text);
}

void frmFileIO::Command3_Click() {
    const QString path = host_.chooseSaveFile({QStringLiteral("データファイルの保存"),
                                               QStringLiteral("データファイル（*.csd）|*.csd"),
                                               session_.settings.sourceFolder, QString()});
    if (path.isEmpty()) return;
    const RecordFileResult file = WriteRecordFile(path, text1_->toPlainText());
    if (!file.ok) diskError(file.problem);
}

// "設定終了": the records up to "[END]" must all be bracketed; then the window only hides and the
// device keeps the text.
void frmFileIO::Command5_Click() {
    device_.recordText = text1_->toPlainText();
    const ErrorCode problem = device_.CheckRecordText();
    if (problem != ErrorCode::None) {
        session_.error.raise(problem);
        ReportError(session_.error, host_, ReportStyle::Box);
        return;
    }
    accept();
}

void frmFileIO::Form_Unload() {
    device_.recordText = VirtualFileDevice::InitialRecordText();
    device_.inputDevice = InputDevice::Keyboard;
    if (onDeviceChanged) onDeviceChanged();
}

// The close box unloads the window; "設定終了" closes it after accepting.
void frmFileIO::closeEvent(QCloseEvent* event) {
    if (result() != QDialog::Accepted) Form_Unload();
    QDialog::closeEvent(event);
}

// Escape would throw the record text away as the close box does: it does nothing here.
void frmFileIO::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace kv
