#pragma once
// Run control: drives the executor in the five ways a learner runs a program - all at once into the
// console (Run), traced (Tron), one instruction per button press (Start, Step) and automatically at a
// set pace (Auto) - stops runs on request, at breakpoints, at the end and on errors, reports the
// outcome and sets the run buttons. Everything happens on the one user-interface thread; the Run and
// Trace loops let pending events run on a time slice of a few milliseconds, and check the stop
// request wherever it can have been made: after events ran and after each instruction that could
// wait for input or show a box. Start, Step and Auto execute through ExecuteOne alone.
//
// The buttons of the main window and of the console window call the operations below; the console
// window delivers typed lines with DeliverConsoleLine.

#include <QString>
#include <cstdint>

#include "host/Host.h"
#include "simulator/Executor.h"
#include "simulator/InstructionCounts.h"
#include "simulator/RunMode.h"
#include "simulator/StepHistory.h"
#include "simulator/Supervisor.h"

namespace kv {

struct AssemblyState;
struct ErrorState;
struct Settings;
struct TraceOptions;
class RunNotes;
class VirtualFileDevice;

class RunControl {
public:
    RunControl(MachineState& machine, const AssemblyState& assembly, ErrorState& error, const Settings& settings,
               TraceOptions& trace, VirtualFileDevice& device, RunNotes& notes, Host& host);

    // Entering run mode.
    void PrepareRunMode();
    // "実行", "トレース", "スタート", "オート" and one tick of the auto timer.
    void RunAll();
    void RunTrace();
    void StartStep();
    void NextStep();
    void StartAuto();
    void AutoTick();
    // "ステップ" of the main window: during Auto it only stops the timer and switches to Step.
    void StepButton();
    // "実行終了" of the main window: stops the timer, then StopRun.
    void EndButton();
    void StopRun();
    // "戻る": takes back the last instruction of a stepped run (Auto stops first) and shows the
    // panels as if the program had stopped before it; again and again back to the start of the run
    // or of the history. Nothing happens when there is no step to take back.
    void StepBack();
    bool CanStepBack() const { return !busy_ && history_.CanStepBack(machine_); }

    // The console window: Enter delivers the caret's line; "実行終了" there also ends an input wait;
    // closing the window ("閉じて終了" or its close box) ends a run.
    void DeliverConsoleLine(const QString& line);
    void ConsoleStop();
    void ConsoleClosed();

    void ReportOutcome(StepResult result);
    void SetRunButtons();
    void EndRun();

    // The run buttons' states as SetRunButtons or EndRun gave them last.
    const RunButtons& buttons() const { return buttons_; }
    // The way the program runs now; None between runs.
    RunMode mode() const { return runMode_; }
    bool stopRequested() const { return stopRequest_; }
    bool runWindowOpen() const { return runWindowOpen_; }
    void setRunWindowOpen(bool open) { runWindowOpen_ = open; }
    // The address the learner chose in the memory view's label list: Start, Step and Auto show the
    // memory rows from there.
    void setMemoryViewAddress(std::int32_t address) { memoryViewAddress_ = address; }
    // Requests the stop of a Run or Tron loop after this many instructions (0: never).
    void setStepLimit(std::int64_t steps) { stepLimit_ = steps; }
    // The result of the last run or step, as ReportOutcome saw it.
    StepResult lastResult() const { return lastResult_; }
    std::int64_t executedInstructions() const { return executed_; }
    // How often each instruction word was executed in the current run.
    const InstructionCounts& counts() const { return counts_; }
    const StepHistory& history() const { return history_; }

private:
    // Run, Tron and Start: the machine reset and the record reader back at the first record.
    void beginRun(RunMode mode);
    // Run and Tron: the loops and their end.
    StepResult runQuickly();
    StepResult runTraced();
    void letEventsRun(bool tracing);
    StepResult endLoop(std::int64_t executed, StepResult result, std::int32_t savedPR, bool tracing);
    void finishLoop(StepResult result);
    // One instruction of Start, Step and Auto with the panels refreshed and the outcome reported;
    // returns the result as reported.
    StepResult stepBody();
    // The step history: a fresh one where the learner stands now; the machine before one
    // instruction of Start, Step or Auto, and what it changed after it (RunStepBack.cpp).
    void restartHistory(std::int32_t shownPR, bool runStart);
    void beforeStep();
    void afterStep();
    void showStop(const StepHistory::Stop& stop);
    void reportToConsole(StepResult result);
    void reportInBox(StepResult result);
    void appendTraceLine();
    void flushTrace();
    void writeTraceLine();

    RunMode runMode_ = RunMode::None;
    RunButtons buttons_;
    bool stopRequest_ = false;
    bool runWindowOpen_ = false;
    std::int64_t stepLimit_ = 0;
    std::int32_t memoryViewAddress_ = 0;
    std::int64_t executed_ = 0;
    StepResult lastResult_ = 0;

    MachineState& machine_;
    const AssemblyState& assembly_;
    ErrorState& error_;
    const Settings& settings_;
    TraceOptions& trace_;
    VirtualFileDevice& device_;
    RunNotes& notes_;
    Host& host_;
    Supervisor supervisor_;
    Executor executor_;
    InstructionCounts counts_;
    StepHistory history_;
    std::uint64_t outputsBeforeStep_ = 0;
    QString traceText_;             // trace records not yet in the console
    qsizetype traceHandedOver_ = 0;  // characters of records given to the console since events ran
    // A run loop or a step is in progress: a timer tick or a button that arrives while its boxes or
    // the console wait let events run is ignored.
    bool busy_ = false;
};

}  // namespace kv
