#pragma once
// Executes exactly one COMET II instruction of the machine state: checks PR, decodes the word at
// PR, computes the effective address, carries the instruction out, sets the flags and decides
// where execution continues (nextPR). PR itself is advanced by run control.

#include <QString>
#include <cstdint>
#include <vector>

#include "machine/ErrorState.h"
#include "simulator/RunNotes.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"

namespace kv {

// The outcome of one step: 0 go on, 1 to 9 failed, or one of the endings below.
using StepResult = std::int32_t;
namespace step {
inline constexpr StepResult Done = 0;
inline constexpr StepResult StopRequested = 9990;
inline constexpr StepResult Breakpoint = 9999;
inline constexpr StepResult NormalEnd = 10000;
}  // namespace step

// What the executor hands on: the IN and OUT expansions, SVC, and the reports it cannot make itself.
class SupervisorCalls {
public:
    virtual ~SupervisorCalls() = default;
    virtual StepResult PerformIn() = 0;
    virtual StepResult PerformOut() = 0;
    virtual StepResult PerformSvc() = 0;
    // A program wrote into a word set by DC; ErrorState holds 406. Show the warning now.
    virtual void WarnConstantWrite() = 0;
    virtual void ReportInternalError(const QString& place, int number) = 0;
};

class Executor {
public:
    Executor(MachineState& machine, ErrorState& error, const Settings& settings, RunNotes& notes,
             SupervisorCalls& calls)
        : m_(machine), error_(error), settings_(settings), notes_(notes), calls_(calls) {}

    StepResult ExecuteOne();

    // The run loop's way through the instructions that run quietly: executes up to budget
    // instructions from PR, each exactly as ExecuteOne with the result 0, and PR := nextPR between
    // them. It stops before an instruction it leaves to ExecuteOne - one that would fail, end the
    // program, reach the host (IN, OUT, SVC, a store into a constant, the internal fault of RET) or
    // that carries a breakpoint, or that uses a macro expansion, COPY or a register block - and
    // before PR leaves the area (the OS return address among others). Returns the number executed;
    // when it is above 0, PR is the address of the last of them and nextPR where execution goes on,
    // as after ExecuteOne.
    //
    // It works from a decoded copy of the program that follows every store of the executor, of the
    // supervisor and every breakpoint set through MachineState; ForgetDecoded drops the copy, as a
    // run must do at its start and after letting events run.
    std::int64_t ExecuteMany(std::int64_t budget);
    void ForgetDecoded();
    // ExecuteMany adds one to counts[address] for every instruction it executes; counts has an
    // entry for each of the 65536 addresses. nullptr: nothing is counted.
    void setInstructionCounts(std::uint64_t* counts) { counts_ = counts; }

    // The helpers below are defined at the end of this header, inline: every step uses them.

    // EA of a two-word form from the address word at PR + 1 and the index register x (1 to 7; 0
    // means none).
    void ComputeEA(int x);
    // Checked read of the word at EA; result 9 (error 404) outside the user area.
    std::int32_t ReadOperand(StepResult& result);
    // Checked write of the word at EA: 404 outside the area, 405 into an instruction, warning 406
    // into a constant (written all the same).
    StepResult WriteOperand(std::int32_t value);

    // Flag setters on the value just produced (v is the exact result before it is cut to 16 bits).
    void SetFlagsLoad(std::int32_t value16);
    void SetFlagsArithmetic(std::int32_t v);
    void SetFlagsLogical(std::int32_t v);
    void SetFlagsCompare(std::int32_t d);

private:
    static std::int32_t unsignedWord(std::int32_t v) { return v & 0xFFFF; }
    static std::int32_t signedWord(std::int32_t v) { return static_cast<std::int16_t>(v & 0xFFFF); }
    static char bit(std::int32_t v, int n) { return (v >> n) & 1 ? '1' : '0'; }

    StepResult checkRegisterFields(std::uint32_t code, int r1, int r2);
    StepResult execute(std::uint32_t word, int r1, int r2);
    void operate(std::uint32_t code, std::int32_t& gr, std::int32_t operand);
    std::int32_t arithmetic(std::int32_t v);
    std::int32_t logical(std::int32_t v);
    StepResult shift(std::uint32_t code, std::int32_t& gr);
    StepResult jumpIf(bool condition);
    StepResult pushOrExpansion();
    StepResult popOrExpansion(std::int32_t& gr);
    StepResult registerBlock(std::uint32_t code, int r1, int r2);
    StepResult push(std::int32_t value);
    StepResult pop(std::int32_t& target);
    StepResult pushRegisters(int first, int last);
    StepResult popRegisters(int first, int last);
    StepResult ret();
    StepResult copy(std::uint32_t word);
    StepResult fail(ErrorCode code, StepResult result);

    // What ExecuteMany keeps of the instruction that starts at a word: where its handler starts (0:
    // not decoded yet) and its fields. It depends on the word, the word after it (the address word)
    // and the word's kind, so a store forgets the entries of the word and of the word before it.
    struct DecodedWord {
        std::int32_t code;
        std::uint16_t adr;  // the address word
        std::uint8_t r;     // r1
        std::uint8_t x;     // r2: the second register, or the index register (0: none)
    };
    // Fills in the fields of the entry of the word at offset and returns the number of its handler.
    std::uint8_t decode(int offset);
    void catchUpWithStores();
    template <bool kCounting>
    std::int64_t executeMany(std::int64_t budget);

    MachineState& m_;
    ErrorState& error_;
    const Settings& settings_;
    RunNotes& notes_;
    SupervisorCalls& calls_;
    // One entry per 16-bit offset from the start of the area, after one for the word before the
    // area (a store to the first word forgets it too); made by the first ExecuteMany. Past the
    // words an instruction can start at, every entry decodes to leaving.
    std::vector<DecodedWord> decoded_;
    int decodedBy_ = -1;  // the way of ExecuteMany (counting or not) whose handlers the entries lead to
    std::uint64_t* counts_ = nullptr;
};

inline void Executor::ComputeEA(int x) {
    const std::int32_t adr = unsignedWord(m_.word(m_.PR + 1));
    m_.EA = x >= 1 && x <= 7 ? unsignedWord(adr + unsignedWord(m_.GR[x])) : adr;
}

inline std::int32_t Executor::ReadOperand(StepResult& result) {
    if (m_.inArea(m_.EA)) return m_.word(m_.EA);
    error_.raiseAddress(ErrorCode::AddressOutOfRange, m_.EA, m_.userStart, m_.userEnd);
    result = 9;
    return 0;
}

inline StepResult Executor::WriteOperand(std::int32_t value) {
    if (!m_.inArea(m_.EA)) {
        error_.raiseAddress(ErrorCode::AddressOutOfRange, m_.EA, m_.userStart, m_.userEnd);
        return 9;
    }
    switch (m_.kindAt(m_.EA) & 0x7F) {
        case kind::Instruction:
            error_.raiseAddress(ErrorCode::WriteIntoInstruction, m_.EA, m_.userStart, m_.userEnd);
            return 9;
        case kind::Constant:
            error_.raiseAddress(ErrorCode::WriteIntoConstant, m_.EA, m_.userStart, m_.userEnd);
            calls_.WarnConstantWrite();
            break;
        default: break;
    }
    m_.store(m_.EA, value);
    return 0;
}

inline void Executor::SetFlagsLoad(std::int32_t value16) {
    m_.OF = '0';
    m_.SF = bit(value16, 15);
    m_.ZF = unsignedWord(value16) == 0 ? '1' : '0';
}

inline void Executor::SetFlagsArithmetic(std::int32_t v) {
    m_.OF = v < -32768 || v > 32767 ? '1' : '0';
    m_.SF = bit(v, 15);
    m_.ZF = unsignedWord(v) == 0 ? '1' : '0';
}

inline void Executor::SetFlagsLogical(std::int32_t v) {
    m_.OF = v < 0 || v > 65535 ? '1' : '0';
    m_.ZF = unsignedWord(v) == 0 ? '1' : '0';
    m_.SF = settings_.frSwitch == 1 ? bit(v, 15) : '0';
}

inline void Executor::SetFlagsCompare(std::int32_t d) {
    m_.OF = '0';
    m_.SF = d < 0 ? '1' : '0';
    m_.ZF = d == 0 ? '1' : '0';
}

}  // namespace kv
