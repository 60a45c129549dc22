// Run control one instruction at a time: "スタート" and "ステップ", and "オート", which steps on each
// tick of the auto timer.

#include "assembler/Catalogue.h"
#include "settings/Settings.h"
#include "simulator/RunControl.h"
#include "host/Host.h"

namespace kv {

void RunControl::StartStep() {
    if (busy_) return;
    beginRun(RunMode::Start);
    const StepResult result = stepBody();
    if (result != 0 && result != step::Breakpoint) EndRun();
}

void RunControl::NextStep() {
    if (busy_) return;
    runMode_ = RunMode::Step;
    const StepResult result = stepBody();
    if (result != 0 && result != step::Breakpoint) EndRun();
}

StepResult RunControl::stepBody() {
    busy_ = true;
    host_.highlightCurrentLine();
    beforeStep();
    counts_.Count(machine_.PR);  // how often each instruction ran: the one count of this step
    const StepResult result = executor_.ExecuteOne();
    ++executed_;
    afterStep();
    host_.showRegisters(machine_.EA);
    host_.showMemoryWords(memoryViewAddress_);
    host_.showStack(machine_.SP);
    if (settings_.fNotationInRunMode > 0 && (runMode_ == RunMode::Start || runMode_ == RunMode::Step))
        notes_.ShowRunNote(1, 0);
    host_.setInstructionAddress(machine_.PR);
    machine_.PR = machine_.nextPR;
    ReportOutcome(result);
    busy_ = false;
    return lastResult_;
}

void RunControl::StartAuto() {
    runMode_ = RunMode::Auto;
    SetRunButtons();
    stopRequest_ = false;
    const int speed = settings_.autoSpeed < 0 ? 0 : settings_.autoSpeed > 10 ? 10 : settings_.autoSpeed;
    host_.setAutoInterval(1100 - 100 * speed);
}

void RunControl::AutoTick() {
    if (busy_ || runMode_ != RunMode::Auto) return;
    const StepResult result = stepBody();
    if (result == 0) return;
    if (result != step::Breakpoint) EndRun();
    host_.setAutoInterval(0);
}

void RunControl::StepButton() {
    if (runMode_ != RunMode::Auto) {
        NextStep();
        return;
    }
    runMode_ = RunMode::Step;
    host_.setAutoInterval(0);
}

void RunControl::EndButton() {
    host_.setAutoInterval(0);
    StopRun();
}

}  // namespace kv
