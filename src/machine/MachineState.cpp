#include "machine/MachineState.h"

namespace kv {

void MachineState::setUserStart(std::int32_t start) {
    userStart = start;
    userEnd = start + kAreaWords - 1;
}

void MachineState::ResetForRunMode() {
    SP = userEnd + 1;
    memory[kAreaWords] = kOsReturn;
    PR = 0;
    nextPR = 0;
    OF = SF = ZF = '?';
    GR.fill(grInitialValue);
}

void MachineState::ResetForRun() {
    GR.fill(grInitialValue);
    SP = userEnd + 1;
    memory[kAreaWords] = kOsReturn;
    PR = entryAddress;
    nextPR = 0;
    OF = SF = ZF = '?';
}

void MachineState::setBreakpoint(std::int32_t address, bool on) {
    const int offset = address - userStart;
    if (on) wordKinds[offset] |= kind::Breakpoint;
    else wordKinds[offset] &= 0x7F;
    noteChanged(offset, offset);
}

// The breakpoint flags of the area and of the stack-bottom word.
void MachineState::clearBreakpoints() {
    for (int offset = 0; offset <= kAreaWords; ++offset) wordKinds[offset] &= 0x7F;
    noteChanged(0, kAreaWords);
}

QString MachineState::FR() const {
    const QChar bits[3] = {QChar(OF), QChar(SF), QChar(ZF)};
    return QString(bits, 3);
}

}  // namespace kv
