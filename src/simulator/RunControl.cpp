#include "simulator/RunControl.h"

#include <QElapsedTimer>

#include "filedevice/VirtualFileDevice.h"
#include "simulator/Trace.h"
#include "host/Host.h"

namespace kv {

namespace {

// Lets pending window events run once per time slice of the Run and Tron loops. Reading the clock
// costs more than an instruction, so it is read only every few thousand instructions (more often
// while tracing, where each instruction writes a record).
class EventSlice {
public:
    static constexpr qint64 kMilliseconds = 8;

    EventSlice(Host& host, bool tracing) : host_(host), tracing_(tracing), every_(tracing ? 64 : 4096) {
        countdown_ = every_;
        timer_.start();
    }

    void tick() {
        if (--countdown_ > 0) return;
        countdown_ = every_;
        if (timer_.elapsed() < kMilliseconds) return;
        if (tracing_) host_.scrollConsoleToCaret();
        host_.letEventsRun();
        timer_.restart();
    }

private:
    Host& host_;
    const bool tracing_;
    const int every_;
    int countdown_ = 0;
    QElapsedTimer timer_;
};

}  // namespace

RunControl::RunControl(MachineState& machine, const AssemblyState& assembly, ErrorState& error,
                       const Settings& settings, TraceOptions& trace, VirtualFileDevice& device, RunNotes& notes,
                       Host& host)
    : machine_(machine),
      assembly_(assembly),
      error_(error),
      settings_(settings),
      trace_(trace),
      device_(device),
      notes_(notes),
      host_(host),
      supervisor_(machine, error, device, notes, host, runMode_),
      executor_(machine, error, settings, notes, supervisor_) {
    memoryViewAddress_ = machine.userStart;
}

void RunControl::RunAll() {
    if (busy_) return;
    beginRun(RunMode::Run);
    runWindowOpen_ = true;
    host_.showConsole();
    host_.consoleWrite(colours::Green, QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）"));
    finishLoop(runLoop(false));
}

void RunControl::RunTrace() {
    if (busy_) return;
    host_.showConsole();
    host_.setConsoleWhite();
    beginRun(RunMode::Trace);
    runWindowOpen_ = true;
    host_.consoleWrite(colours::Green, QStringLiteral("■実行開始（トレース）"));
    host_.consoleAppend(TraceHeader(trace_));
    finishLoop(runLoop(true));
}

void RunControl::beginRun(RunMode mode) {
    runMode_ = mode;
    SetRunButtons();
    machine_.ResetForRun();
    device_.ResetRecordReader();
    stopRequest_ = false;
    executed_ = 0;
    counts_.Reset();
    restartHistory(machine_.PR, true);
}

// Executes until the end, a stop request, a breakpoint or a failure. A jump to the OS return
// address ends the program as a RET that fetches it does.
StepResult RunControl::runLoop(bool tracing) {
    busy_ = true;
    MachineState& m = machine_;
    Host& host = host_;
    EventSlice slice(host, tracing);
    const std::int64_t limit = stepLimit_ > 0 ? stepLimit_ : -1;
    std::int64_t executed = 0;
    StepResult result = 0;
    std::int32_t savedPR = m.PR;
    do {
        host.setInstructionAddress(m.PR);
        counts_.Count(m.PR);  // how often each instruction ran: one count per instruction
        result = executor_.ExecuteOne();
        if (tracing) writeTraceLine();
        if (++executed == limit) stopRequest_ = true;
        slice.tick();
        savedPR = m.PR;
        m.PR = m.nextPR;
    } while (!stopRequest_ && m.PR != kOsReturn && result == 0);
    executed_ = executed;
    if (result == 0 && m.PR == kOsReturn) result = step::NormalEnd;
    m.PR = savedPR;
    if (tracing) host.scrollConsoleToCaret();
    busy_ = false;
    return result;
}

void RunControl::finishLoop(StepResult result) {
    ReportOutcome(result);
    host_.showRegisters(machine_.EA);
    host_.showMemoryWords(machine_.userStart);
    host_.showStack(machine_.SP);
    if (lastResult_ != step::Breakpoint) {
        EndRun();
        return;
    }
    host_.highlightCurrentLine();
    restartHistory(machine_.PR, false);
    machine_.PR = machine_.nextPR;
    runMode_ = RunMode::Step;
    SetRunButtons();
}

void RunControl::writeTraceLine() {
    TraceLine(traceLine_, trace_, machine_, assembly_, host_);
    host_.consoleAppend(traceLine_);
}

void RunControl::StopRun() {
    if (runMode_ == RunMode::Start || runMode_ == RunMode::Step) {
        EndRun();
    } else if (runMode_ == RunMode::Auto) {
        host_.setAutoInterval(0);
        EndRun();
    } else {
        stopRequest_ = true;
    }
}

// A console line ends before its first line break, as the console window reads it; so a line can
// never look like the carriage return that stands for "still waiting".
void RunControl::DeliverConsoleLine(const QString& line) {
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != QLatin1Char('\r') && line.at(end) != QLatin1Char('\n')) ++end;
    supervisor_.setPendingInput(line.left(end));
}

void RunControl::ConsoleStop() {
    StopRun();
    supervisor_.setPendingInput(QString());
}

void RunControl::ConsoleClosed() {
    stopRequest_ = true;
    supervisor_.setPendingInput(QString());
}

}  // namespace kv
