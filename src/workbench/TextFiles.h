#pragma once
// Reading and writing the learner's text files safely: a file that is no text, too large, or not
// in a code the program reads is refused with the reason instead of filling the editor with
// garbage, and a write goes to a temporary file that replaces the old one only when it is complete,
// so a failed save never truncates what was there.

#include <QByteArray>
#include <QString>

namespace kv {

enum class ReadProblem {
    None,
    Missing,     // no such file (it may have gone since the dialog listed it)
    Unreadable,  // the system refused to read it
    Folder,      // a folder, not a file
    TooLarge,    // more than kMaxTextFileBytes
    NotText,     // holds NUL bytes: a program, a picture, ...
    BadBytes,    // bytes that are neither code page 932 nor UTF-8
};

// Program sources are short: a megabyte holds some 25,000 lines.
inline constexpr qint64 kMaxTextFileBytes = 1 << 20;

struct TextFileRead {
    ReadProblem problem = ReadProblem::None;
    QString text;     // decoded; line breaks as in the file
    int badLine = 0;  // BadBytes: the 1-based line of the first invalid bytes
};

// Reads a text file in code page 932 or UTF-8 (see cp932::decodeTextFile).
TextFileRead ReadTextFile(const QString& path);
// The learner's explanation of a problem (None gives the empty text).
QString ReadProblemText(const TextFileRead& read, const QString& path);

enum class WriteProblem {
    None,
    ReadOnly,  // the file exists and is write-protected
    DiskFull,
    Failed,    // any other refusal: no such folder, no permission, ...
};

// Writes the bytes to a temporary file beside the target and renames it over the target.
WriteProblem WriteTextFile(const QString& path, const QByteArray& bytes);
// The learner's explanation of a problem (None gives the empty text).
QString WriteProblemText(WriteProblem problem, const QString& path);

}  // namespace kv
