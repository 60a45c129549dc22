#include "dump/DumpEntries.h"

#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "settings/FieldText.h"

namespace kv {

namespace {

const QString kParameterError = QStringLiteral("パラメータ指定エラー");
const QString kWidthWrong = QStringLiteral("１行の語数の指定に誤りがあります。");
const QString kLinesWrong = QStringLiteral("行数の指定に誤りがあります。");

DumpCheck Refuse(const QString& title, const QString& text) {
    DumpCheck check;
    check.title = title;
    check.text = text;
    return check;
}

// A count field read as a whole number in 1 to highest.
bool InRange(const QString& field, int highest, int& value) {
    const std::int64_t number = ReadWholeNumber(field);
    if (number < 1 || number > highest) return false;
    value = static_cast<int>(number);
    return true;
}

// The grid of the array and bit dumps: words per line, then lines.
DumpCheck CheckGrid(DumpCheck check, const QString& width, int widest, const QString& lines) {
    if (!InRange(width, widest, check.request.width)) return Refuse(kParameterError, kWidthWrong);
    if (!InRange(lines, 50, check.request.lines)) return Refuse(kParameterError, kLinesWrong);
    check.ok = true;
    return check;
}

}  // namespace

DumpEntries DefaultDumpEntries(const MachineState& machine) {
    DumpEntries entries;
    entries.address = FormatHexWord(machine.userStart);
    return entries;
}

DumpCheck CheckDumpEntries(const DumpEntries& e, const MachineState& machine) {
    const std::int32_t start = ParseHexField(e.address);
    if (start < 0 || !machine.inArea(start))
        return Refuse(QStringLiteral("アドレス指定エラー"),
                      QStringLiteral("先頭アドレスの指定に誤りがあります。"));
    DumpCheck check;
    DumpRequest& r = check.request;
    r.layout = e.layout;
    r.start = start;
    r.columns = e.columns;
    r.notation = e.notation;
    r.style = e.style;
    switch (e.layout) {
        case DumpLayout::Radix:
            if (!InRange(e.count, 256, r.count))
                return Refuse(kParameterError, QStringLiteral("語数の指定に誤りがあります。"));
            check.ok = true;
            return check;
        case DumpLayout::Array: return CheckGrid(check, e.arrayWidth, 20, e.arrayLines);
        case DumpLayout::Bits: return CheckGrid(check, e.bitWidth, 5, e.bitLines);
    }
    return check;
}

}  // namespace kv
