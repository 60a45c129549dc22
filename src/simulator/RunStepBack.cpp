// Run control's step history: what Start, Step and Auto record around each instruction, and "戻る",
// which takes the last of them back.

#include "host/Host.h"
#include "settings/Settings.h"
#include "simulator/RunControl.h"

namespace kv {

void RunControl::restartHistory(std::int32_t shownPR, bool runStart) {
    history_.Restart(shownPR, runStart, machine_.userStart);
    host_.showChangedValues(ChangedValues());
    host_.setStepBackEnabled(false);
}

void RunControl::beforeStep() {
    history_.Before(machine_, device_);
    outputsBeforeStep_ = supervisor_.outputs();
}

// The values the instruction changed are shown in bold by the refreshes that follow.
void RunControl::afterStep() {
    const bool wroteOutput = supervisor_.outputs() != outputsBeforeStep_;
    history_.After(machine_, wroteOutput ? &supervisor_.lastOutput() : nullptr);
    host_.showChangedValues(history_.LastChanges(machine_));
    host_.setStepBackEnabled(history_.CanStepBack(machine_));
}

// The console cannot take back what OUT wrote: a grey line says that it no longer counts.
void RunControl::StepBack() {
    if (!CanStepBack()) return;
    if (runMode_ == RunMode::Auto) host_.setAutoInterval(0);
    const StepHistory::Stop stop = history_.StepBack(machine_, device_);
    counts_.Uncount(machine_.PR);
    if (executed_ > 0) --executed_;
    if (stop.outputTakenBack) {
        host_.showConsole();
        host_.consoleWrite(colours::Grey, QStringLiteral("（1ステップ戻る）OUT命令の出力「") + stop.output +
                                              QStringLiteral("」を取り消しました。"));
    }
    // A stop requested during the step taken back (the console closed) ended that step, not this
    // stepped run.
    stopRequest_ = false;
    runMode_ = RunMode::Step;
    SetRunButtons();
    lastResult_ = step::Done;
    showStop(stop);
}

// The panels as a step leaves them: PR and the highlighted line show the instruction executed last
// (at the start of a run the first one, with no effective address), →PR the one to execute next.
void RunControl::showStop(const StepHistory::Stop& stop) {
    const std::int32_t next = machine_.PR;
    machine_.PR = stop.shownPR;
    host_.showChangedValues(history_.LastChanges(machine_));
    host_.highlightCurrentLine();
    host_.showRegisters(stop.runStart ? -1 : machine_.EA);
    host_.showMemoryWords(memoryViewAddress_);
    host_.showStack(machine_.SP);
    notes_.clear();
    if (settings_.fNotationInRunMode > 0 && !stop.runStart) notes_.ShowRunNote(1, 0);
    host_.setInstructionAddress(machine_.PR);
    machine_.PR = next;
    host_.setStepBackEnabled(history_.CanStepBack(machine_));
}

}  // namespace kv
