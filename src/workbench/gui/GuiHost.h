#pragma once
// The workbench window's side of kv::Host: boxes, beeps and input boxes, events, the status bar's
// note panel and the assembler's message pane. Every box, file dialog and modal window of the
// program goes through a replaceable handler here, so that tests can answer them.

#include <QPointer>
#include <QString>
#include <functional>

#include "workbench/Host.h"

class QAbstractButton;
class QDialog;
class QLabel;
class QTextEdit;
class QWidget;

namespace kv {

struct BoxRequest {
    QString text, title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

// A file dialog. The filter is written "description|pattern|description|pattern...".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString folder;
    QString proposedName;
};

class GuiHost : public Host {
public:
    // Boxes, dialogs and modal windows open over the window.
    explicit GuiHost(QWidget* window);

    // --- replaceable handlers (the defaults open real boxes and dialogs)
    std::function<BoxAnswer(const BoxRequest&)> boxHandler;
    std::function<QString(const QString& title, const QString& prompt)> inputHandler;
    // The chosen file name, empty when the learner cancels.
    std::function<QString(const FileDialogRequest&)> saveFileHandler;
    std::function<void(QDialog&)> modalHandler;

    // The widgets the host writes into.
    void attach(QTextEdit* messagePane, QLabel* statusNote, QAbstractButton* editModeButton,
                QAbstractButton* assembleButton);

    QString chooseSaveFile(const FileDialogRequest& request) { return saveFileHandler(request); }
    void showModal(QDialog& dialog) { modalHandler(dialog); }

    void beep() override;
    BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon icon,
                         BoxButtons buttons = BoxButtons::Ok) override;
    QString inputBox(const QString& title, const QString& prompt) override;
    void letEventsRun() override;
    void waitForEvents() override;
    void setStatusNote(const QString& text) override;
    void appendMessage(Rgb colour, const QString& text) override;

    // The console window and the run panel come with run mode; until then these do nothing.
    void showConsole() override {}
    void consoleWrite(Rgb, const QString&) override {}
    void consoleAppend(const QString&) override {}
    void setConsoleEnabled(bool) override {}
    void focusConsole() override {}
    void setConsoleWhite() override {}
    void scrollConsoleToCaret() override {}
    void setInstructionAddress(int) override {}
    void closeConsole() override {}
    void setRunButtons(const RunButtons& buttons) override;
    void setAutoInterval(int) override {}
    void showRegisters(int) override {}
    void showMemoryWords(int) override {}
    void showStack(int) override {}
    int selectedMemoryAddress() override { return 0; }
    void highlightCurrentLine() override {}
    void setRegisterBoxes(const bool[8]) override {}

private:
    BoxAnswer defaultBox(const BoxRequest& request);
    QString defaultInput(const QString& title, const QString& prompt);
    QString defaultSaveFile(const FileDialogRequest& request);

    QPointer<QWidget> window_;
    QPointer<QTextEdit> messagePane_;
    QPointer<QLabel> statusNote_;
    QPointer<QAbstractButton> editModeButton_, assembleButton_;
};

// "desc|*.a|desc|*.b" as a Qt file dialog filter.
QString QtFileFilter(const QString& filter);

}  // namespace kv
