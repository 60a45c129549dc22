#pragma once
// The host of the command-line tool: the console is standard output, typed input comes from standard
// input, boxes go to standard error. Message-pane lines go to a stream of the caller's choice.

#include <QString>
#include <cstdio>
#include <functional>

#include "workbench/Host.h"

namespace kv::cli {

class CliHost : public Host {
public:
    explicit CliHost(std::FILE* messages) : messages_(messages) {}
    ~CliHost() override { std::fflush(stdout); }

    // Called with each line read from standard input while IN waits; onEndOfInput when there is none.
    std::function<void(const QString&)> onLine;
    std::function<void()> onEndOfInput;

    void beep() override {}
    BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon, BoxButtons buttons) override;
    QString inputBox(const QString&, const QString&) override { return QString(); }
    void letEventsRun() override {}
    void waitForEvents() override;
    void setStatusNote(const QString&) override {}
    void appendMessage(Rgb, const QString& text) override { write(messages_, text + QLatin1Char('\n')); }
    void showConsole() override {}
    void consoleWrite(Rgb, const QString& text) override { write(stdout, text + QLatin1Char('\n')); }
    void consoleAppend(const QString& text) override { write(stdout, text); }
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
    int selectedMemoryAddress() override { return 0; }
    void highlightCurrentLine() override {}
    void setRegisterBoxes(const bool[8]) override {}

private:
    static void write(std::FILE* stream, const QString& text);

    std::FILE* messages_;
};

}  // namespace kv::cli
