#include "editor/OldCaslConversion.h"

#include "assembler/SourceElements.h"
#include "editor/LoopSlice.h"
#include "editor/TextLines.h"

namespace kv {

OldMnemonicMap BuildOldMnemonicMap() {
    OldMnemonicMap map;
    const std::array<OldMnemonicEntry, 7> used{{
        {QStringLiteral("EXIT "), QStringLiteral("RET "), QString()},
        {QStringLiteral("LEA "), QStringLiteral("LAD "), QString()},
        {QStringLiteral("ADD "), QStringLiteral("ADDA "), QString()},
        {QStringLiteral("SUB "), QStringLiteral("SUBA "), QString()},
        {QStringLiteral("JMP "), QStringLiteral("JUMP "), QString()},
        {QStringLiteral("JPZ "), QStringLiteral("JPL "), QStringLiteral("JZE ")},
        {QStringLiteral("EOR "), QStringLiteral("XOR "), QString()},
    }};
    for (const OldMnemonicEntry& entry : used) map.entries[map.count++] = entry;
    return map;
}

ConversionComments ConversionCommentsFrom(int setting) {
    return setting == 0 ? ConversionComments::None : ConversionComments::Shown;
}

namespace {

// Where the instruction field of a normalised line begins, as the source line parser reads the
// fields: after the label (everything up to the first blank, when the line begins with a character
// other than a blank) and the blanks after it. -1 for a comment line and a line without instruction.
qsizetype InstructionStart(const QString& line) {
    qsizetype i = 0;
    const qsizetype size = line.size();
    if (size > 0 && line[0] == QLatin1Char(';')) return -1;
    while (i < size && line[i] != QLatin1Char(' ')) ++i;
    while (i < size && line[i] == QLatin1Char(' ')) ++i;
    if (i >= size || line[i] == QLatin1Char(';')) return -1;
    return i;
}

void AppendConverted(QString& out, const QString& line, ConversionComments comments) {
    out += line;
    if (comments == ConversionComments::Shown) out += QString::fromUtf16(kConversionMarker);
    out += QLatin1Char('\n');
}

// Converts the first old mnemonic of the map that the line holds, anywhere on the line. One that
// is the line's instruction and has a first text becomes two lines; the label, when there is one,
// stays on the first of them, the second gets blanks in its place so that the columns still line
// up and no label is defined twice.
void ConvertLine(const QString& line, const OldMnemonicMap& map, ConversionComments comments, QString& out) {
    const QString padded = line + QLatin1Char(' ');
    for (int i = 0; i < map.count; ++i) {
        const OldMnemonicEntry& entry = map.entries[i];
        qsizetype at = padded.indexOf(entry.oldText);
        if (at < 0) continue;
        const qsizetype instruction = InstructionStart(line);
        const bool split = !entry.firstText.isEmpty() && instruction >= 0 &&
                           QStringView(padded).mid(instruction).startsWith(entry.oldText);
        if (split) at = instruction;
        const QString left = padded.left(at);
        const QString right = line.mid(at + entry.oldText.size());
        if (split) {
            AppendConverted(out, left + entry.firstText + right, comments);
            AppendConverted(out, QString(left.size(), QLatin1Char(' ')) + entry.newText + right, comments);
        } else {
            AppendConverted(out, left + entry.newText + right, comments);
        }
        if (comments == ConversionComments::Shown) out += QString::fromUtf16(kOldLinePrefix) + line;
        out += QLatin1Char('\n');
        return;
    }
    out += line + QLatin1Char('\n');
}

}  // namespace

QString ConvertOldCasl(const QString& text, const OldMnemonicMap& map, ConversionComments comments,
                       LoopSlice& slice) {
    QString out;
    out.reserve(text.size() + text.size() / 2);
    for (qsizetype position = 0; position < text.size();) {
        const TextLine line = LineAt(text, position);
        ConvertLine(ToHalfWidth(text.mid(line.start, line.length)), map, comments, out);
        slice.tick(line.start);
        position = line.next;
    }
    return out;
}

}  // namespace kv
