#pragma once
// What the last executed instruction changed, as the run panel shows it in bold: general registers,
// the flag register, the stack pointer and memory words (the stack's words among them).

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace kv {

struct ChangedValues {
    std::array<bool, 8> registers{};  // GR0 to GR7
    bool flags = false;               // OF, SF or ZF
    bool stackPointer = false;
    std::vector<std::int32_t> addresses;  // of the changed memory words, ascending

    bool word(std::int32_t address) const {
        return std::binary_search(addresses.begin(), addresses.end(), address);
    }
    bool any() const {
        return flags || stackPointer || !addresses.empty() ||
               std::find(registers.begin(), registers.end(), true) != registers.end();
    }
};

}  // namespace kv
