#pragma once
// Numbers and addresses as the learner types them into the fields of a dialog or a system command.

#include <QString>
#include <cstdint>

namespace kv {

// The number a field's text begins with, rounded to a whole number (halves to the even neighbour):
// blanks around it, a sign, digits, a decimal point and an exponent ("1.5e2") are read; reading
// stops at the first character that continues no number, and a text that begins with none reads
// as 0. Full-width digits, signs and points read as their half-width forms. A value beyond the
// 32-bit range is brought to the nearest end of that range.
std::int64_t ReadWholeNumber(const QString& text);

// A hexadecimal constant as the assembler writes it: exactly "#" and four upper-case hexadecimal
// digits. The value 0 to 65535, or -1 for any other text.
std::int32_t ParseHexField(const QString& text);

}  // namespace kv
