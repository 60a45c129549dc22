#pragma once
// The five ways a learner runs a program, and none while no program runs.

#include <QString>

namespace kv {

enum class RunMode {
    None,   // no program runs
    Run,    // all at once into the console
    Trace,  // all at once, one trace record per instruction
    Start,  // the first instruction of a stepped run
    Step,   // one instruction per button press
    Auto,   // one instruction per tick of the auto-run timer
};

// The mode's name as the run notes and the diagnostics show it: "Run", "Tron", "Start", "Step",
// "Auto", or the empty text for None.
inline QString RunModeText(RunMode mode) {
    switch (mode) {
        case RunMode::Run: return QStringLiteral("Run");
        case RunMode::Trace: return QStringLiteral("Tron");
        case RunMode::Start: return QStringLiteral("Start");
        case RunMode::Step: return QStringLiteral("Step");
        case RunMode::Auto: return QStringLiteral("Auto");
        case RunMode::None: break;
    }
    return QString();
}

// Run and Trace loop over the instructions and write into the console.
inline bool IsLoopMode(RunMode mode) { return mode == RunMode::Run || mode == RunMode::Trace; }

}  // namespace kv
