#pragma once
// Program files: the header line ";*** [KavoraⅡ] ***", then the source, with CR LF, in code page
// 932 (or UTF-8 with a byte order mark for a text the code page cannot store).

#include <QByteArray>
#include <QString>

#include "machine/CodePage932.h"
#include "workbench/TextFiles.h"

namespace kv {

class Boxes;

inline constexpr char16_t kProgramFileHeader[] = u";*** [KavoraⅡ] ***";

struct ProgramText {
    int status = 9;  // 0 read, 9 failed (nothing to show)
    QString text;    // lines joined with "\n", no line break at the end
    TextFileRead read;  // why the file could not be read; None for a file holding only the header
};

// Reads a program file. A file without the header line is read whole after a notice through the
// host; a file holding only the header, or one that cannot be read, fails without a box (the
// caller decides, with read.problem, what to tell). Files in UTF-8 (with a byte order mark, or valid
// UTF-8 with non-ASCII characters) are read as UTF-8.
ProgramText ReadProgramFile(const QString& path, Boxes& host);

// The file's contents: the header, the text and one line break at the end, with CR LF.
QString ProgramFileText(const QString& text);
// Writes the program file in the encoding.
WriteProblem WriteProgramFile(const QString& path, const QString& text,
                              cp932::FileEncoding encoding = cp932::FileEncoding::CodePage932);

struct EncodedProgramFile {
    QByteArray bytes;
    cp932::FileEncoding encoding = cp932::FileEncoding::CodePage932;
};

// The bytes of a program file holding the text: the header line, the text and one line break at the
// end (none added when the text already ends with one), every line break as CR LF. Code page 932
// when it can store every character of the text; otherwise UTF-8 with a byte order mark, so that no
// character is lost (ReadProgramFile reads both).
EncodedProgramFile EncodeProgramFile(const QString& text);

}  // namespace kv
