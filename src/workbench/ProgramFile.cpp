#include "workbench/ProgramFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include "editor/TextLines.h"
#include "machine/CodePage932.h"
#include "host/Host.h"

namespace kv {

namespace {

// The lines of a text; a line break at the very end starts no further line.
QStringList linesOf(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

ProgramText ReadProgramFile(const QString& path, Boxes& host) {
    ProgramText result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return result;
    result.status = 0;
    if (bytes.isEmpty()) return result;
    QStringList lines = linesOf(cp932::decodeTextFile(bytes));
    if (lines.isEmpty()) lines << QString();
    if (lines.first() != QString::fromUtf16(kProgramFileHeader)) {
        host.messageBox(QStringLiteral("『KavoraⅡ』のファイルではありません。\n形式を変更します。"),
                        QStringLiteral("『KavoraⅡ』"), BoxIcon::None);
    } else if (lines.size() < 2) {
        result.status = 9;  // the header alone: the second line is read past the end of the file
        return result;
    } else {
        lines.removeFirst();
    }
    result.text = lines.join(QLatin1Char('\n'));
    return result;
}

bool WriteProgramFile(const QString& path, const QString& text) {
    QString content = QString::fromUtf16(kProgramFileHeader) + QStringLiteral("\r\n") + text + QStringLiteral("\r\n");
    content.replace(QRegularExpression(QStringLiteral("\r?\n")), QStringLiteral("\r\n"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(cp932::encode(content));
    return file.commit();
}

EncodedProgramFile EncodeProgramFile(const QString& text) {
    QString content = QString::fromUtf16(kProgramFileHeader) + QLatin1Char('\n') + WithNewlines(text);
    if (!content.endsWith(QLatin1Char('\n'))) content += QLatin1Char('\n');
    content.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    EncodedProgramFile file;
    if (std::optional<QByteArray> bytes = cp932::encodeExactly(content)) {
        file.bytes = std::move(*bytes);
        return file;
    }
    file.encoding = ProgramFileEncoding::Utf8WithByteOrderMark;
    file.bytes = QByteArrayLiteral("\xEF\xBB\xBF") + content.toUtf8();
    return file;
}

}  // namespace kv
