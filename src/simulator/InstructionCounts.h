#pragma once
// How often each instruction word was executed in the current run: one counter per address,
// cleared when a run starts. Every way of running counts, one increment per instruction; the
// program list's tool tips and "kavora2-cli run --profile" read the counters of the user area.

#include <cstdint>
#include <vector>

namespace kv {

class InstructionCounts {
public:
    // One counter for each of the machine's 65536 addresses, so that counting needs no range check:
    // an instruction at an address outside the area fails at once, and its counter is never read.
    InstructionCounts() : counts_(0x10000, 0) {}

    void Reset() { counts_.assign(counts_.size(), 0); }
    // The instruction at address pr is about to be executed.
    void Count(std::int32_t pr) { ++counts_[pr & 0xFFFF]; }
    // A step taken back: that execution did not happen.
    void Uncount(std::int32_t pr) {
        std::uint64_t& count = counts_[pr & 0xFFFF];
        if (count > 0) --count;
    }
    std::uint64_t at(std::int32_t address) const { return counts_[address & 0xFFFF]; }
    // The counters by address, for the run loop that counts as it goes.
    std::uint64_t* data() { return counts_.data(); }

private:
    std::vector<std::uint64_t> counts_;
};

}  // namespace kv
