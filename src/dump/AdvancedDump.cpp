#include "dump/AdvancedDump.h"

#include "host/Colours.h"
#include "host/Host.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"

namespace kv {

namespace {

const QString kLineHeader = QStringLiteral("　");    // before a line's address
const QString kAddressEnd = QStringLiteral("：　");  // after it

QString LineStart(int address) {
    return kLineHeader + HexWord(address) + kAddressEnd;
}

QString RadixCell(RadixColumn column, std::int32_t w) {
    switch (column) {
        case RadixColumn::Binary: return FormatBinaryWord(w);
        case RadixColumn::Signed: return FormatSignedWord(w);
        case RadixColumn::Unsigned: return FormatUnsignedWord(w);
        case RadixColumn::Hex: return FormatHexWord(w);
        case RadixColumn::Character: return FormatCharWord(w);
    }
    return QString();
}

QString ArrayCell(ArrayNotation notation, std::int32_t w) {
    switch (notation) {
        case ArrayNotation::Signed: return FormatSignedWord(w);
        case ArrayNotation::Unsigned: return FormatUnsignedWord(w);
        case ArrayNotation::Hex: return FormatHexWord(w);
        case ArrayNotation::Character: return FormatCharWord(w);
    }
    return QString();
}

QString RadixBody(const MachineState& machine, const DumpRequest& r) {
    static const QString headings[5] = {QStringLiteral("　　　2進数  　    　  "), QStringLiteral("  算10進"),
                                        QStringLiteral(" 論10進"), QStringLiteral("   16進"),
                                        QStringLiteral("  字")};
    QString text = QStringLiteral("  ADDR：");
    for (int c = 0; c < 5; ++c)
        if (r.columns[c]) text += headings[c];
    text += QLatin1Char('\n');
    for (int address = r.start; address < r.start + r.count; ++address) {
        if (!machine.inArea(address)) continue;
        text += LineStart(address);
        for (int c = 0; c < 5; ++c)
            if (r.columns[c]) text += QStringLiteral("  ") + RadixCell(RadixColumn(c), machine.word(address));
        text += QLatin1Char('\n');
    }
    return text;
}

// The array and bit dumps: lines of cells, each cell a blank and the word in its form; a line's
// header is written even when all its words lie beyond the end of the area.
template <typename Cell>
QString GridBody(const MachineState& machine, const DumpRequest& r, const QString& name, Cell cell) {
    QString text = QStringLiteral("  ADDR：  ") + name + QLatin1Char('\n');
    int address = r.start;
    for (int line = 0; line < r.lines; ++line) {
        text += LineStart(address);
        for (int i = 0; i < r.width; ++i, ++address)
            if (machine.inArea(address)) text += QLatin1Char(' ') + cell(machine.word(address));
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace

QString WordPicture(int word) {
    QString picture;
    for (int bit = 15; bit >= 0; --bit)
        picture += (word >> bit) & 1 ? QStringLiteral("■") : QStringLiteral("□");
    return picture;
}

QString DumpTitle(DumpLayout layout) {
    switch (layout) {
        case DumpLayout::Radix: return QStringLiteral("■基数ダンプ");
        case DumpLayout::Array: return QStringLiteral("■２次元配列ダンプ");
        case DumpLayout::Bits: return QStringLiteral("■ビットダンプ");
    }
    return QString();
}

QString DumpBody(const MachineState& machine, const DumpRequest& r) {
    static const QString notations[4] = {QStringLiteral("算術10進数"), QStringLiteral("論理10進数"),
                                         QStringLiteral("16進数"), QStringLiteral("文字")};
    switch (r.layout) {
        case DumpLayout::Radix: return RadixBody(machine, r);
        case DumpLayout::Array:
            return GridBody(machine, r, notations[int(r.notation)],
                            [&r](std::int32_t w) { return ArrayCell(r.notation, w); });
        case DumpLayout::Bits:
            if (r.style == BitStyle::Squares)
                return GridBody(machine, r, QStringLiteral("　図形表示  "),
                                [](std::int32_t w) { return WordPicture(w); });
            return GridBody(machine, r, QStringLiteral("　２進数表示  "),
                            [](std::int32_t w) { return FormatBinaryWord(w); });
    }
    return QString();
}

void WriteDump(Console& console, const MachineState& machine, const DumpRequest& request) {
    console.consoleWrite(colours::Green, DumpTitle(request.layout));
    console.consoleAppend(DumpBody(machine, request));
    console.consoleWrite(colours::Green, QStringLiteral("■表示終了"));
}

}  // namespace kv
