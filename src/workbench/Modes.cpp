#include "workbench/Modes.h"

namespace kv {

namespace {

ModeButtonStates Row(ModeButton edit, ModeButton assemble, ModeButton run) {
    return {edit, assemble, run};
}

constexpr ModeButton kYellowOff{true, false};
constexpr ModeButton kOff{false, false};
constexpr ModeButton kOn{false, true};

}  // namespace

bool ModeTable(Mode mode, int code, ModeButtonStates& states) {
    switch (mode) {
        case Mode::Edit: states = Row(kYellowOff, kOn, kOff); return true;
        case Mode::Run: states = Row(kOn, kOn, kYellowOff); return true;
        case Mode::Assemble:
            switch (code) {
                case assembleCode::Working: states = Row(kOff, kYellowOff, kOff); return true;
                case assembleCode::Failed: states = Row(kOn, kYellowOff, kOff); return true;
                case assembleCode::Ready: states = Row(kOn, kYellowOff, kOn); return true;
                default: return false;
            }
        case Mode::None: break;
    }
    return false;
}

ModeButtonStates WithRunLock(ModeButtonStates table, const RunButtons& run) {
    const bool locked = !run.editMode || !run.assemble;
    table.edit.enabled = table.edit.enabled && run.editMode;
    table.assemble.enabled = table.assemble.enabled && run.assemble;
    table.run.enabled = table.run.enabled && !locked;
    return table;
}

}  // namespace kv
