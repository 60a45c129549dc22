#pragma once
// The host of the command-line tool: the console is standard output, typed input comes from standard
// input, boxes go to standard error. Message-pane lines go to a stream of the caller's choice.

#include <QString>
#include <cstdio>
#include <functional>

#include "host/QuietHost.h"

namespace kv::cli {

class CliHost : public QuietHost {
public:
    explicit CliHost(std::FILE* messages) : messages_(messages) {}
    ~CliHost() override { std::fflush(stdout); }

    // Called with each line read from standard input while IN waits; onEndOfInput when there is none.
    std::function<void(const QString&)> onLine;
    std::function<void()> onEndOfInput;

    BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon, BoxButtons buttons) override;
    void waitForEvents() override;
    void appendMessage(Rgb, const QString& text) override { write(messages_, text + QLatin1Char('\n')); }
    void consoleWrite(Rgb, const QString& text) override { write(stdout, text + QLatin1Char('\n')); }
    void consoleAppend(const QString& text) override { write(stdout, text); }

private:
    static void write(std::FILE* stream, const QString& text);

    std::FILE* messages_;
};

}  // namespace kv::cli
