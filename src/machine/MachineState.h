#pragma once
// The one simulated COMET II: user memory with its word kinds and listing lines, the eight general
// registers, SP, PR, the flags and the bookkeeping the panels and the trace read.

#include <QString>
#include <array>
#include <cstdint>

namespace kv {

// Kinds of the words the assembler writes; bit 7 marks a breakpoint on that address.
namespace kind {
inline constexpr std::uint16_t Free = 0, In = 1, Out = 2, RPush = 3, RPop = 4, Constant = 14, Instruction = 15;
inline constexpr std::uint16_t Breakpoint = 0x80;
}  // namespace kind

// The OS return address: the word at the stack bottom when a run starts. A RET that fetches it
// ends the program normally.
inline constexpr std::int32_t kOsReturn = 0xE000;

struct MachineState {
    static constexpr int kAreaWords = 4096;  // the user area
    static constexpr int kWords = 4102;      // the area, the stack-bottom word and five spare words

    std::int32_t userStart = 0x8000;
    std::int32_t userEnd = 0x8FFF;
    std::array<std::int32_t, kWords> memory{};
    std::array<std::uint16_t, kWords> wordKinds{};
    std::array<std::uint16_t, kWords> lineOfAddress{};
    std::array<std::int32_t, 8> GR{};
    std::int32_t SP = 0;
    std::int32_t PR = 0;
    std::int32_t nextPR = 0;
    // Each flag is '0', '1' or '?' (not yet set by any instruction).
    char OF = '?', SF = '?', ZF = '?';
    std::int32_t EA = -1;
    std::int32_t entryAddress = 0x8000;
    std::int32_t grInitialValue = 0x7FFF;

    // Moves the area; the end always lies 4095 words above the start.
    void setUserStart(std::int32_t start);

    void ResetForRunMode();
    void ResetForRun();

    // The 3-character flag register, OF SF ZF, for example "010"; "???" after a reset.
    QString FR() const;

    // Raw access for panels, trace and dumps: addresses userStart .. userStart + 4101.
    bool holds(std::int64_t address) const { return address >= userStart && address < userStart + kWords; }
    std::int32_t word(std::int32_t address) const { return memory[address - userStart]; }
    std::int32_t& word(std::int32_t address) { return memory[address - userStart]; }
    std::uint16_t kindAt(std::int32_t address) const { return wordKinds[address - userStart]; }
    // True when the address lies in the user area proper (userStart .. userEnd).
    bool inArea(std::int64_t address) const { return address >= userStart && address <= userEnd; }

    // A running program's store (the executor's and the supervisor's), and the breakpoints set and
    // cleared while a program runs or waits: they go through these, which note the changed words so
    // that the executor's decoded copy of the program forgets them.
    void store(std::int32_t address, std::int32_t value) {
        const int offset = address - userStart;
        memory[offset] = value;
        noteChanged(offset, offset);
    }
    void setBreakpoint(std::int32_t address, bool on);
    void clearBreakpoints();

    // Offsets (address - userStart) of the words and kinds changed since the executor last caught
    // up with them: changedFirst to changedLast, none when changedFirst > changedLast.
    int changedFirst = kWords;
    int changedLast = -1;
    void noteChanged(int firstOffset, int lastOffset) {
        if (firstOffset < changedFirst) changedFirst = firstOffset;
        if (lastOffset > changedLast) changedLast = lastOffset;
    }
};

}  // namespace kv
