#include "simulator/Trace.h"

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"

namespace kv {

namespace {

// Column widths of the five notations in the heading.
constexpr int kHeadingWidth[5] = {20, 6, 5, 5, 2};
constexpr int kProgramWidth = 40;
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kBlanks[] = "                                        ";
static_assert(sizeof(kBlanks) == kProgramWidth + 1, "enough blanks for the widest padding");

// Heading width of a notation; anything else is shown as hexadecimal.
int widthOf(int form) { return form >= notation::Binary && form <= notation::Character ? kHeadingWidth[form] : 5; }

void appendBlanks(QString& s, int n) { s.append(QLatin1String(kBlanks, n)); }

void appendHexDigits(QString& s, std::int32_t v) {
    for (int shift = 12; shift >= 0; shift -= 4) s.append(QLatin1Char(kHexDigits[(v >> shift) & 0xF]));
}

void appendRegisterHeadings(QString& h, const TraceOptions& o) {
    for (int i = 0; i < 8; ++i) {
        if (!o.registers[i]) continue;
        h.append(QLatin1String("GR"));
        h.append(QLatin1Char(char('0' + i)));
        const int form = o.registerNotation[i];
        appendBlanks(h, form == notation::Character ? 1 : widthOf(form) - 2);
    }
}

void appendMemoryHeadings(QString& h, const TraceOptions& o) {
    const int form = o.memoryNotation;
    for (const MemoryRange& range : o.memoryRanges)
        for (std::int32_t a = range.first; a <= range.last; ++a) {
            h.append(QLatin1Char('M'));
            appendHexDigits(h, a);
            appendBlanks(h, form == notation::Character ? 1 : widthOf(form) - 4);
        }
}


int clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

void TraceOptions::load(const TraceSettings& s) {
    const auto& v = s.options;
    nextAddress = v[0];
    effectiveAddress = v[1];
    contentsOfEA = v[2];
    frBits = v[3];
    frJapanese = v[4];
    stackPointer = v[5];
    topStack = v[6];
    stackWords = clamp(v[7], 0, 2) + 1;
    programLine = v[8];
    fNotation = v[9];
    showWindow = v[10];
}

TraceSettings TraceOptions::stored() const {
    TraceSettings s;
    s.options = {nextAddress, effectiveAddress, contentsOfEA, frBits, frJapanese, stackPointer, topStack,
                 static_cast<std::uint8_t>(stackWords - 1), programLine, fNotation, showWindow};
    return s;
}

QString TraceHeader(const TraceOptions& o) {
    QString h;
    h.reserve(256);
    h.append(QLatin1String("ADDR  "));
    if (o.nextAddress) h.append(QStringLiteral("→PR  "));
    if (o.effectiveAddress) h.append(QLatin1String("EA    "));
    if (o.contentsOfEA) h.append(QLatin1String("M(EA) "));
    if (o.frBits) h.append(QLatin1String("FR "));
    if (o.frJapanese) h.append(QStringLiteral("( 日 ) "));
    else if (o.frBits) appendBlanks(h, 5);
    appendRegisterHeadings(h, o);
    appendMemoryHeadings(h, o);
    if (o.stackPointer) {
        h.append(QStringLiteral("SP　　"));
        if (o.topStack)
            for (int k = 0; k < o.stackWords; ++k) {
                h.append(QLatin1String("M(SP+"));
                h.append(QLatin1Char(char('0' + k)));
                h.append(QLatin1String(") "));
            }
    }
    if (o.programLine) {
        h.append(QStringLiteral("　　　プログラム"));
        appendBlanks(h, 24);
    }
    if (o.fNotation) h.append(QStringLiteral("　　　F式表記"));
    h.append(QLatin1Char('\n'));
    return h;
}

}  // namespace kv
