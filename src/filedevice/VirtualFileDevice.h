#pragma once
// The virtual file device: a text of bracketed records that IN reads instead of the keyboard, so
// that a program can be tested again and again with the same data. One line is one record, written
// between half-width brackets; the line "[END]" ends the file. A line counts only when a line break
// follows it. Lines are separated by "\n" in memory; "\r\n" (as files and text boxes bring it) reads
// the same.

#include <QString>
#include <cstdint>

#include "machine/ErrorState.h"

namespace kv {

enum class InputDevice { Keyboard, VirtualFile };

// The outcome of one read. A failing status is also the result of the IN that read it.
enum class RecordStatus {
    Record = 0,        // a record
    End = 1,           // the "[END]" line
    PastEnd = 5,       // a read after the end (error 453)
    NotBracketed = 7,  // a line not enclosed in brackets (459)
    TooShort = 8,      // a line shorter than 2 characters (455)
    NoEnd = 9,         // no further line with a line break (451)
};

struct RecordRead {
    RecordStatus status = RecordStatus::Record;
    QString record;
};

class VirtualFileDevice {
public:
    // The five lines the window shows when it is loaded.
    static QString InitialRecordText();

    InputDevice inputDevice = InputDevice::Keyboard;
    // What IN stores as the length when it reads "[END]": -1 (a file) or 0 (an empty keyboard line).
    std::int16_t endOfFileValue = -1;
    QString recordText = InitialRecordText();

    // Where the reader stands: the line the next read takes, and whether "[END]" was read.
    struct ReaderPosition {
        int position = 0;
        bool endReached = false;
    };

    // A run starts: the next read takes the first line.
    void ResetRecordReader();
    // A step taken back puts the reader back where it stood before that step.
    ReaderPosition readerPosition() const { return {position_, endReached_}; }
    void RestoreReader(const ReaderPosition& reader) {
        position_ = reader.position;
        endReached_ = reader.endReached;
    }
    // The next record; a failing status leaves its error code in error.
    RecordRead ReadNextRecord(ErrorState& error);
    // The check of "設定終了": None when bracketed lines lead to an "[END]" line, 459 at the first
    // line that is not enclosed in brackets, 451 when no "[END]" line is met.
    ErrorCode CheckRecordText() const;

private:
    int position_ = 0;  // index of the first character of the next line to read
    bool endReached_ = false;
};

}  // namespace kv
