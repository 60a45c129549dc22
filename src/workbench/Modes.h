#pragma once
// The main window's three modes and its three mode buttons "編集モード", "アセンブル" and "実行モード"
// (Command001 to Command003), which lead the learner from editing to assembling to running: which
// one is yellow (the mode the window is in) and which can be pressed. The table depends on the mode
// and, in assemble mode, on how the assembly went; a run locks the buttons until it ends.

#include "host/Host.h"

namespace kv {

// The main window's modes; None only while the window loads.
enum class Mode { None, Edit, Assemble, Run };

// The result codes of assemble mode.
namespace assembleCode {
inline constexpr int Working = 0;  // the assembly runs: nothing can be pressed
inline constexpr int Failed = 1;   // only back to editing
inline constexpr int Ready = 2;    // linked: on to running
}  // namespace assembleCode

struct ModeButton {
    bool yellow = false;
    bool enabled = false;
};

struct ModeButtonStates {
    ModeButton edit;      // Command001
    ModeButton assemble;  // Command002
    ModeButton run;       // Command003
};

// The mode table for a mode and a result code (the code matters in assemble mode only). False
// when the table has no row for them (None, or assemble mode with another code): the buttons stay
// as they are.
bool ModeTable(Mode mode, int code, ModeButtonStates& states);

// The buttons as they show while run control holds the run buttons in a state: a run locks all
// three mode buttons ("実行モード" too, which would prepare the machine afresh under a running
// program); between runs the table holds.
ModeButtonStates WithRunLock(ModeButtonStates table, const RunButtons& run);

}  // namespace kv
