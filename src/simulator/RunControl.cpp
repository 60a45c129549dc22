#include "simulator/RunControl.h"

#include <QElapsedTimer>
#include <algorithm>

#include "filedevice/VirtualFileDevice.h"
#include "simulator/Trace.h"
#include "host/Host.h"

namespace kv {

namespace {

// Events run once per time slice of the Run and Tron loops. Reading the clock costs more than an
// instruction, so it is read only every so many instructions (fewer while tracing, where each
// instruction writes a record).
class EventSlice {
public:
    static constexpr qint64 kMilliseconds = 8;

    explicit EventSlice(std::int64_t every) : every_(every), countdown_(every) { timer_.start(); }

    // Instructions until the clock is read next.
    std::int64_t due() const { return countdown_; }
    // Counts n more instructions (at most due()); true when the slice is over and events are to run.
    bool spend(std::int64_t n) {
        countdown_ -= n;
        if (countdown_ > 0) return false;
        countdown_ = every_;
        return timer_.elapsed() >= kMilliseconds;
    }
    void restart() { timer_.restart(); }

private:
    const std::int64_t every_;
    std::int64_t countdown_;
    QElapsedTimer timer_;
};

constexpr std::int64_t kRunCheckEvery = 16384;
constexpr std::int64_t kTraceCheckEvery = 64;
// Trace records go to the console in blocks of about this many characters; a traced run lets
// events run at the latest when it has handed over this many, so that a window which shows the text
// slower than the run writes it is never more than one such part behind (and ends a run at once).
constexpr qsizetype kTraceBlock = 1 << 15;
constexpr qsizetype kTraceBetweenEvents = 200'000;

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
    executor_.setInstructionCounts(counts_.data());
}

void RunControl::RunAll() {
    if (busy_) return;
    beginRun(RunMode::Run);
    runWindowOpen_ = true;
    host_.bringConsoleToFront();
    host_.consoleWrite(colours::Green, QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）"));
    finishLoop(runQuickly());
}

void RunControl::RunTrace() {
    if (busy_) return;
    host_.bringConsoleToFront();
    host_.setConsoleWhite();
    beginRun(RunMode::Trace);
    runWindowOpen_ = true;
    host_.consoleWrite(colours::Green, QStringLiteral("■実行開始（トレース）"));
    host_.consoleAppend(TraceHeader(trace_));
    finishLoop(runTraced());
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
// address ends the program as a RET that fetches it does. The instructions run quietly in stretches
// up to the next look at the clock or the step limit; whatever the quiet way leaves alone is one
// ExecuteOne. The console's instruction address is set before each ExecuteOne (which may wait for
// input or show a box), before events run and at the end: nothing looks at it in between.
StepResult RunControl::runQuickly() {
    busy_ = true;
    MachineState& m = machine_;
    EventSlice slice(kRunCheckEvery);
    const std::int64_t limit = stepLimit_ > 0 ? stepLimit_ : -1;
    std::int64_t executed = 0;
    StepResult result = 0;
    std::int32_t savedPR = m.PR;
    executor_.ForgetDecoded();
    do {
        const std::int64_t budget = limit > 0 ? std::min(slice.due(), limit - executed) : slice.due();
        std::int64_t done = executor_.ExecuteMany(budget);
        if (done == 0) {
            host_.setInstructionAddress(m.PR);
            counts_.Count(m.PR);  // how often each instruction ran; ExecuteMany counts its own
            result = executor_.ExecuteOne();
            done = 1;
        }
        executed += done;
        if (executed == limit) stopRequest_ = true;
        if (slice.spend(done)) {
            letEventsRun(false);
            slice.restart();
        }
        savedPR = m.PR;
        m.PR = m.nextPR;
    } while (!stopRequest_ && m.PR != kOsReturn && result == 0);
    return endLoop(executed, result, savedPR, false);
}

// One instruction at a time, each with its record. Records collect in one text that goes to the
// console in blocks, and before anything else can reach the host: an instruction the quiet way
// leaves to ExecuteOne, events, the end.
StepResult RunControl::runTraced() {
    busy_ = true;
    MachineState& m = machine_;
    EventSlice slice(kTraceCheckEvery);
    const std::int64_t limit = stepLimit_ > 0 ? stepLimit_ : -1;
    std::int64_t executed = 0;
    StepResult result = 0;
    std::int32_t savedPR = m.PR;
    traceHandedOver_ = 0;
    executor_.ForgetDecoded();
    do {
        if (executor_.ExecuteMany(1) == 0) {
            flushTrace();
            host_.setInstructionAddress(m.PR);
            counts_.Count(m.PR);  // how often each instruction ran; ExecuteMany counts its own
            result = executor_.ExecuteOne();
        }
        appendTraceLine();
        if (traceText_.size() >= kTraceBlock) flushTrace();
        if (++executed == limit) stopRequest_ = true;
        if (slice.spend(1) || traceHandedOver_ >= kTraceBetweenEvents) {
            letEventsRun(true);
            slice.restart();
        }
        savedPR = m.PR;
        m.PR = m.nextPR;
    } while (!stopRequest_ && m.PR != kOsReturn && result == 0);
    return endLoop(executed, result, savedPR, true);
}

// The events of a slice, after the instruction at PR. They may change anything, so the executor
// decodes the program afresh afterwards.
void RunControl::letEventsRun(bool tracing) {
    host_.setInstructionAddress(machine_.PR);
    if (tracing) {
        flushTrace();
        host_.scrollConsoleToCaret();
    }
    host_.letEventsRun();
    traceHandedOver_ = 0;
    executor_.ForgetDecoded();
}

StepResult RunControl::endLoop(std::int64_t executed, StepResult result, std::int32_t savedPR, bool tracing) {
    MachineState& m = machine_;
    executed_ = executed;
    if (result == 0 && m.PR == kOsReturn) result = step::NormalEnd;
    m.PR = savedPR;
    host_.setInstructionAddress(m.PR);
    if (tracing) {
        flushTrace();
        host_.scrollConsoleToCaret();
    }
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

// The record of the instruction at PR at the end of the text still to go to the console. A record
// whose flags cannot arise reports an internal fault: the records before it go first.
void RunControl::appendTraceLine() {
    if (TraceLineReportsFault(trace_, machine_)) flushTrace();
    AppendTraceLine(traceText_, trace_, machine_, assembly_, host_);
}

void RunControl::flushTrace() {
    if (traceText_.isEmpty()) return;
    host_.consoleAppend(traceText_);
    traceHandedOver_ += traceText_.size();
    traceText_.resize(0);
}

void RunControl::writeTraceLine() {
    appendTraceLine();
    flushTrace();
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
