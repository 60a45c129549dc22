#include "dump/DumpPanels.h"

#include "machine/CodePage932.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"

namespace kv {

namespace {

constexpr int kWordsPerLine = 8;
const QString kNoWord = QStringLiteral("     ");  // four digits and their blank

}  // namespace

DumpWordRows WordPanelRows(const MachineState& machine, int firstAddress) {
    DumpWordRows rows;
    for (int i = 0; i < kDumpRows; ++i) {
        const int address = firstAddress + i;
        if (!machine.inArea(address)) continue;
        const std::int32_t w = machine.word(address);
        rows[i] = {HexWord(address),      FormatBinaryWord(w), FormatSignedWord(w),
                   FormatUnsignedWord(w), FormatHexWord(w),    FormatCharWord(w)};
    }
    return rows;
}

DumpLineRows LinePanelRows(const MachineState& machine, int firstAddress) {
    DumpLineRows rows;
    const int first = firstAddress - firstAddress % kWordsPerLine;
    for (int i = 0; i < kDumpRows; ++i) {
        const int start = first + i * kWordsPerLine;
        DumpLineRow& row = rows[i];
        row.address = HexWord(start);
        if (start > machine.userEnd) continue;
        for (int address = start; address < start + kWordsPerLine; ++address) {
            if (!machine.inArea(address)) {
                row.words += kNoWord;
                row.characters += QLatin1Char(' ');
                continue;
            }
            const std::int32_t w = machine.word(address);
            row.words += HexWord(w) + QLatin1Char(' ');
            row.characters += LinePanelCharacter(w);
        }
    }
    return rows;
}

QChar LinePanelCharacter(int word) {
    if ((word >= 32 && word <= 126) || (word >= 0xA1 && word <= 0xDF)) return cp932::characterOf(word);
    return QLatin1Char('.');
}

}  // namespace kv
