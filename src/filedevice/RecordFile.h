#pragma once
// Data files of the virtual file device ("*.csd"): the record text in code page 932 with CR LF line
// breaks. A file holds the record text exactly, so that saving and opening again gives back the same
// text, and a file whose last line "[END]" ends with a line break reads as a complete record text.

#include <QString>

namespace kv {

struct RecordFileResult {
    bool ok = false;
    QString text;     // the record text read, line breaks as "\n"
    QString problem;  // why the file could not be read or written
};

// Reads a data file (code page 932, or UTF-8 as text editors on Linux write it). Every line break
// of the file stays, the last one included.
RecordFileResult ReadRecordFile(const QString& path);

// Writes the record text with CR LF line breaks and nothing added. A character that code page 932
// lacks is refused (nothing is written) rather than replaced.
RecordFileResult WriteRecordFile(const QString& path, const QString& text);

}  // namespace kv
