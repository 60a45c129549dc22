#pragma once
// The core's only way to the screen: a few short lists of callbacks, one per role. Every front end
// implements them: the workbench window with widgets, kavora2-cli on standard input and output, the
// tests with a recording fake. A procedure takes the role it needs; Host is all of them at once.
// Nothing here may block except the boxes and waitForEvents().

#include <QString>

#include "host/ChangedValues.h"
#include "host/Colours.h"

namespace kv {

enum class BoxIcon { None, Information, Exclamation };
enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

// Modal boxes and the system beep.
class Boxes {
public:
    virtual ~Boxes() = default;
    virtual void beep() = 0;
    // A modal box; returns the button pressed (Ok for a box with the OK button only).
    virtual BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon icon,
                                 BoxButtons buttons = BoxButtons::Ok) = 0;
    // A modal input box; the empty text when the learner cancels it.
    virtual QString inputBox(const QString& title, const QString& prompt) = 0;
};

// A file dialog. The filter is written "description|pattern|description|pattern...".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString folder;
    QString proposedName;
};

// The common file dialogs; each returns the chosen path, or the empty text when the learner
// cancels, which the caller treats as a quiet abandon.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual QString chooseSaveFile(const FileDialogRequest& request) = 0;
};

// The window system's event loop, for long loops on the one thread.
class Events {
public:
    virtual ~Events() = default;
    // Let pending window events run and return at once.
    virtual void letEventsRun() = 0;
    // Wait until at least one event has been handled (used while IN waits for the console).
    virtual void waitForEvents() = 0;
};

// The assembler's message pane of the main window.
class MessagePane {
public:
    virtual ~MessagePane() = default;
    // One line in a colour.
    virtual void appendMessage(Rgb colour, const QString& text) = 0;
};

// The console window of a running program.
class Console {
public:
    virtual ~Console() = default;
    // Show the console window without waiting (creating it when needed); a window already shown
    // stays where it is, behind others or not.
    virtual void showConsole() = 0;
    // Show the console window, bring it in front of the others and make it the active window: a run
    // starts or IN waits, and the learner must see the console and never type into a hidden one.
    virtual void bringConsoleToFront() = 0;
    // Append a whole line in a colour at the caret; the insertion colour returns to black.
    virtual void consoleWrite(Rgb colour, const QString& text) = 0;
    // Insert text at the caret in the current colour; "\n" ends a line.
    virtual void consoleAppend(const QString& text) = 0;
    virtual void setConsoleEnabled(bool enabled) = 0;
    virtual void focusConsole() = 0;
    // The console's background becomes white (before a trace).
    virtual void setConsoleWhite() = 0;
    // Keep the console scrolled to its caret (during a trace).
    virtual void scrollConsoleToCaret() = 0;
    // The console's "命令語アドレス": the address of the instruction being executed. Called for
    // every instruction of a run: store the number, draw it when events run.
    virtual void setInstructionAddress(int address) = 0;
    // Unload the console window (entering run mode does it).
    virtual void closeConsole() = 0;
};

// Enabled states of the run buttons: the mode buttons "編集モード" and "アセンブル", the main
// window's "実行" to "オート" and the four buttons of the console window that a run locks.
struct RunButtons {
    bool editMode = true;          // Command001
    bool assemble = true;          // Command002
    bool run = true;               // Command4(0)
    bool trace = true;             // Command4(1)
    bool start = true;             // Command4(2)
    bool step = false;             // Command4(3)
    bool autoRun = false;          // Command4(4)
    bool consoleButtons = true;    // 画面消去, コピー, 実行, トレース of the console window
};

// The run panel of the main window and the note panel of its status bar.
class RunView {
public:
    virtual ~RunView() = default;
    // The second panel of the status bar; the empty text clears it.
    virtual void setStatusNote(const QString& text) = 0;
    virtual void setRunButtons(const RunButtons& buttons) = 0;
    // Interval of the auto-run timer in milliseconds; 0 stops it.
    virtual void setAutoInterval(int milliseconds) = 0;
    // Refresh the register tab; ea < 0 shows no effective address.
    virtual void showRegisters(int ea) = 0;
    // Refresh the five memory rows from an address.
    virtual void showMemoryWords(int firstAddress) = 0;
    // Refresh the stack rows from an address.
    virtual void showStack(int firstAddress) = 0;
    // Highlight the program line of the instruction at PR, scrolling to it when needed.
    virtual void highlightCurrentLine() = 0;
    // Tick the register boxes of the run panel (GR0 to GR7).
    virtual void setRegisterBoxes(const bool used[8]) = 0;
    // What the last executed instruction changed: the refreshes that follow show these values in
    // bold, until the next call (an empty set after runs and when nothing was executed).
    virtual void showChangedValues(const ChangedValues& changed) = 0;
    // "戻る" and the run menu's "1ステップ戻る(&B)": enabled while a step can be taken back.
    virtual void setStepBackEnabled(bool enabled) = 0;
};

class Host : public Boxes, public FileDialogs, public Events, public MessagePane, public Console, public RunView {};

}  // namespace kv
