#include "gui/frmOptions.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "assembler/Catalogue.h"
#include "gui/GuiHost.h"
#include "machine/WordFormats.h"
#include "settings/SystemCommand.h"
#include "workbench/Session.h"

namespace kv {

frmOptions::frmOptions(Session& session, GuiHost& host, QWidget* parent)
    : QDialog(parent),
      session_(session),
      host_(host),
      found_(session.settings),
      foundDirectory_(QDir::currentPath()) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("オプション"));
    auto* outer = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab900"));
    tabs_->addTab(buildGeneralTab(), QStringLiteral("全般"));
    tabs_->addTab(buildCometTab(), QStringLiteral("COMETⅡ"));
    tabs_->addTab(buildOtherTab(), QStringLiteral("その他"));
    outer->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStringList names{QStringLiteral("cmdOK"), QStringLiteral("cmdCancel"), QStringLiteral("Command1")};
    const QStringList captions{QStringLiteral("OK"), QStringLiteral("キャンセル"), QStringLiteral("適用")};
    const std::array<std::function<void()>, 3> commands{
        [this] { cmdOK_Click(); }, [this] { cmdCancel_Click(); }, [this] { Command1_Click(); }};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(names[i]);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, commands[i]);
    }
    outer->addLayout(buttons);
    Form_Load();
}

void frmOptions::Form_Load() {
    OptionsEntries entries;
    const int fault = EntriesFromSettings(session_.settings, entries);
    setEntries(entries);
    if (fault != 0) ReportInternalError(host_, QStringLiteral("オプション設定"), fault);
}

OptionsEntries frmOptions::entries() const {
    OptionsEntries e;
    e.editorKind = option1_[1]->isChecked() ? 2 : 1;
    e.maximiseAtStart = check3_->isChecked();
    e.loadInitialFile = check1_->isChecked();
    e.sourceFolder = text3_->text();
    e.userStart = text1_->text();
    e.initialValue = text2_->text();
    e.conversionComments = option31_[0]->isChecked();
    e.fNotation = option32_[0]->isChecked();
    e.autoSpeed = slider1_->value();
    e.systemCommand = text4_->text();
    return e;
}

void frmOptions::setEntries(const OptionsEntries& e) {
    option1_[e.editorKind == 2 ? 1 : 0]->setChecked(true);
    check3_->setChecked(e.maximiseAtStart);
    check1_->setChecked(e.loadInitialFile);
    text3_->setText(e.sourceFolder);
    text1_->setText(e.userStart);
    text2_->setText(e.initialValue);
    option31_[e.conversionComments ? 0 : 1]->setChecked(true);
    option32_[e.fNotation ? 0 : 1]->setChecked(true);
    slider1_->setValue(e.autoSpeed);
    text4_->setText(e.systemCommand);
    refreshAreaLabels();
}

void frmOptions::refreshAreaLabels() {
    endLabel_->setText(FormatHexWord(session_.settings.userEnd()));
    sizeLabel_->setText(QStringLiteral("4096"));
}

// Apply: a wrong entry shows its box (a refused system command its error) and nothing changes.
bool frmOptions::Apply() {
    if (ApplyOptions(entries(), session_.settings, session_.error, host_) == ApplyOutcome::Refused) {
        if (session_.error.isSet()) ReportError(session_.error, host_, ReportStyle::Box);
        return false;
    }
    text4_->clear();
    refreshAreaLabels();
    if (onSettingsChanged) onSettingsChanged();
    return true;
}

void frmOptions::cmdOK_Click() {
    if (Apply()) accept();
}

void frmOptions::Command1_Click() {
    Apply();
}

void frmOptions::cmdCancel_Click() {
    reject();
}

// "キャンセル", the close box and Escape: every setting as the dialog found it, and the folder.
void frmOptions::done(int result) {
    if (result == QDialog::Rejected) {
        session_.settings = found_;
        QDir::setCurrent(foundDirectory_);
        if (onSettingsChanged) onSettingsChanged();
    }
    QDialog::done(result);
}

void frmOptions::Command2_Click() {
    const QString folder =
        host_.chooseFolder(QStringLiteral("CASLⅡのソースプログラムのフォルダ"), text3_->text());
    if (!folder.isEmpty()) text3_->setText(QDir::toNativeSeparators(folder));
}

// Enter in the system command line runs the command at once; the line is emptied either way.
void frmOptions::Text4_Enter() {
    const QString command = text4_->text();
    text4_->clear();
    switch (RunSystemCommand(command, session_.settings, session_.error)) {
        case SystemCommandOutcome::Accepted:
            host_.messageBox(QStringLiteral("システムコマンドを受けつけました。"),
                             QStringLiteral("システムコマンド "), BoxIcon::Information);
            if (onSettingsChanged) onSettingsChanged();
            break;
        case SystemCommandOutcome::Refused: ReportError(session_.error, host_, ReportStyle::Box); break;
        case SystemCommandOutcome::Ignored: break;
    }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text4_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Text4_Enter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kv
