#include "assembler/Listings.h"

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"

namespace kv {

namespace {

constexpr int kMemoryFieldWidth = 20;
constexpr int kWordsPerRow = 4;
constexpr int kShownWords = 12;   // the first row and two continuation rows
constexpr int kSourceWidth = 40;  // of the source text in the F-notation list

constexpr QLatin1String kNoAddressPrefix("     :");

QString AddressPrefix(std::int32_t address) {
    if (address == kErrorLine) return QStringLiteral("ERROR!");
    if (address < 0) return QString(kNoAddressPrefix);
    return QLatin1Char(' ') + HexWord(address) + QLatin1Char(':');
}

// Up to four words from the address, each a blank and four hexadecimal digits, padded to the
// field width. Words outside the memory are left blank.
QString MemoryField(const MachineState& machine, std::int64_t first, int count) {
    QString field;
    for (int i = 0; i < count && i < kWordsPerRow; ++i) {
        if (!machine.holds(first + i)) break;
        field += QLatin1Char(' ') + HexWord(machine.word(static_cast<std::int32_t>(first + i)));
    }
    return field.leftJustified(kMemoryFieldWidth, QLatin1Char(' '));
}

QString AssemblyLines(const ListingLine& line, const MachineState& machine) {
    const bool hasWords = line.address >= 0;
    const int words = hasWords ? line.words : 0;
    QString lines = line.prefix + MemoryField(machine, line.address, words) + QLatin1Char(' ') + line.text +
                    QLatin1Char('\n');
    for (int shown = kWordsPerRow; shown < words && shown < kShownWords; shown += kWordsPerRow)
        lines += kNoAddressPrefix + MemoryField(machine, std::int64_t{line.address} + shown, words - shown) +
                 QLatin1Char('\n');
    if (words > kShownWords)
        lines += kNoAddressPrefix + QStringLiteral("（合計") + QString::number(words) +
                 QStringLiteral("語の領域。省略）") + QLatin1Char('\n');
    return lines;
}

QString FNotationLine(const ListingLine& line) {
    const QString start = line.prefix + QLatin1Char(' ');
    if (line.address == kErrorLine)
        return start + line.text + QStringLiteral("***　ERROR　***") + QLatin1Char('\n');
    if (line.address < 0) return start + line.text + QLatin1Char('\n');
    return start + line.text.left(kSourceWidth).leftJustified(kSourceWidth, QLatin1Char(' ')) +
           QStringLiteral("：　") + line.fNotation + QLatin1Char('\n');
}

}  // namespace

QString BuildAssemblyList(AssemblyState& assembly, const MachineState& machine) {
    QString list = QStringLiteral("■アセンブルリスト　\n ADDR: メモリ内容　　　　　プログラム　\n");
    for (ListingLine& line : assembly.listing) {
        line.prefix = AddressPrefix(line.address);
        list += AssemblyLines(line, machine);
    }
    return list;
}

QString BuildAddressList(const AssemblyState& assembly) {
    QString list = QStringLiteral("■アドレスリスト　\n ADDR: プログラム　\n");
    for (const ListingLine& line : assembly.listing)
        list += line.prefix + QLatin1Char(' ') + line.text + QLatin1Char('\n');
    return list;
}

QString BuildFNotationList(const AssemblyState& assembly) {
    QString list = QStringLiteral("■F式表記リスト　\n ADDR: プログラム　\n");
    for (const ListingLine& line : assembly.listing) list += FNotationLine(line);
    return list;
}

}  // namespace kv
