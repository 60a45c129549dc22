#include "assembler/Linker.h"

#include <limits>

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "host/Host.h"

namespace kv {

namespace {

// The use count is a signed 16-bit counter.
constexpr int kMostMarks = std::numeric_limits<std::int16_t>::max();

// Appends the occurrences of the name directly followed by the follower, searching on right after
// each follower.
void MarkFollowedBy(const QString& text, const QString& name, QChar follower, QVector<TextRange>& marks) {
    const QString pattern = name + follower;
    for (qsizetype at = text.indexOf(pattern); at >= 0 && marks.size() < kMostMarks;
         at = text.indexOf(pattern, at + pattern.size()))
        marks.push_back({static_cast<int>(at), static_cast<int>(name.size())});
}

}  // namespace

LinkResult Link(const AssemblyState& assembly, MachineState& machine, MessagePane& host, const QString& source) {
    LinkResult link;
    for (const NamedAddress& reference : assembly.externalReferences) {
        const NamedAddress* program = FindName(assembly.programs, reference.name);
        if (program != nullptr) {
            if (machine.inArea(reference.address)) machine.word(reference.address) = program->address;
            continue;
        }
        host.appendMessage(colours::Red, QStringLiteral("　外部参照ラベル") + reference.name +
                                             QStringLiteral("のプログラムがありません。"));
        link.marks += MarkNameUses(source, reference.name);
        link.result = 9;
    }
    return link;
}

QVector<TextRange> MarkNameUses(const QString& text, const QString& name) {
    QVector<TextRange> marks;
    if (name.isEmpty()) return marks;
    MarkFollowedBy(text, name, QLatin1Char(','), marks);
    MarkFollowedBy(text, name, QLatin1Char(' '), marks);
    return marks;
}

}  // namespace kv
