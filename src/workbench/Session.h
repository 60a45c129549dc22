#pragma once
// The single instances the program works on for its whole life: the instruction table, the
// settings, the machine, the last assembly and the error state. The application owns one Session
// and hands its parts to the algorithms by reference.

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "machine/InstructionTable.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"

namespace kv {

struct Session {
    const InstructionTable table;
    Settings settings;
    MachineState machine;
    AssemblyState assembly;
    ErrorState error;

    // The machine takes the user area and the initial register value from the settings; the
    // assembler's location counter returns to the start of the area.
    void applySettings() {
        machine.setUserStart(settings.userStart);
        machine.grInitialValue = settings.initialValue;
        assembly.locationCounter = settings.userStart;
    }
};

}  // namespace kv
