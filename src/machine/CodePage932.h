#pragma once
// Code page 932 (Shift_JIS as Windows has it) at the edges of the program: files, DC character
// constants and the character codes that IN and OUT move between text and memory.

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv::cp932 {

// The text in code page 932; a character the code page lacks becomes "?".
QByteArray encode(const QString& text);
// The text in code page 932, or nothing when the code page lacks one of its characters.
std::optional<QByteArray> encodeExactly(const QString& text);
// Bytes in code page 932 to text; an invalid sequence becomes U+FFFD.
QString decode(const QByteArray& bytes);
// The code of one character (a QString of one character or one surrogate pair): a single byte
// 0..255 or a two-byte code 0x8140..0xFCFC; -1 when the code page lacks the character.
int codeOf(const QString& character);
// The character that a single byte stands for: ASCII, half-width katakana; "?" for a byte that is
// no character on its own.
QChar characterOf(int byte);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(const QByteArray& bytes);
// A text file as learners bring it: UTF-8 when it starts with a byte order mark or is valid UTF-8
// holding non-ASCII characters, code page 932 otherwise.
QString decodeTextFile(const QByteArray& bytes);

}  // namespace kv::cp932
