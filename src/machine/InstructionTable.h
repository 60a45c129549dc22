#pragma once
// The CASL II vocabulary: 37 mnemonics with their operand forms, first words and word counts.
// Built once at start-up and never changed afterwards (the words a DS line reserves come with the
// parsed line).

#include <QString>
#include <array>
#include <cstdint>

namespace kv {

// The operand grammars: two registers (RR), register and address with an optional index (RAX),
// address with an optional index (AX), one register (R), none (NON), two labels (LL), two labels and
// a count (COPY), and the assembler instructions' own. None: the instruction has no second form.
enum class OperandForm { None, RR, RAX, AX, R, NON, LL, COPY, START, END, DS, DC };
// The form's name as the instruction table writes it ("RR", "RAX", ...); empty for None.
QString OperandFormName(OperandForm form);

struct InstructionEntry {
    QString mnemonic;
    std::array<OperandForm, 2> forms;
    std::array<std::int32_t, 2> codes;  // first machine word with the register fields zero
    std::array<std::int16_t, 2> lengths;
};

// Positions of the instructions that the assembler and the editor treat specially.
namespace op {
inline constexpr int START = 1, END = 2, DS = 3, DC = 4, IN = 5, OUT = 6, LD = 7, RET = 32, SVC = 33,
                     NOP = 34, COPY = 35, RPUSH = 36, RPOP = 37;
}

class InstructionTable {
public:
    static constexpr int kCount = 37;

    InstructionTable() { BuildInstructionTable(); }

    void BuildInstructionTable();
    // Position 1..37 of the first entry whose mnemonic equals the text exactly; 0 when none does.
    int FindMnemonic(const QString& text) const;
    // alternative is 1 or 2; position 1..37.
    OperandForm FormOf(int position, int alternative) const;
    std::int32_t CodeOf(int position, int alternative) const;
    std::int16_t LengthOf(int position, int alternative) const;

    const InstructionEntry& entry(int position) const { return entries_[position - 1]; }

private:
    std::array<InstructionEntry, kCount> entries_;
};

}  // namespace kv
