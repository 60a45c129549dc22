#include "filedevice/VirtualFileDevice.h"

#include <QStringView>

#include "machine/ErrorState.h"

namespace kv {

namespace {

// One line of the record text that a line break ends.
struct Line {
    QStringView text;  // without the line break
    int next = 0;      // index just after the line break
};

// The line starting at from; false when no line break follows it (such a line is never read).
bool lineAt(const QString& text, int from, Line& line) {
    const int lf = text.indexOf(QLatin1Char('\n'), from);
    if (lf < 0) return false;
    int end = lf;
    if (end > from && text.at(end - 1) == QLatin1Char('\r')) --end;
    line.text = QStringView(text).mid(from, end - from);
    line.next = lf + 1;
    return true;
}

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' ')) text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) text.chop(1);
    return text;
}

bool bracketed(QStringView text) {
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

constexpr QLatin1String kEnd("[END]");

RecordRead failure(ErrorState& error, RecordStatus status, ErrorCode code) {
    error.raise(code);
    return {status, QString()};
}

}  // namespace

QString VirtualFileDevice::InitialRecordText() {
    return QStringLiteral("[ここにレコードを半角で書く]\n"
                          "[ここにレコードを半角で書く]\n"
                          "[END]\n"
                          "\n"
                          "[テストしないレコードを置いておくことができる。]");
}

void VirtualFileDevice::ResetRecordReader() {
    position_ = 0;
    endReached_ = false;
}

RecordRead VirtualFileDevice::ReadNextRecord(ErrorState& error) {
    if (endReached_) return failure(error, RecordStatus::PastEnd, ErrorCode::RecordsPastEnd);
    Line line;
    if (!lineAt(recordText, position_, line)) return failure(error, RecordStatus::NoEnd, ErrorCode::RecordsWithoutEnd);
    const QStringView trimmed = trimBlanks(line.text);
    if (line.text.size() < 2) return failure(error, RecordStatus::TooShort, ErrorCode::RecordTooShort);
    if (!bracketed(trimmed)) return failure(error, RecordStatus::NotBracketed, ErrorCode::RecordNotBracketed);
    if (trimmed == kEnd) {
        endReached_ = true;
        return {RecordStatus::End, QString()};
    }
    position_ = line.next;
    return {RecordStatus::Record, trimmed.mid(1, trimmed.size() - 2).toString()};
}

ErrorCode VirtualFileDevice::CheckRecordText() const {
    Line line;
    for (int from = 0; lineAt(recordText, from, line); from = line.next) {
        if (!bracketed(line.text)) return ErrorCode::RecordNotBracketed;
        if (line.text == kEnd) return ErrorCode::None;
    }
    return ErrorCode::RecordsWithoutEnd;
}

}  // namespace kv
