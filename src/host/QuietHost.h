#pragma once
// A host without a screen: every callback does nothing, boxes answer OK (No when asked a question),
// input boxes and file dialogs are cancelled. Front ends without windows derive from it and override what they show.

#include "host/Host.h"

namespace kv {

class QuietHost : public Host {
public:
    void beep() override {}
    BoxAnswer messageBox(const QString&, const QString&, BoxIcon, BoxButtons buttons) override {
        return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::No;
    }
    QString inputBox(const QString&, const QString&) override { return QString(); }
    QString chooseOpenFile(const FileDialogRequest&) override { return QString(); }
    QString chooseSaveFile(const FileDialogRequest&) override { return QString(); }
    void letEventsRun() override {}
    void waitForEvents() override {}
    void setStatusNote(const QString&) override {}
    void appendMessage(Rgb, const QString&) override {}
    void showConsole() override {}
    void bringConsoleToFront() override {}
    void consoleWrite(Rgb, const QString&) override {}
    void consoleAppend(const QString&) override {}
    void setConsoleEnabled(bool) override {}
    void focusConsole() override {}
    void setConsoleWhite() override {}
    void scrollConsoleToCaret() override {}
    void setInstructionAddress(int) override {}
    void closeConsole() override {}
    void setRunButtons(const RunButtons&) override {}
    void setAutoInterval(int) override {}
    void showRegisters(int) override {}
    void showMemoryWords(int) override {}
    void showStack(int) override {}
    void highlightCurrentLine() override {}
    void setRegisterBoxes(const bool[8]) override {}
    void showChangedValues(const ChangedValues&) override {}
    void setStepBackEnabled(bool) override {}
};

}  // namespace kv
