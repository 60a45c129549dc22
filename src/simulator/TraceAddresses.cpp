// The memory-address text of the trace options window: items "#hhhh" separated by commas, a
// hyphen between two items for a range of words.

#include "assembler/SourceElements.h"
#include "machine/MachineState.h"
#include "simulator/Trace.h"

namespace kv {

namespace {

// An item is "#" and four upper-case hexadecimal digits; any other five characters count as address
// 0; anything else is no address.
bool parseItem(const QString& item, std::int32_t& value) {
    if (item.size() != 5) return false;
    value = 0;
    if (item.at(0) != QLatin1Char('#')) return true;
    for (int i = 1; i < 5; ++i) {
        const char16_t c = item.at(i).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return false;
        value = value * 16 + digit;
    }
    return true;
}

TraceAddressCheck refused(const QString& message) {
    TraceAddressCheck check;
    check.message = message;
    check.title = QStringLiteral("アドレス指定エラー");
    return check;
}

TraceAddressCheck badAddress() { return refused(QStringLiteral("メモリのアドレス指定に誤りがあります。")); }
TraceAddressCheck badRange() { return refused(QStringLiteral("メモリのアドレスの範囲指定に誤りがあります。")); }
TraceAddressCheck tooManyWords() {
    return refused(QStringLiteral("メモリのアドレス指定に誤りがあります。") + QLatin1Char('\n') +
                   QStringLiteral("メモリ内容のトレースは、１０語までです。"));
}

}  // namespace

TraceAddressCheck CheckTraceAddresses(const QString& text, const MachineState& machine) {
    TraceAddressCheck check;
    if (text.isEmpty()) return check;
    QVector<MemoryRange>& ranges = check.ranges;
    const QString scan = ToHalfWidth(text) + QLatin1Char(',');
    QString item;
    bool open = false;
    for (const QChar c : scan) {
        if (c != QLatin1Char('-') && c != QLatin1Char(',')) {
            item.append(c);
            continue;
        }
        std::int32_t value = 0;
        if (!parseItem(item, value)) return badAddress();
        item.clear();
        if (c == QLatin1Char(',') && open) {
            ranges.last().last = value;
            open = false;
            continue;
        }
        if (ranges.size() == TraceOptions::kMaxMemoryWords) return tooManyWords();
        ranges.push_back({value, value});
        open = c == QLatin1Char('-');
    }
    for (const MemoryRange& range : ranges)
        if (!machine.inArea(range.first) || !machine.inArea(range.last)) return badAddress();
    int words = 0;
    for (const MemoryRange& range : ranges) {
        if (range.last < range.first) return badRange();
        words += range.last - range.first + 1;
    }
    if (words > TraceOptions::kMaxMemoryWords) return tooManyWords();
    return check;
}

}  // namespace kv
