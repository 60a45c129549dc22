// The trace record of one executed instruction. A traced run writes millions of them, so each is
// written straight into the characters of the text that collects them: room for the longest record
// first, then the pieces, hexadecimal digits two at a time from a table, the Japanese flag register
// from a table, then the text is cut to what was written.

#include <QStringView>
#include <array>
#include <string_view>

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "simulator/Trace.h"
#include "simulator/WordDisplay.h"

namespace kv {

namespace {

constexpr int kProgramWidth = 40;

// Two hexadecimal digits of each byte, as the two characters they are in memory.
constexpr std::array<char16_t, 512> kHexPairs = [] {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::array<char16_t, 512> pairs{};
    for (int b = 0; b < 256; ++b) {
        pairs[2 * b] = digits[b >> 4];
        pairs[2 * b + 1] = digits[b & 0xF];
    }
    return pairs;
}();

// The Japanese forms of the flag register by the flags "0", "1", "?" (0, 1, 2) of OF, SF, ZF, as
// index 9 OF + 3 SF + ZF; empty for a register that cannot arise.
constexpr std::u16string_view kJapaneseFlags[27] = {
    u" 正 ", u" 零 ", {}, u" 負 ", {}, {}, {}, {}, {}, u"あ正", u"あ零", {}, u"あ負", {},
    {},      {},      {}, {},      {}, {}, {}, {}, {}, {},      {},      {}, u" ？ ",
};

// The flags "0", "1", "?" as 0, 1, 2, by their character code; 27 (too large an index once added up)
// for any other character.
constexpr std::array<std::uint8_t, 256> kFlagIndex = [] {
    std::array<std::uint8_t, 256> index{};
    for (std::uint8_t& i : index) i = 27;
    index['0'] = 0;
    index['1'] = 1;
    index['?'] = 2;
    return index;
}();

// The table's form of the machine's flag register, empty when it cannot arise.
std::u16string_view japaneseFlags(const MachineState& m) {
    const int of = kFlagIndex[static_cast<unsigned char>(m.OF)],
              sf = kFlagIndex[static_cast<unsigned char>(m.SF)],
              zf = kFlagIndex[static_cast<unsigned char>(m.ZF)];
    const int index = 9 * of + 3 * sf + zf;
    return index < 27 ? kJapaneseFlags[index] : std::u16string_view();
}

// Writes characters from a position of a text whose room was made beforehand.
class RecordWriter {
  public:
    explicit RecordWriter(char16_t* at) : p_(at) {}
    char16_t* end() const { return p_; }

    void put(char16_t c) { *p_++ = c; }
    void put(QStringView text) {
        std::copy(text.utf16(), text.utf16() + text.size(), p_);
        p_ += text.size();
    }
    void put(const char16_t* text, int n) {
        std::copy(text, text + n, p_);
        p_ += n;
    }
    void blanks(int n) {
        for (int i = 0; i < n; ++i) *p_++ = u' ';
    }
    // The four hexadecimal digits of the 16-bit pattern.
    void hexDigits(std::int64_t value) {
        put(&kHexPairs[2 * ((value >> 8) & 0xFF)], 2);
        put(&kHexPairs[2 * (value & 0xFF)], 2);
    }
    // "#hhhh".
    void hex(std::int64_t value) {
        put(u'#');
        hexDigits(value);
    }
    // The digits of n, right-justified in width characters, a sign before them when sign is not 0.
    void decimal(std::uint32_t n, char16_t sign, int width) {
        char16_t digits[6];
        int count = 0;
        do {
            digits[count++] = static_cast<char16_t>(u'0' + n % 10);
            n /= 10;
        } while (n != 0);
        if (sign != 0) digits[count++] = sign;
        blanks(width - count);
        while (count > 0) put(digits[--count]);
    }
    // A word in one of the five notations (anything else as hexadecimal), as the word formats show it.
    void word(std::int32_t value, int form) {
        const std::uint32_t w = static_cast<std::uint32_t>(value) & 0xFFFF;
        switch (form) {
            case notation::Binary:
                for (int group = 3; group >= 0; --group) {
                    for (int b = 3; b >= 0; --b) put((w >> (group * 4 + b)) & 1 ? u'1' : u'0');
                    put(u' ');
                }
                break;
            case notation::Signed: {
                const int s = static_cast<std::int16_t>(w);
                decimal(static_cast<std::uint32_t>(s < 0 ? -s : s), s > 0 ? u'+' : s < 0 ? u'-' : 0, 6);
                break;
            }
            case notation::Unsigned: decimal(w, 0, 5); break;
            case notation::Character: put(CharWordCharacter(w)); break;
            default: hex(w); break;
        }
    }

  private:
    char16_t* p_;
};

// The longest record the options can give, the F-notation text aside.
qsizetype longestRecord(const TraceOptions& o) {
    constexpr int kWordWidth = 20 + 2;  // binary and its blanks, the widest notation
    qsizetype words = 0;
    for (const MemoryRange& range : o.memoryRanges)
        if (range.last >= range.first) words += range.last - range.first + 1;
    return 6 * 4 + 3 + 7 + 8 * kWordWidth + words * kWordWidth + 7 + 8 * std::max(o.stackWords, 0) +
           2 * kProgramWidth + 2 + 1;
}

}  // namespace

bool TraceLineReportsFault(const TraceOptions& o, const MachineState& m) {
    return o.frJapanese && japaneseFlags(m).empty();
}

void TraceLine(QString& line, const TraceOptions& options, const MachineState& machine,
               const AssemblyState& assembly, Boxes& host) {
    line.resize(0);
    AppendTraceLine(line, options, machine, assembly, host);
}

void AppendTraceLine(QString& text, const TraceOptions& o, const MachineState& m,
                     const AssemblyState& assembly, Boxes& host) {
    const char16_t fr[3] = {static_cast<unsigned char>(m.OF), static_cast<unsigned char>(m.SF),
                            static_cast<unsigned char>(m.ZF)};
    // A register that cannot arise is reported here and shows as nothing.
    QString faultyFlags;
    const std::u16string_view japanese = o.frJapanese ? japaneseFlags(m) : std::u16string_view();
    if (o.frJapanese && japanese.empty()) faultyFlags = FormatFlagWord(QString::fromUtf16(fr, 3), host);
    const ListingLine* listed = nullptr;
    if (o.programLine || o.fNotation)
        listed = &assembly.line(m.inArea(m.PR) ? m.lineOfAddress[m.PR - m.userStart] : 0);

    const qsizetype start = text.size();
    text.resize(start + longestRecord(o) + (listed ? listed->fNotation.size() : 0) + faultyFlags.size());
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    RecordWriter w(begin + start);

    w.hex(m.PR);
    w.put(u' ');
    if (o.nextAddress) {
        w.hex(m.nextPR);
        w.put(u' ');
    }
    if (o.effectiveAddress) {
        if (m.EA == -1) {
            w.blanks(6);
        } else {
            w.hex(m.EA);
            w.put(u' ');
        }
    }
    if (o.contentsOfEA) {
        if (m.EA == -1) {
            w.blanks(6);
        } else {
            if (m.inArea(m.EA))
                w.hex(m.word(m.EA));
            else
                w.put(u"#????", 5);
            w.put(u' ');
        }
    }
    if (o.frBits) w.put(fr, 3);
    if (o.frJapanese) {
        w.put(u'(');
        w.put(japanese.empty() ? QStringView(faultyFlags) : QStringView(japanese.data(), japanese.size()));
        w.put(u") ", 2);
    } else if (o.frBits) {
        w.blanks(5);
    }
    for (int i = 0; i < 8; ++i) {
        if (!o.registers[i]) continue;
        w.word(m.GR[i], o.registerNotation[i]);
        w.blanks(o.registerNotation[i] == notation::Character ? 2 : 1);
    }
    for (const MemoryRange& range : o.memoryRanges)
        for (std::int32_t a = range.first; a <= range.last; ++a) {
            if (m.inArea(a))
                w.word(m.word(a), o.memoryNotation);
            else
                w.put(u"#????", 5);
            w.put(u' ');
        }
    if (o.stackPointer) {
        w.hex(m.SP);
        w.blanks(2);
        if (o.topStack)
            for (int k = 0; k < o.stackWords; ++k) {
                const std::int64_t a = std::int64_t{m.SP} + k;
                if (a > m.userEnd + 1 || !m.holds(a))
                    w.put(u"#????", 5);
                else
                    w.hex(m.word(static_cast<std::int32_t>(a)));
                w.blanks(3);
            }
    }
    if (listed) {
        const qsizetype length = listed->text.size();
        if (o.programLine) w.put(QStringView(listed->text).left(kProgramWidth));
        if (o.fNotation) {
            if (o.programLine && length < kProgramWidth) w.blanks(kProgramWidth - static_cast<int>(length));
            w.put(u"：　", 2);
            w.put(listed->fNotation);
        }
    }
    w.put(u'\n');
    text.resize(w.end() - begin);
}

}  // namespace kv
