#include "filedevice/RecordFile.h"

#include <QFile>
#include <QSaveFile>

#include "machine/CodePage932.h"

namespace kv {

namespace {

// The first character (or surrogate pair) of the text that code page 932 lacks; empty when none.
QString Unencodable(const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (cp932::codeOf(character) < 0) return character;
        i += length - 1;
    }
    return QString();
}

}  // namespace

RecordFileResult ReadRecordFile(const QString& path) {
    RecordFileResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.problem = file.errorString();
        return result;
    }
    result.text = cp932::decodeTextFile(bytes);
    result.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    result.ok = true;
    return result;
}

RecordFileResult WriteRecordFile(const QString& path, const QString& text) {
    RecordFileResult result;
    QString content = text;
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    content.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = cp932::encode(content);
    if (bytes.count('?') != content.count(QLatin1Char('?'))) {
        result.problem = QStringLiteral("「%1」は、ファイルに書けない文字です。").arg(Unencodable(content));
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.problem = file.errorString();
        return result;
    }
    result.text = text;
    result.ok = true;
    return result;
}

}  // namespace kv
