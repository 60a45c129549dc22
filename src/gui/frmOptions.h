#pragma once
// The options dialog frmOptions, caption "オプション": the settings on three tabs ("全般",
// "COMETⅡ", "その他") and a line for system commands. OK and "適用" apply the entries (every
// entry is checked before anything changes); "キャンセル" and the close box put back every setting
// the dialog found when it opened. Enter in the system command line runs the command at once.

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "settings/OptionsEntries.h"
#include "settings/Settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace kv {

class GuiHost;
struct Session;

class frmOptions : public QDialog {
    Q_OBJECT

  public:
    frmOptions(Session& session, GuiHost& host, QWidget* parent = nullptr);

    // Called after the settings changed (applied, a system command accepted, or put back by
    // "キャンセル"): the main window brings the machine, the editor and its panes up to date.
    std::function<void()> onSettingsChanged;

    // The controls as entries, and back.
    OptionsEntries entries() const;
    void setEntries(const OptionsEntries& entries);

    void cmdOK_Click();
    void cmdCancel_Click();
    void Command1_Click();
    // Closing with any result other than OK puts the settings back.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildGeneralTab();
    QWidget* buildCometTab();
    QWidget* buildOtherTab();
    void Form_Load();
    bool Apply();
    void Text4_Enter();
    void Command2_Click();
    void refreshAreaLabels();

    Session& session_;
    GuiHost& host_;
    Settings found_;          // the settings when the dialog opened, for "キャンセル"
    QString foundDirectory_;  // the current folder then

    QTabWidget* tabs_ = nullptr;               // SSTab900
    std::array<QRadioButton*, 2> option1_{};   // editor kind
    QCheckBox* check3_ = nullptr;              // maximise at start
    QCheckBox* check1_ = nullptr;              // load the initial file at start
    QLineEdit* text3_ = nullptr;               // source folder
    QLineEdit* text1_ = nullptr;               // user area start
    QLabel* endLabel_ = nullptr;               // the area's last address
    QLabel* sizeLabel_ = nullptr;              // 4096
    QLineEdit* text2_ = nullptr;               // initial value
    QLineEdit* text4_ = nullptr;               // system command
    QCheckBox* check2_ = nullptr;              // literals share DC lines (always)
    QSlider* slider1_ = nullptr;               // auto-run speed
    std::array<QRadioButton*, 2> option32_{};  // F-notation in run mode
    std::array<QRadioButton*, 2> option31_{};  // conversion comments
};

}  // namespace kv
