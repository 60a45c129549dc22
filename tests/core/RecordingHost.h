#pragma once
// A host that records every call of the core and answers boxes and console waits from a script.

#include <QString>
#include <QStringList>
#include <QVector>
#include <deque>
#include <functional>

#include "host/Host.h"

namespace kv::testing {

struct Box {
    QString text, title;
    BoxIcon icon;
    BoxButtons buttons;
};

struct ColouredLine {
    Rgb colour;
    QString text;
};

class RecordingHost : public Host {
public:
    // --- what the core did
    int beeps = 0;
    QVector<Box> boxes;
    QVector<QPair<QString, QString>> inputBoxes;  // title, prompt
    QStringList statusNotes;
    QVector<ColouredLine> messages;
    QString console;              // everything written to the console, "\n" after each line
    QVector<ColouredLine> consoleLines;  // the lines of consoleWrite
    bool consoleShown = false, consoleEnabled = true, consoleWhite = false, consoleClosed = false;
    int consoleRaises = 0;  // bringConsoleToFront
    int instructionAddress = -1;
    QVector<RunButtons> runButtons;
    QVector<int> autoIntervals;
    QVector<int> registerRefreshes, memoryRefreshes, stackRefreshes;
    int highlights = 0;
    bool registerBoxes[8] = {};
    QVector<ChangedValues> changedValues;
    QVector<bool> stepBackStates;
    int eventRuns = 0;

    // --- answers
    std::deque<BoxAnswer> boxAnswers;  // default Ok (Yes for YesNo)
    std::deque<QString> inputAnswers;  // default: cancelled (empty)
    std::deque<QString> fileAnswers;   // default: cancelled (empty)
    QVector<FileDialogRequest> fileDialogs;
    // Called while the core waits for events; a test delivers console input from here.
    std::function<void()> onWait;
    std::function<void()> onEvents;

    void beep() override { ++beeps; }
    BoxAnswer messageBox(const QString& text, const QString& title, BoxIcon icon, BoxButtons buttons) override {
        boxes.push_back({text, title, icon, buttons});
        if (boxAnswers.empty()) return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Yes;
        const BoxAnswer answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    QString inputBox(const QString& title, const QString& prompt) override {
        inputBoxes.push_back({title, prompt});
        if (inputAnswers.empty()) return QString();
        const QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    QString chooseOpenFile(const FileDialogRequest& request) override { return fileAnswer(request); }
    QString chooseSaveFile(const FileDialogRequest& request) override { return fileAnswer(request); }
    void letEventsRun() override {
        ++eventRuns;
        if (onEvents) onEvents();
    }
    void waitForEvents() override {
        if (onWait) onWait();
    }
    void setStatusNote(const QString& text) override { statusNotes << text; }
    void appendMessage(Rgb colour, const QString& text) override { messages.push_back({colour, text}); }
    void showConsole() override { consoleShown = true; }
    void bringConsoleToFront() override {
        consoleShown = true;
        ++consoleRaises;
    }
    void consoleWrite(Rgb colour, const QString& text) override {
        consoleLines.push_back({colour, text});
        console += text + QLatin1Char('\n');
    }
    void consoleAppend(const QString& text) override { console += text; }
    void setConsoleEnabled(bool enabled) override { consoleEnabled = enabled; }
    void focusConsole() override {}
    void setConsoleWhite() override { consoleWhite = true; }
    void scrollConsoleToCaret() override {}
    void setInstructionAddress(int address) override { instructionAddress = address; }
    void closeConsole() override { consoleClosed = true; }
    void setRunButtons(const RunButtons& buttons) override { runButtons.push_back(buttons); }
    void setAutoInterval(int milliseconds) override { autoIntervals.push_back(milliseconds); }
    void showRegisters(int ea) override { registerRefreshes.push_back(ea); }
    void showMemoryWords(int firstAddress) override { memoryRefreshes.push_back(firstAddress); }
    void showStack(int firstAddress) override { stackRefreshes.push_back(firstAddress); }
    void highlightCurrentLine() override { ++highlights; }
    void setRegisterBoxes(const bool used[8]) override { std::copy(used, used + 8, registerBoxes); }
    void showChangedValues(const ChangedValues& changed) override { changedValues.push_back(changed); }
    void setStepBackEnabled(bool enabled) override { stepBackStates.push_back(enabled); }

    QString fileAnswer(const FileDialogRequest& request) {
        fileDialogs.push_back(request);
        if (fileAnswers.empty()) return QString();
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    // The console's text as lines (without the final empty one).
    QStringList consoleText() const {
        QStringList lines = console.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
};

}  // namespace kv::testing
