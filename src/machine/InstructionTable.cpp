#include "machine/InstructionTable.h"

namespace kv {

void InstructionTable::BuildInstructionTable() {
    // mnemonic, form 1, code 1, words 1, form 2, code 2, words 2
    entries_ = {{
        {"START", {"START", ""}, {0, 0}, {0, 0}},
        {"END", {"END", ""}, {0, 0}, {0, 0}},
        {"DS", {"DS", ""}, {0, 0}, {0, 0}},
        {"DC", {"DC", ""}, {0, 0}, {1, 0}},
        {"IN", {"LL", ""}, {0, 0}, {12, 0}},
        {"OUT", {"LL", ""}, {0, 0}, {12, 0}},
        {"LD", {"RR", "RAX"}, {0x1400, 0x1000}, {1, 2}},
        {"ST", {"RAX", ""}, {0x1100, 0}, {2, 0}},
        {"LAD", {"RAX", ""}, {0x1200, 0}, {2, 0}},
        {"ADDA", {"RR", "RAX"}, {0x2400, 0x2000}, {1, 2}},
        {"ADDL", {"RR", "RAX"}, {0x2600, 0x2200}, {1, 2}},
        {"SUBA", {"RR", "RAX"}, {0x2500, 0x2100}, {1, 2}},
        {"SUBL", {"RR", "RAX"}, {0x2700, 0x2300}, {1, 2}},
        {"AND", {"RR", "RAX"}, {0x3400, 0x3000}, {1, 2}},
        {"OR", {"RR", "RAX"}, {0x3500, 0x3100}, {1, 2}},
        {"XOR", {"RR", "RAX"}, {0x3600, 0x3200}, {1, 2}},
        {"CPA", {"RR", "RAX"}, {0x4400, 0x4000}, {1, 2}},
        {"CPL", {"RR", "RAX"}, {0x4500, 0x4100}, {1, 2}},
        {"SLA", {"RAX", ""}, {0x5000, 0}, {2, 0}},
        {"SRA", {"RAX", ""}, {0x5100, 0}, {2, 0}},
        {"SLL", {"RAX", ""}, {0x5200, 0}, {2, 0}},
        {"SRL", {"RAX", ""}, {0x5300, 0}, {2, 0}},
        {"JMI", {"AX", ""}, {0x6100, 0}, {2, 0}},
        {"JNZ", {"AX", ""}, {0x6200, 0}, {2, 0}},
        {"JZE", {"AX", ""}, {0x6300, 0}, {2, 0}},
        {"JUMP", {"AX", ""}, {0x6400, 0}, {2, 0}},
        {"JPL", {"AX", ""}, {0x6500, 0}, {2, 0}},
        {"JOV", {"AX", ""}, {0x6600, 0}, {2, 0}},
        {"PUSH", {"AX", ""}, {0x7000, 0}, {2, 0}},
        {"POP", {"R", ""}, {0x7100, 0}, {1, 0}},
        {"CALL", {"AX", ""}, {0x8000, 0}, {2, 0}},
        {"RET", {"NON", ""}, {0x8100, 0}, {1, 0}},
        {"SVC", {"AX", ""}, {0xF000, 0}, {2, 0}},
        {"NOP", {"NON", ""}, {0x0000, 0}, {1, 0}},
        {"COPY", {"COPY", ""}, {0xA000, 0}, {3, 0}},
        {"RPUSH", {"NON", ""}, {0, 0}, {14, 0}},
        {"RPOP", {"NON", ""}, {0, 0}, {7, 0}},
    }};
}

int InstructionTable::FindMnemonic(const QString& text) const {
    for (int i = 0; i < kCount; ++i)
        if (entries_[i].mnemonic == text) return i + 1;
    return 0;
}

const QString& InstructionTable::FormOf(int position, int alternative) const {
    return entry(position).forms[alternative - 1];
}

std::int32_t InstructionTable::CodeOf(int position, int alternative) const {
    return entry(position).codes[alternative - 1];
}

std::int16_t InstructionTable::LengthOf(int position, int alternative) const {
    return entry(position).lengths[alternative - 1];
}

void InstructionTable::SetLength(int position, int alternative, std::int16_t words) {
    entries_[position - 1].lengths[alternative - 1] = words;
}

}  // namespace kv
