#pragma once
// The profile of a run: the listing lines of the executed instructions with their counts, in the
// order of their addresses, so that a hot loop stands out as a block of large counts.

#include <QString>
#include <QVector>
#include <cstdint>

namespace kv {

struct AssemblyState;
struct MachineState;
class InstructionCounts;

struct ProfileLine {
    std::int32_t address = 0;
    std::uint64_t count = 0;
    int listingLine = 0;  // the listing line that produced the word at the address
};

// Every address of the user area whose instruction word was executed, ascending.
QVector<ProfileLine> ExecutedInstructions(const InstructionCounts& counts, const MachineState& machine);

// The profile as text, one line ending in "\n" each: the heading "■実行回数", a column heading, one
// line per executed instruction word (count, share of all instructions, address, listing line) and
// the total. Only the heading and "（実行した命令はありません）" when nothing was executed.
QString ProfileText(const InstructionCounts& counts, const MachineState& machine,
                    const AssemblyState& assembly);

}  // namespace kv
