#include "simulator/Trace.h"

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "simulator/WordDisplay.h"
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

// "#hhhh" of the 16-bit pattern, without building a string of its own.
void appendHex(QString& s, std::int32_t v) {
    s.append(QLatin1Char('#'));
    appendHexDigits(s, v);
}

void appendWord(QString& s, std::int32_t value, int form, Boxes& host) {
    const std::int32_t w = value & 0xFFFF;
    switch (form) {
        case notation::Binary: s.append(FormatBinaryWord(w)); break;
        case notation::Signed: s.append(FormatSignedWord(w, host)); break;
        case notation::Unsigned: s.append(FormatUnsignedWord(w, host)); break;
        case notation::Character: s.append(FormatCharWord(w)); break;
        default: appendHex(s, w); break;
    }
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

// "#hhhh " of value, or six blanks when the instruction has no effective address.
void appendAddressColumn(QString& s, std::int32_t ea, std::int32_t value) {
    if (ea == -1) {
        appendBlanks(s, 6);
        return;
    }
    appendHex(s, value);
    s.append(QLatin1Char(' '));
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

void TraceLine(QString& line, const TraceOptions& o, const MachineState& m, const AssemblyState& assembly,
               Boxes& host) {
    line.resize(0);
    line.reserve(256);
    appendHex(line, m.PR);
    line.append(QLatin1Char(' '));
    if (o.nextAddress) {
        appendHex(line, m.nextPR);
        line.append(QLatin1Char(' '));
    }
    if (o.effectiveAddress) appendAddressColumn(line, m.EA, m.EA);
    if (o.contentsOfEA) {
        if (m.EA != -1 && !m.inArea(m.EA)) line.append(QLatin1String("#???? "));
        else appendAddressColumn(line, m.EA, m.EA == -1 ? 0 : m.word(m.EA));
    }
    const QChar fr[3] = {QLatin1Char(m.OF), QLatin1Char(m.SF), QLatin1Char(m.ZF)};
    if (o.frBits) line.append(fr, 3);
    if (o.frJapanese) {
        line.append(QLatin1Char('('));
        line.append(FormatFlagWord(QString::fromRawData(fr, 3), host));
        line.append(QLatin1String(") "));
    } else if (o.frBits) {
        appendBlanks(line, 5);
    }
    for (int i = 0; i < 8; ++i) {
        if (!o.registers[i]) continue;
        appendWord(line, m.GR[i], o.registerNotation[i], host);
        appendBlanks(line, o.registerNotation[i] == notation::Character ? 2 : 1);
    }
    for (const MemoryRange& range : o.memoryRanges)
        for (std::int32_t a = range.first; a <= range.last; ++a) {
            if (m.inArea(a)) appendWord(line, m.word(a), o.memoryNotation, host);
            else line.append(QLatin1String("#????"));
            line.append(QLatin1Char(' '));
        }
    if (o.stackPointer) {
        appendHex(line, m.SP);
        appendBlanks(line, 2);
        if (o.topStack)
            for (int k = 0; k < o.stackWords; ++k) {
                const std::int32_t a = m.SP + k;
                if (a > m.userEnd + 1 || !m.holds(a)) line.append(QLatin1String("#????"));
                else appendHex(line, m.word(a));
                appendBlanks(line, 3);
            }
    }
    if (o.programLine || o.fNotation) {
        const ListingLine& listed = assembly.line(m.inArea(m.PR) ? m.lineOfAddress[m.PR - m.userStart] : 0);
        const int length = int(listed.text.size());
        if (o.programLine) line.append(QStringView(listed.text).left(kProgramWidth));
        if (o.fNotation) {
            if (o.programLine && length < kProgramWidth) appendBlanks(line, kProgramWidth - length);
            line.append(QStringLiteral("：　"));
            line.append(listed.fNotation);
        }
    }
    line.append(QLatin1Char('\n'));
}

}  // namespace kv
