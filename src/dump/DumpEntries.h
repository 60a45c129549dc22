#pragma once
// The advanced dump's options dialog, as text: what its fields hold, their defaults, and the checks
// of OK with the boxes they show.

#include <QString>
#include <array>

#include "dump/AdvancedDump.h"

namespace kv {

struct MachineState;

// The dialog's controls.
struct DumpEntries {
    QString address;                                                             // Text1, "#hhhh"
    DumpLayout layout = DumpLayout::Radix;                                       // Option1
    QString count = QStringLiteral("16");                                        // Text2
    std::array<bool, 5> columns{true, true, true, true, true};                   // Check1
    QString arrayWidth = QStringLiteral("5"), arrayLines = QStringLiteral("5");  // Text3, Text4
    ArrayNotation notation = ArrayNotation::Signed;                              // Option2
    QString bitWidth = QStringLiteral("1"), bitLines = QStringLiteral("16");     // Text5, Text6
    BitStyle style = BitStyle::Digits;                                           // Option3
};

// The defaults: the start of the user area as the address.
DumpEntries DefaultDumpEntries(const MachineState& machine);

// The outcome of OK's checks: a request to write, or the box to show (the dialog stays open).
struct DumpCheck {
    bool ok = false;
    DumpRequest request;
    QString title, text;  // the box when not ok
};

// The start address is the typed one ("#hhhh", inside the user area: otherwise "アドレス指定エラー");
// counts are read as decimal numbers and must lie in their ranges ("パラメータ指定エラー").
DumpCheck CheckDumpEntries(const DumpEntries& entries, const MachineState& machine);

}  // namespace kv
