// The memory-address text of the trace options window: any text the learner may type or paste,
// against a user area that starts anywhere the settings allow. Besides the sanitizers it checks that
// an accepted text gives at most ten words in ranges inside the user area, each in order, that a
// refused one comes with a box title and no ranges of use, and that the accepted ranges written
// back as text are accepted again as the same ranges.

#include "FuzzSupport.h"
#include "machine/MachineState.h"
#include "simulator/Trace.h"

namespace {

// The ranges as the learner could have typed them.
QString textOf(const QVector<kv::MemoryRange>& ranges) {
    QStringList items;
    for (const kv::MemoryRange& r : ranges) {
        const QString first = QStringLiteral("#%1").arg(r.first, 4, 16, QLatin1Char('0')).toUpper();
        const QString last = QStringLiteral("#%1").arg(r.last, 4, 16, QLatin1Char('0')).toUpper();
        items << (r.first == r.last ? first : first + QLatin1Char('-') + last);
    }
    return items.join(QLatin1Char(','));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    kv::MachineState machine;
    machine.setUserStart(((data[0] << 8) | data[1]) % 0x9001);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    const kv::TraceAddressCheck check = kv::CheckTraceAddresses(text, machine);
    if (!check.ok()) {
        KV_FUZZ_REQUIRE(check.title == QStringLiteral("アドレス指定エラー"));
        return 0;
    }
    KV_FUZZ_REQUIRE(check.title.isEmpty());
    KV_FUZZ_REQUIRE(text.isEmpty() == check.ranges.isEmpty());
    int words = 0;
    for (const kv::MemoryRange& r : check.ranges) {
        KV_FUZZ_REQUIRE(machine.inArea(r.first) && machine.inArea(r.last) && r.first <= r.last);
        words += r.last - r.first + 1;
    }
    KV_FUZZ_REQUIRE(words <= kv::TraceOptions::kMaxMemoryWords);

    const kv::TraceAddressCheck again = kv::CheckTraceAddresses(textOf(check.ranges), machine);
    KV_FUZZ_REQUIRE(again.ok() && again.ranges == check.ranges);
    return 0;
}
