#pragma once
// The input device window frmFileIO, caption "入力装置の設定": whether IN reads the keyboard or the
// virtual file device, the record text that the device reads (with "消去", "開く" and "保存"), the
// value IN stores as the length at the end of the file, and "設定終了", which checks the record
// text and closes the window. The window works on the device itself: the device keeps the text
// between openings. Its close box unloads it: the text returns to the initial lines and IN to the
// keyboard.

#include <QDialog>
#include <array>
#include <functional>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kv {

class FixedFont;
class GuiHost;
class VirtualFileDevice;
struct Session;

class frmFileIO : public QDialog {
    Q_OBJECT

  public:
    frmFileIO(VirtualFileDevice& device, Session& session, GuiHost& host, const FixedFont& font,
              QWidget* parent = nullptr);

    // Called whenever the input device changes (the main window shows or hides its indicator).
    std::function<void()> onDeviceChanged;

    QPlainTextEdit& recordText() { return *text1_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls(const FixedFont& font);
    void Option2_Click(int index);
    void Option1_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Form_Unload();
    void enableForDevice();
    void diskError(const QString& problem);

    VirtualFileDevice& device_;
    Session& session_;
    GuiHost& host_;

    std::array<QRadioButton*, 2> option2_{};  // input device
    std::array<QRadioButton*, 2> option1_{};  // end-of-file value
    QGroupBox* frame1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    std::array<QPushButton*, 3> commands_{};  // 消去, 開く, 保存
};

}  // namespace kv
