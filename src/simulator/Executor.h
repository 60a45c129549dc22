#pragma once
// Executes exactly one COMET II instruction of the machine state: checks PR, decodes the word at
// PR, computes the effective address, carries the instruction out, sets the flags and decides
// where execution continues (nextPR). PR itself is advanced by run control.

#include <QString>
#include <cstdint>

#include "machine/MachineState.h"

namespace kv {

struct ErrorState;
struct Settings;
class RunNotes;

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

    // EA of a two-word form from the address word at PR + 1 and the index register x.
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
    StepResult fail(std::int32_t code, StepResult result);

    MachineState& m_;
    ErrorState& error_;
    const Settings& settings_;
    RunNotes& notes_;
    SupervisorCalls& calls_;
};

}  // namespace kv
