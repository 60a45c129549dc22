#include "simulator/ExecutionProfile.h"

#include <QLatin1Char>
#include <algorithm>

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "simulator/InstructionCounts.h"

namespace kv {

namespace {

QString rightTrimmed(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    return text.left(end);
}

// "  4.8%", "100.0%": six columns.
QString share(std::uint64_t count, std::uint64_t total) {
    return QStringLiteral("%1%").arg(100.0 * double(count) / double(total), 5, 'f', 1);
}

}  // namespace

QVector<ProfileLine> ExecutedInstructions(const InstructionCounts& counts, const MachineState& machine) {
    QVector<ProfileLine> lines;
    for (std::int32_t a = machine.userStart; a <= machine.userEnd; ++a)
        if (const std::uint64_t count = counts.at(a))
            lines.push_back({a, count, machine.lineOfAddress[a - machine.userStart]});
    return lines;
}

QString ProfileText(const InstructionCounts& counts, const MachineState& machine,
                    const AssemblyState& assembly) {
    QString text = QStringLiteral("■実行回数\n");
    const QVector<ProfileLine> lines = ExecutedInstructions(counts, machine);
    if (lines.isEmpty()) return text + QStringLiteral("（実行した命令はありません）\n");
    std::uint64_t total = 0;
    for (const ProfileLine& line : lines) total += line.count;
    // The counts are right-aligned under "回数", which takes four columns in a fixed-pitch font.
    const int width = std::max(4, int(QString::number(total).size()));
    text += QString(width - 4, QLatin1Char(' ')) + QStringLiteral("回数   割合  ADDR: プログラム\n");
    for (const ProfileLine& line : lines)
        text += QStringLiteral("%1 %2  %3: %4\n")
                    .arg(line.count, width)
                    .arg(share(line.count, total), HexWord(line.address),
                         rightTrimmed(assembly.line(line.listingLine).text));
    return text + QStringLiteral("%1 %2  合計\n").arg(total, width).arg(share(total, total));
}

}  // namespace kv
