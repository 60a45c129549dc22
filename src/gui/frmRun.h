#pragma once
// The run window frmRun, caption "コンソール": the console of a running program in Run and Trace,
// with a row of buttons that run, trace and end programs, copy or clear the console and switch back
// to the main window, and the address of the instruction being executed. Shown without waiting by
// runs and console transfers; it stays until it is closed or the main window leaves run mode.
//
// Run control reaches it through the workbench's host, which collects the console text of a time
// slice and has it drawn when events run (sync, syncPart, flushPart).

#include <QKeySequence>
#include <QWidget>
#include <functional>

#include "host/Host.h"

class QLabel;
class QPushButton;

namespace kv {

class ConsoleEdit;
class FixedFont;
class RunControl;

class frmRun : public QWidget {
    Q_OBJECT

public:
    // What the window asks of the main window.
    struct Commands {
        std::function<void()> trace;           // "トレース": the options window, then the trace
        std::function<void()> dump;            // "ダンプ": the advanced dump's options window
        std::function<void()> showMainWindow;  // "画面切替え"
    };

    frmRun(RunControl& run, const FixedFont& font, Commands commands);

    // Loading: an empty console, the design size, "0000" for the address. Closing only hides the
    // window (it may be closed from inside a run that one of its own buttons started); the next
    // load starts it afresh.
    void Form_Load();

    ConsoleEdit& console() { return *console_; }

    // ConsoleWrite and ConsoleAppend: collected, inserted at the caret by sync().
    void ConsoleWrite(Rgb colour, const QString& text);
    void ConsoleAppend(const QString& text);
    // Typing into the console is allowed only while IN waits and after a run; applied by sync().
    void setTypingEnabled(bool enabled) { typingEnabled_ = enabled; }
    // Draws what was collected: the console text, its typing state and Label2.
    void sync(int instructionAddress);
    // The same with at most one part of the console text; true when text is left.
    bool syncPart(int instructionAddress);
    // Inserts one part of the collected console text; false when nothing was left.
    bool flushPart();
    void focusConsole();
    void setWhite();
    void scrollToCaret();
    // "画面消去", "コピー", "実行" and "トレース" (locked during a run).
    void setButtonsEnabled(bool enabled);

signals:
    // The window was unloaded ("閉じて終了", its close box, or the main window unloading it).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    QPushButton* addButton(const QString& name, const QString& caption, const QString& tip,
                           std::function<void()> command, const QKeySequence& key = QKeySequence());

    RunControl& run_;
    Commands commands_;
    ConsoleEdit* console_ = nullptr;
    QWidget* buttonPanel_ = nullptr;      // Picture1
    QPushButton* clear_ = nullptr;        // Command1 画面消去
    QPushButton* copy_ = nullptr;         // Command2 コピー
    QPushButton* runButton_ = nullptr;    // Command5 実行
    QPushButton* traceButton_ = nullptr;  // Command6 トレース
    QLabel* address_ = nullptr;           // Label2
    bool typingEnabled_ = true;
    bool unloaded_ = false;
    QSize minimum_;
    int bottomMargin_ = 0;
    int rightMargin_ = 0;
};

}  // namespace kv
