// Builds a machine state from the fuzzer's bytes - the area start, the flags, the registers, SP, PR
// and the memory words with their kinds from PR upward - and runs the executor on it as run
// control does, for a bounded number of steps. Besides the sanitizers, it checks what every step
// must keep: registers stay words, flags stay '0', '1' or '?', SP never leaves the machine's words
// (but for the one step past the last word that a pop may take), and a step reports failure
// exactly when it leaves an error code.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/Executor.h"

namespace {

constexpr int kMaxSteps = 2000;

// Reads the input front to back; past its end every read gives 0.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // High byte first. The two reads are separate statements: the operands of | may be evaluated
    // in either order.
    std::uint16_t word() {
        const std::uint16_t high = byte();
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(high << 8 | low);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Stands in for input and output: IN and OUT succeed without moving data, SVC accepts the
// numbers the workbench offers, and the constant-area warning is reported (which resets the code).
class QuietCalls : public kv::SupervisorCalls {
  public:
    QuietCalls(const kv::MachineState& machine, kv::ErrorState& error) : machine_(machine), error_(error) {}
    kv::StepResult PerformIn() override { return 0; }
    kv::StepResult PerformOut() override { return 0; }
    kv::StepResult PerformSvc() override {
        const std::int32_t n = machine_.EA;
        if (n == 1 || n == 2 || n == 10 || n == 16) return 0;
        error_.raise(kv::ErrorCode(990));
        return 3;
    }
    void WarnConstantWrite() override { error_.clear(); }
    void ReportInternalError(const QString&, int) override {}

  private:
    const kv::MachineState& machine_;
    kv::ErrorState& error_;
};

void require(bool condition) {
    if (!condition) std::abort();
}

char flag(std::uint8_t b) {
    static const char kFlags[3] = {'0', '1', '?'};
    return kFlags[b % 3];
}

std::uint16_t wordKind(std::uint8_t b) {
    static const std::uint16_t kKinds[8] = {kv::kind::Free,        kv::kind::In,         kv::kind::Out,
                                            kv::kind::RPush,       kv::kind::RPop,       kv::kind::Constant,
                                            kv::kind::Instruction, kv::kind::Instruction};
    return static_cast<std::uint16_t>(kKinds[b & 7] | (b & kv::kind::Breakpoint));
}

// An address near the area (its words and a few on either side) or, rarely, any word.
std::int32_t address(const kv::MachineState& m, std::uint8_t mode, std::uint16_t value) {
    if (mode % 8 == 0) return value;
    return m.userStart - 4 + value % (kv::MachineState::kWords + 8);
}

bool validFlag(char f) {
    return f == '0' || f == '1' || f == '?';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    kv::MachineState machine;
    machine.setUserStart(in.word() % 0x9001);
    machine.ResetForRunMode();
    kv::Settings settings;
    settings.frSwitch = in.byte() & 1;
    machine.OF = flag(in.byte());
    machine.SF = flag(in.byte());
    machine.ZF = flag(in.byte());
    for (std::int32_t& gr : machine.GR) gr = in.word();
    const std::uint8_t modes = in.byte();
    machine.SP = address(machine, modes, in.word());
    machine.PR = address(machine, modes >> 4, in.word());
    const bool spInside = machine.holds(machine.SP);
    for (int i = machine.holds(machine.PR) ? machine.PR - machine.userStart : 0; !in.empty(); ++i) {
        const int index = i % kv::MachineState::kWords;
        const std::int32_t value = in.word();
        const std::uint8_t kindByte = in.byte();
        // Bit 3 of the kind byte stores the word as a negative number, as IN does for end of file.
        machine.memory[index] = kindByte & 8 ? value - 0x10000 : value;
        machine.wordKinds[index] = wordKind(kindByte);
    }

    kv::ErrorState error;
    kv::testing::RecordingHost host;
    kv::AssemblyState assembly;
    kv::RunNotes notes(host, machine, assembly);
    QuietCalls calls(machine, error);
    kv::Executor executor(machine, error, settings, notes, calls);
    for (int n = 0; n < kMaxSteps; ++n) {
        const kv::StepResult result = executor.ExecuteOne();
        for (const std::int32_t gr : machine.GR) require(gr >= 0 && gr <= 0xFFFF);
        require(validFlag(machine.OF) && validFlag(machine.SF) && validFlag(machine.ZF));
        // A pop from the last word leaves SP one past the machine's words, and no further.
        require(!spInside || (machine.SP >= machine.userStart &&
                              machine.SP <= machine.userStart + kv::MachineState::kWords));
        require(machine.EA >= -1 && machine.EA <= 0xFFFF + 0xFF);
        const bool failed = result >= 1 && result <= 9;
        require(failed || result == 0 || result == kv::step::Breakpoint || result == kv::step::NormalEnd);
        require(failed == (error.number() != 0));
        if (result != 0) break;
        machine.PR = machine.nextPR;
    }
    return 0;
}
