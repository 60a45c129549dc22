#pragma once
// The advanced memory dump ("高機能メモリダンプ"): a stretch of the user area written into the
// console in one of three layouts. The radix dump writes one word per line in the chosen notations,
// the two-dimensional array dump a grid of words in one notation, the bit dump words as binary
// digits or as a picture of ■ and □. Each starts with a green title line and ends with the green
// line "■表示終了". Words beyond the end of the area are left out but still counted, so a dump that
// runs past the end stops there.

#include <QString>
#include <array>

namespace kv {

class Console;
struct MachineState;

enum class DumpLayout { Radix = 0, Array = 1, Bits = 2 };
// The columns of the radix dump, in the order they are written.
enum class RadixColumn { Binary = 0, Signed = 1, Unsigned = 2, Hex = 3, Character = 4 };
// The notation of the array dump.
enum class ArrayNotation { Signed = 0, Unsigned = 1, Hex = 2, Character = 3 };
enum class BitStyle { Digits = 0, Squares = 1 };

// A dump whose parameters are checked (see CheckDumpEntries): start inside the area, the radix
// count 1 to 256, the grid 1 to 20 (array) or 1 to 5 (bits) words by 1 to 50 lines.
struct DumpRequest {
    DumpLayout layout = DumpLayout::Radix;
    int start = 0;
    int count = 16;                                             // radix: words
    std::array<bool, 5> columns{true, true, true, true, true};  // radix, by RadixColumn
    int width = 5, lines = 5;                                   // array and bits: words per line, lines
    ArrayNotation notation = ArrayNotation::Signed;             // array
    BitStyle style = BitStyle::Digits;                          // bits
};

// The word as 16 symbols, ■ for a one bit and □ for a zero, highest bit first.
QString WordPicture(int word);

// The text between the title line and the closing line: the heading and the lines, each ending
// with "\n".
QString DumpBody(const MachineState& machine, const DumpRequest& request);
// The title line of the layout.
QString DumpTitle(DumpLayout layout);

// Writes the dump into the console: the title in green, the body in the console's colour, the
// closing line in green.
void WriteDump(Console& console, const MachineState& machine, const DumpRequest& request);

}  // namespace kv
