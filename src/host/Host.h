#pragma once
// The core's only way to the screen. Every front end implements this list of callbacks: the
// workbench window with widgets, kavora2-cli on standard input and output, the tests with a
// recording fake. Nothing here may block except the boxes and waitForEvents().

#include <QString>

#include "host/Colours.h"

namespace kv {


enum class BoxIcon { None, Information, Exclamation };
enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

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

class Host {
public:
    virtual ~Host() = default;

    // --- boxes -------------------------------------------------------------------------------
    virtual void beep() = 0;
    // A modal box; returns the button pressed (Ok for a box with the OK button only).
    virtual BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon icon,
                                 BoxButtons buttons = BoxButtons::Ok) = 0;
    // A modal input box; the empty text when the learner cancels it.
    virtual QString inputBox(const QString& title, const QString& prompt) = 0;

    // --- events ------------------------------------------------------------------------------
    // Let pending window events run and return at once.
    virtual void letEventsRun() = 0;
    // Wait until at least one event has been handled (used while IN waits for the console).
    virtual void waitForEvents() = 0;

    // --- main window -------------------------------------------------------------------------
    // The second panel of the status bar; the empty text clears it.
    virtual void setStatusNote(const QString& text) = 0;
    // One line of the assembler's message pane, in a colour.
    virtual void appendMessage(Rgb colour, const QString& text) = 0;

    // --- console window ----------------------------------------------------------------------
    // Show the console window without waiting (creating it when needed).
    virtual void showConsole() = 0;
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

    // --- run panel ---------------------------------------------------------------------------
    virtual void setRunButtons(const RunButtons& buttons) = 0;
    // Interval of the auto-run timer in milliseconds; 0 stops it.
    virtual void setAutoInterval(int milliseconds) = 0;
    // Refresh the register tab; ea < 0 shows no effective address.
    virtual void showRegisters(int ea) = 0;
    // Refresh the five memory rows from an address.
    virtual void showMemoryWords(int firstAddress) = 0;
    // Refresh the stack rows from an address.
    virtual void showStack(int firstAddress) = 0;
    // The address chosen in the memory view's label list.
    virtual int selectedMemoryAddress() = 0;
    // Highlight the program line of the instruction at PR, scrolling to it when needed.
    virtual void highlightCurrentLine() = 0;
    // Tick the register boxes of the run panel (GR0 to GR7).
    virtual void setRegisterBoxes(const bool used[8]) = 0;
};

}  // namespace kv
