#pragma once
// The workbench window's side of kv::Host: boxes, beeps and input boxes, events, the status bar's
// note panel, the assembler's message pane, the run panel, the auto-run timer and the console
// window. Every box, file dialog and modal window of the program goes through a replaceable handler
// here, so that tests can answer them.
//
// Run control calls the console for every line a run writes and setInstructionAddress for every
// instruction: the host only collects them, and the console window draws them when events run next
// (one edit block per part of a few thousand lines, events run between the parts).

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "host/Host.h"

class QAbstractButton;
class QAction;
class QDialog;
class QLabel;
class QPrinter;
class QUrl;
class QTextEdit;
class QTimer;
class QWidget;

namespace kv {

class RunPanel;
class frmRun;

struct BoxRequest {
    QString text, title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

class GuiHost : public Host {
public:
    // Boxes, dialogs and modal windows open over the window.
    explicit GuiHost(QWidget* window);
    ~GuiHost() override;

    // --- replaceable handlers (the defaults open real boxes and dialogs)
    std::function<BoxAnswer(const BoxRequest&)> boxHandler;
    std::function<QString(const QString& title, const QString& prompt)> inputHandler;
    // The chosen file name, empty when the learner cancels.
    std::function<QString(const FileDialogRequest&)> openFileHandler;
    std::function<QString(const FileDialogRequest&)> saveFileHandler;
    // The folder browser: the chosen folder, empty when the learner cancels.
    std::function<QString(const QString& title, const QString& folder)> folderHandler;
    std::function<void(QDialog&)> modalHandler;
    // The printer dialog: true when the learner chose to print (the printer is set up then).
    std::function<bool(QPrinter&)> printHandler;
    // Opens a page in the desktop's browser; false when it could not.
    std::function<bool(const QUrl&)> urlHandler;

    // The widgets the host writes into.
    void attach(QTextEdit* messagePane, QLabel* statusNote);
    // Called whenever run control sets the run buttons: the window repaints its mode buttons.
    std::function<void()> runButtonsChanged;

    // The run panel and Timer400.
    void attachRun(RunPanel* panel, QTimer* autoTimer);
    // Makes the console window when a run or a command first needs it; the host owns it.
    std::function<frmRun*()> consoleFactory;
    // The console window while it is loaded, else nullptr.
    frmRun* console() const { return consoleLoaded_ ? consoleWindow_.get() : nullptr; }

    QString chooseOpenFile(const FileDialogRequest& request) override { return openFileHandler(request); }
    QString chooseSaveFile(const FileDialogRequest& request) override { return saveFileHandler(request); }
    QString chooseFolder(const QString& title, const QString& folder) { return folderHandler(title, folder); }
    void showModal(QDialog& dialog) { modalHandler(dialog); }
    bool choosePrinter(QPrinter& printer) { return printHandler(printer); }
    bool openUrl(const QUrl& url) { return urlHandler(url); }

    void beep() override;
    BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon icon,
                         BoxButtons buttons = BoxButtons::Ok) override;
    QString inputBox(const QString& title, const QString& prompt) override;
    void letEventsRun() override;
    void waitForEvents() override;
    void setStatusNote(const QString& text) override;
    void appendMessage(Rgb colour, const QString& text) override;

    void showConsole() override;
    // Also the menu's "コンソール(&C)". A minimised console is restored.
    void bringConsoleToFront() override;
    void consoleWrite(Rgb colour, const QString& text) override;
    void consoleAppend(const QString& text) override;
    void setConsoleEnabled(bool enabled) override;
    void focusConsole() override;
    void setConsoleWhite() override;
    void scrollConsoleToCaret() override;
    void setInstructionAddress(int address) override {
        instructionAddress_ = address;
        if (!consoleSyncPending_) scheduleConsoleSync();
    }
    void closeConsole() override;
    void setRunButtons(const RunButtons& buttons) override;
    void setAutoInterval(int milliseconds) override;
    void showRegisters(int ea) override;
    void showMemoryWords(int firstAddress) override;
    void showStack(int firstAddress) override;
    void highlightCurrentLine() override;
    void setRegisterBoxes(const bool used[8]) override;
    void showChangedValues(const ChangedValues& changed) override;
    void setStepBackEnabled(bool enabled) override;
    // The run menu's "1ステップ戻る(&B)", enabled with the button "戻る".
    void attachStepBack(QAction* entry) { stepBackEntry_ = entry; }

private:
    BoxAnswer defaultBox(const BoxRequest& request);
    QString defaultInput(const QString& title, const QString& prompt);
    QString defaultOpenFile(const FileDialogRequest& request);
    QString defaultSaveFile(const FileDialogRequest& request);
    frmRun* loadConsole();
    // The console window draws what was collected when events run next.
    void scheduleConsoleSync();
    void syncConsole();
    void drainConsole();

    QPointer<QWidget> window_;
    QPointer<QTextEdit> messagePane_;
    QPointer<QLabel> statusNote_;
    QPointer<RunPanel> runPanel_;
    QPointer<QTimer> autoTimer_;
    QPointer<QAction> stepBackEntry_;
    std::unique_ptr<frmRun> consoleWindow_;
    bool consoleLoaded_ = false;
    RunButtons buttons_;
    int instructionAddress_ = 0;
    bool consoleSyncPending_ = false;
};

// "desc|*.a|desc|*.b" as a Qt file dialog filter.
QString QtFileFilter(const QString& filter);

}  // namespace kv
