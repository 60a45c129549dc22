#include "workbench/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "machine/CodePage932.h"

namespace kv {

TextFileRead ReadTextFile(const QString& path) {
    TextFileRead read;
    const QFileInfo info(path);
    if (info.isDir()) {
        read.problem = ReadProblem::Folder;
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = info.exists() ? ReadProblem::Unreadable : ReadProblem::Missing;
        return read;
    }
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.problem = ReadProblem::Unreadable;
    } else if (bytes.size() > kMaxTextFileBytes) {
        read.problem = ReadProblem::TooLarge;
    } else if (bytes.contains('\0')) {
        read.problem = ReadProblem::NotText;
    } else {
        read.text = cp932::decodeTextFile(bytes, read.badLine);
        if (read.badLine > 0) {
            read.problem = ReadProblem::BadBytes;
            read.text.clear();
        }
    }
    return read;
}

QString ReadProblemText(const TextFileRead& read, const QString& path) {
    QString reason;
    switch (read.problem) {
        case ReadProblem::None: return QString();
        case ReadProblem::Missing: reason = QStringLiteral("ファイルが見つかりません。"); break;
        case ReadProblem::Unreadable: reason = QStringLiteral("ファイルを読み込めません。"); break;
        case ReadProblem::Folder: reason = QStringLiteral("フォルダは開けません。ファイルを選んでください。"); break;
        case ReadProblem::TooLarge: reason = QStringLiteral("ファイルが大きすぎます（1MBまで読み込めます）。"); break;
        case ReadProblem::NotText:
            reason = QStringLiteral("テキストファイルではありません。CASLⅡのプログラムファイルを選んでください。");
            break;
        case ReadProblem::BadBytes:
            reason = QString::number(read.badLine) +
                     QStringLiteral("行目に、シフトJISでもUTF-8でもない文字コードがあります。");
            break;
    }
    return reason + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

WriteProblem WriteTextFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    // A file whose owner may not write it is protected, even from a user (root) the system would let.
    const bool protectedFile = !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
    if (info.exists() && (!info.isFile() || protectedFile)) return WriteProblem::ReadOnly;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return WriteProblem::Failed;
    const bool written = file.write(bytes) == bytes.size();
    if (written && file.commit()) return WriteProblem::None;
    const bool full = file.error() == QFileDevice::ResourceError;
    file.cancelWriting();
    return full ? WriteProblem::DiskFull : WriteProblem::Failed;
}

QString WriteProblemText(WriteProblem problem, const QString& path) {
    QString reason;
    switch (problem) {
        case WriteProblem::None: return QString();
        case WriteProblem::ReadOnly: reason = QStringLiteral("書き込み禁止になっています。"); break;
        case WriteProblem::DiskFull: reason = QStringLiteral("ディスクに書き込むスペースがありません。"); break;
        case WriteProblem::Failed: reason = QStringLiteral("ファイルに書き込めませんでした。"); break;
    }
    return reason + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

}  // namespace kv
