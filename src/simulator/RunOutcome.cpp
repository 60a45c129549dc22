// Run control around the runs: entering run mode, the report at the end of a run or step, and the
// states of the run buttons.

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "machine/WordFormats.h"
#include "simulator/RunControl.h"
#include "simulator/Trace.h"
#include "host/Host.h"

namespace kv {

void RunControl::PrepareRunMode() {
    machine_.ResetForRunMode();
    counts_.Reset();
    restartHistory(machine_.PR, true);
    bool used[8];
    for (int i = 0; i < 8; ++i) {
        used[i] = assembly_.usedRegisters[i];
        trace_.registers[i] = used[i];
    }
    host_.setRegisterBoxes(used);
    EndRun();
    host_.showRegisters(-1);
    host_.showMemoryWords(machine_.userStart);
    host_.showStack(machine_.SP);
    notes_.ShowRunNote(0, 1);
    host_.closeConsole();
}

void RunControl::ReportOutcome(StepResult result) {
    if (stopRequest_) result = step::StopRequested;
    if (result == 0 && machine_.PR == kOsReturn) result = step::NormalEnd;
    lastResult_ = result;
    if (IsLoopMode(runMode_)) reportToConsole(result);
    else reportInBox(result);
}

void RunControl::reportToConsole(StepResult result) {
    switch (result) {
        case step::Done: return;
        case step::StopRequested: host_.consoleWrite(colours::Green, QStringLiteral("■強制終了")); return;
        case step::NormalEnd: host_.consoleWrite(colours::Green, QStringLiteral("■正常終了")); return;
        case step::Breakpoint:
            host_.consoleWrite(colours::Red, QStringLiteral("ブレークポイント！"));
            if (runMode_ == RunMode::Run) {
                host_.consoleAppend(TraceHeader(trace_));
                writeTraceLine();
            }
            host_.consoleWrite(colours::Olive, QStringLiteral("（説明）画面を切替え、停止した行からステップで実行できます。"));
            host_.consoleWrite(colours::Green, QStringLiteral("■ブレークポイントで停止"));
            return;
        default:
            host_.consoleWrite(colours::Red, !error_.isSet() ? QString() : ReportError(error_, host_, ReportStyle::Line));
            host_.consoleWrite(colours::Green, QStringLiteral("■異常終了（命令語アドレス=") + HexWord(machine_.PR) +
                                                   QStringLiteral("）"));
            return;
    }
}

void RunControl::reportInBox(StepResult result) {
    switch (result) {
        case step::Done: return;
        case step::StopRequested: error_.raise(ErrorCode::ForcedEnd); break;
        case step::Breakpoint: error_.raise(ErrorCode::BreakpointStop); break;
        case step::NormalEnd: error_.raise(ErrorCode::NormalEnd); break;
        default: ReportError(error_, host_, ReportStyle::Box); return;
    }
    ReportError(error_, host_, ReportStyle::InformationBox);
}

void RunControl::SetRunButtons() {
    const bool loop = IsLoopMode(runMode_);
    RunButtons buttons;
    buttons.editMode = buttons.assemble = false;
    buttons.run = buttons.trace = buttons.start = false;
    buttons.step = buttons.autoRun = !loop;
    buttons.consoleButtons = false;
    buttons_ = buttons;
    host_.setRunButtons(buttons_);
}

void RunControl::EndRun() {
    buttons_ = RunButtons();
    host_.setRunButtons(buttons_);
    runMode_ = RunMode::None;
    host_.setConsoleEnabled(true);
}

}  // namespace kv
