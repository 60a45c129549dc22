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

QString MachineState::FR() const {
    const QChar bits[3] = {QChar(OF), QChar(SF), QChar(ZF)};
    return QString(bits, 3);
}

}  // namespace kv
