#pragma once
// The one error state of the program: the code of the last error, warning or notice, 0 when there
// is none. Whoever reports it through the catalogue resets it.

#include <cstdint>

namespace kv {

struct ErrorState {
    std::int32_t code = 0;  // 0: no error
    // The faulting effective address and the referable range, shown by 404 to 406.
    std::int32_t ea = 0, low = 0, high = 0;

    void raise(std::int32_t c) { code = c; }
    void raiseAddress(std::int32_t c, std::int32_t address, std::int32_t first, std::int32_t last) {
        code = c;
        ea = address;
        low = first;
        high = last;
    }
};

}  // namespace kv
