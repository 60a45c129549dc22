#pragma once
// Resolves the names that a program uses but does not define: each is the start address of the
// program whose START label has that name.

#include <QString>
#include <QVector>

namespace kv {

struct AssemblyState;
struct MachineState;
class MessagePane;

// A stretch of the editor text: start (0-based character position) and length.
struct TextRange {
    int start = 0;
    int length = 0;
    friend bool operator==(TextRange a, TextRange b) { return a.start == b.start && a.length == b.length; }
};

struct LinkResult {
    int result = 0;              // 0 all names found, 9 at least one missing
    QVector<TextRange> marks;    // uses of the missing names in the source, to show in the mark colour
};

// Writes the missing-name lines into the message pane; marks the uses of each missing name in the
// source text.
LinkResult Link(const AssemblyState& assembly, MachineState& machine, MessagePane& host, const QString& source);

// The occurrences of name followed by "," and then those followed by a blank, in the text.
QVector<TextRange> MarkNameUses(const QString& text, const QString& name);

}  // namespace kv
