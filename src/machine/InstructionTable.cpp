#include "machine/InstructionTable.h"

namespace kv {

void InstructionTable::BuildInstructionTable() {
    using F = OperandForm;
    // mnemonic, form 1, code 1, words 1, form 2, code 2, words 2
    entries_ = {{
        {"START", {F::START, F::None}, {0, 0}, {0, 0}},
        {"END", {F::END, F::None}, {0, 0}, {0, 0}},
        {"DS", {F::DS, F::None}, {0, 0}, {0, 0}},
        {"DC", {F::DC, F::None}, {0, 0}, {1, 0}},
        {"IN", {F::LL, F::None}, {0, 0}, {12, 0}},
        {"OUT", {F::LL, F::None}, {0, 0}, {12, 0}},
        {"LD", {F::RR, F::RAX}, {0x1400, 0x1000}, {1, 2}},
        {"ST", {F::RAX, F::None}, {0x1100, 0}, {2, 0}},
        {"LAD", {F::RAX, F::None}, {0x1200, 0}, {2, 0}},
        {"ADDA", {F::RR, F::RAX}, {0x2400, 0x2000}, {1, 2}},
        {"ADDL", {F::RR, F::RAX}, {0x2600, 0x2200}, {1, 2}},
        {"SUBA", {F::RR, F::RAX}, {0x2500, 0x2100}, {1, 2}},
        {"SUBL", {F::RR, F::RAX}, {0x2700, 0x2300}, {1, 2}},
        {"AND", {F::RR, F::RAX}, {0x3400, 0x3000}, {1, 2}},
        {"OR", {F::RR, F::RAX}, {0x3500, 0x3100}, {1, 2}},
        {"XOR", {F::RR, F::RAX}, {0x3600, 0x3200}, {1, 2}},
        {"CPA", {F::RR, F::RAX}, {0x4400, 0x4000}, {1, 2}},
        {"CPL", {F::RR, F::RAX}, {0x4500, 0x4100}, {1, 2}},
        {"SLA", {F::RAX, F::None}, {0x5000, 0}, {2, 0}},
        {"SRA", {F::RAX, F::None}, {0x5100, 0}, {2, 0}},
        {"SLL", {F::RAX, F::None}, {0x5200, 0}, {2, 0}},
        {"SRL", {F::RAX, F::None}, {0x5300, 0}, {2, 0}},
        {"JMI", {F::AX, F::None}, {0x6100, 0}, {2, 0}},
        {"JNZ", {F::AX, F::None}, {0x6200, 0}, {2, 0}},
        {"JZE", {F::AX, F::None}, {0x6300, 0}, {2, 0}},
        {"JUMP", {F::AX, F::None}, {0x6400, 0}, {2, 0}},
        {"JPL", {F::AX, F::None}, {0x6500, 0}, {2, 0}},
        {"JOV", {F::AX, F::None}, {0x6600, 0}, {2, 0}},
        {"PUSH", {F::AX, F::None}, {0x7000, 0}, {2, 0}},
        {"POP", {F::R, F::None}, {0x7100, 0}, {1, 0}},
        {"CALL", {F::AX, F::None}, {0x8000, 0}, {2, 0}},
        {"RET", {F::NON, F::None}, {0x8100, 0}, {1, 0}},
        {"SVC", {F::AX, F::None}, {0xF000, 0}, {2, 0}},
        {"NOP", {F::NON, F::None}, {0x0000, 0}, {1, 0}},
        {"COPY", {F::COPY, F::None}, {0xA000, 0}, {3, 0}},
        {"RPUSH", {F::NON, F::None}, {0, 0}, {14, 0}},
        {"RPOP", {F::NON, F::None}, {0, 0}, {7, 0}},
    }};
}

int InstructionTable::FindMnemonic(const QString& text) const {
    for (int i = 0; i < kCount; ++i)
        if (entries_[i].mnemonic == text) return i + 1;
    return 0;
}

OperandForm InstructionTable::FormOf(int position, int alternative) const {
    return entry(position).forms[alternative - 1];
}

std::int32_t InstructionTable::CodeOf(int position, int alternative) const {
    return entry(position).codes[alternative - 1];
}

std::int16_t InstructionTable::LengthOf(int position, int alternative) const {
    return entry(position).lengths[alternative - 1];
}

QString OperandFormName(OperandForm form) {
    switch (form) {
        case OperandForm::RR: return QStringLiteral("RR");
        case OperandForm::RAX: return QStringLiteral("RAX");
        case OperandForm::AX: return QStringLiteral("AX");
        case OperandForm::R: return QStringLiteral("R");
        case OperandForm::NON: return QStringLiteral("NON");
        case OperandForm::LL: return QStringLiteral("LL");
        case OperandForm::COPY: return QStringLiteral("COPY");
        case OperandForm::START: return QStringLiteral("START");
        case OperandForm::END: return QStringLiteral("END");
        case OperandForm::DS: return QStringLiteral("DS");
        case OperandForm::DC: return QStringLiteral("DC");
        case OperandForm::None: break;
    }
    return QString();
}

}  // namespace kv
