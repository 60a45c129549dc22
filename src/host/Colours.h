#pragma once
// The colours of the program's texts: the message pane, the console and the source editor.

#include <cstdint>

namespace kv {

// A colour as the learner sees it on screen, red, green and blue from 0 to 255.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

namespace colours {
// Message pane and console.
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Blue{0, 0, 208};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Olive{192, 192, 0};
inline constexpr Rgb Red{208, 0, 0};
// A console note that is no output of the program (a step taken back over OUT).
inline constexpr Rgb Grey{128, 128, 128};
// Source editor.
inline constexpr Rgb Typing{0, 0, 208};
inline constexpr Rgb Comment{0, 150, 0};
inline constexpr Rgb ErrorLine{255, 0, 0};
inline constexpr Rgb Mark{0, 0, 255};
}  // namespace colours

}  // namespace kv
