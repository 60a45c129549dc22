#pragma once
// Code page 932 (Shift_JIS as Windows has it) at the edges of the program: files, DC character
// constants and the character codes that IN and OUT move between text and memory.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace kv::cp932 {

// The text in code page 932; a character the code page lacks becomes "?".
QByteArray encode(const QString& text);
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
// The same, telling where the bytes are no code page 932: the 1-based line of the first invalid
// sequence, 0 when the text decoded cleanly.
QString decodeTextFile(const QByteArray& bytes, int& badLine);

// A character the code page lacks, with the 1-based line it stands on.
struct UnstorableCharacter {
    int line = 0;
    QString character;  // one character or one surrogate pair
    friend bool operator==(const UnstorableCharacter& a, const UnstorableCharacter& b) {
        return a.line == b.line && a.character == b.character;
    }
};
// The first characters of the text (at most limit of them) that code page 932 cannot store, in
// order; empty when it can store the whole text.
QVector<UnstorableCharacter> unstorableCharacters(const QString& text, int limit);

// How the program writes a text file: code page 932, or UTF-8 with a byte order mark for a text
// that holds characters the code page lacks (the readers accept both).
enum class FileEncoding { CodePage932, Utf8WithBom };
// Code page 932 when it can store the whole text, else UTF-8 with a byte order mark.
FileEncoding encodingFor(const QString& text);
QByteArray encodeFile(const QString& text, FileEncoding encoding);

}  // namespace kv::cp932
