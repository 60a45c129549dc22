#pragma once
// Program files: the header line ";*** [KavoraⅡ] ***", then the source, in code page 932 with CR LF.

#include <QByteArray>
#include <QString>

namespace kv {

class Boxes;

inline constexpr char16_t kProgramFileHeader[] = u";*** [KavoraⅡ] ***";

struct ProgramText {
    int status = 9;  // 0 read, 9 failed (nothing to show)
    QString text;    // lines joined with "\n", no line break at the end
};

// Reads a program file. A file without the header line is read whole after a notice through the
// host; a file holding only the header, or one that cannot be read, fails silently. Files in UTF-8
// (with a byte order mark, or valid UTF-8 with non-ASCII characters) are read as UTF-8.
ProgramText ReadProgramFile(const QString& path, Boxes& host);

// Writes the header, the text and one line break at the end, with CR LF, in code page 932.
bool WriteProgramFile(const QString& path, const QString& text);

enum class ProgramFileEncoding { CodePage932, Utf8WithByteOrderMark };

struct EncodedProgramFile {
    QByteArray bytes;
    ProgramFileEncoding encoding = ProgramFileEncoding::CodePage932;
};

// The bytes of a program file holding the text: the header line, the text and one line break at the
// end (none added when the text already ends with one), every line break as CR LF. Code page 932
// when it can store every character of the text; otherwise UTF-8 with a byte order mark, so that no
// character is lost (ReadProgramFile reads both).
EncodedProgramFile EncodeProgramFile(const QString& text);

}  // namespace kv
