#pragma once
// The ways a machine word is shown: on the panels, in the trace, by SVC and in the dumps.

#include <QString>
#include <cstdint>

namespace kv {

// Four upper-case hexadecimal digits without "#" (the last four digits of the value).
QString HexWord(std::int64_t value);
// "#" and HexWord.
QString FormatHexWord(std::int64_t value);
// True for a value a word can hold during assembly or a run: -32768 to 65535. The formats show
// any value by its last 16 bits; a value outside this range is a fault for the caller to report.
bool IsWordValue(std::int64_t value);
// The word read as signed: "0", "+255", "-32768", padded on the left to 6 characters.
QString FormatSignedWord(std::int64_t value);
// The word read as unsigned, padded on the left to 5 characters.
QString FormatUnsignedWord(std::int64_t value);
// One full-width character: the JIS X 0201 character of the code in its full-width form, "□" for a
// blank and "※" for a control code or a code without a character.
QString FormatCharWord(std::int64_t value);
// The character of FormatCharWord.
char16_t CharWordCharacter(std::int64_t value);
// Four groups of four binary digits, each followed by a blank (20 characters).
QString FormatBinaryWord(std::int64_t value);
// The Japanese form of the 3-character flag register, e.g. " 正 " for "000"; "" for a text that
// cannot arise.
QString FormatFlagWord(const QString& fr);
// For a flag text that cannot arise, the number of its internal fault: 1 for sign and zero both
// set, 2 for anything else; 0 for a flag text that can arise.
int FlagWordFault(const QString& fr);

}  // namespace kv
