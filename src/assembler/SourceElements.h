#pragma once
// Small text functions and element checks shared by the parser and the other parts of the program.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace kv {

// Every tab becomes a blank; full-width letters, digits, the full-width forms of ; , ' # = - + and
// the full-width blank become their half-width forms.
QString ToHalfWidth(const QString& text);
// Scanning left to right, a "'" toggles an inside-quotes flag; at the first ";" the rest is copied
// unchanged; letters a to z outside quotes become upper case.
QString UpperOutsideQuotes(const QString& text);
// What a character may be in a label or a number: only half-width capitals and digits count.
enum class CharacterClass { Other = 0, Letter = 11, Digit = 12 };
CharacterClass CharClass(QChar c);
// A single character "0" to "7" becomes "GR0" to "GR7"; anything else is returned unchanged.
QString DigitToRegister(const QString& text);

// The text without the blanks at its ends (other white space is kept).
QStringView TrimBlanks(QStringView text);
QStringView TrimBlanksLeft(QStringView text);
QStringView TrimBlanksRight(QStringView text);

struct ErrorState;

// Element checks of the source line parser. Each returns 0 when the text is accepted and 9 when it
// is rejected, leaving the error code of the rejection in the error state where the grammar has one.

// A general register GR0 to GR7 (trailing blanks ignored); the register found is marked as used.
// Not 3 characters: rejected without a code; "GRO" (letter O): 144; anything else: 151.
int CheckGeneralRegister(QStringView text, int& reg, std::array<bool, 8>& used, ErrorState& error);
// An index register GR1 to GR7 (trailing blanks ignored); the register found is marked as used.
// Not 3 characters: rejected without a code; GR0: 152; "GRO": 154; anything else: 153.
int CheckIndexRegister(QStringView text, int& reg, std::array<bool, 8>& used, ErrorState& error);
// A label used as an operand (blanks around it ignored). "GRO": 144; 9 characters or more: 141;
// GR0 to GR7: 140; a first character other than A-Z or a later one other than A-Z/0-9: 142.
int CheckOperandLabel(QStringView text, ErrorState& error);
// "#" and exactly four upper-case hexadecimal digits; otherwise 161.
int ParseHexConstant(QStringView text, std::int32_t& value, ErrorState& error);
// At most 6 characters of "0123456789+-" spelling a number (an optional sign at the front, then
// digits; whatever follows the digits is not read) from -32768 to 65535; otherwise 162.
int ParseDecimalConstant(QStringView text, std::int32_t& value, ErrorState& error);
// A word count for DS and COPY: the character check of a decimal constant (162), then a value from
// 0 to 65535, else rejected without a code of its own.
int ParseCount(QStringView text, std::int32_t& value, ErrorState& error);
// Enclosed in "'" with every inner quote doubled ("''"), else 163; a control character inside: 164.
int CheckCharConstant(QStringView text, ErrorState& error);

}  // namespace kv
