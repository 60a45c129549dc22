#pragma once
// The two panels of the memory dump window: on the left one word per row in five notations, on the
// right eight words per row in hexadecimal with their characters. Each shows 16 rows from a first
// address inside the user area; only words of the area are read.

#include <QString>
#include <array>

namespace kv {

struct MachineState;

inline constexpr int kDumpRows = 16;

// A row of the left panel; every cell empty for an address beyond the end of the area.
struct DumpWordRow {
    QString address;          // "アドレス": four hexadecimal digits
    QString binary;           // "２進数"
    QString signedDecimal;    // "算術10進"
    QString unsignedDecimal;  // "論理10進"
    QString hex;              // "16進"
    QString character;        // "文字"
};

// A row of the right panel: the address of its first word (a multiple of 8), the eight words as
// four hexadecimal digits each followed by a blank, and their eight characters. A word outside the
// area shows as blanks; a row that starts beyond the end of the area shows only its address.
struct DumpLineRow {
    QString address;
    QString words;
    QString characters;
};

using DumpWordRows = std::array<DumpWordRow, kDumpRows>;
using DumpLineRows = std::array<DumpLineRow, kDumpRows>;

// Rows from the first address on.
DumpWordRows WordPanelRows(const MachineState& machine, int firstAddress);
// Rows from the first address rounded down to a multiple of 8.
DumpLineRows LinePanelRows(const MachineState& machine, int firstAddress);

// The character the right panel shows for a word: the half-width character of codes 32 to 126 and
// of the half-width katakana, "." for every other value.
QChar LinePanelCharacter(int word);

}  // namespace kv
