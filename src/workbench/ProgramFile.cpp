#include "workbench/ProgramFile.h"

#include <QRegularExpression>
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
    result.read = ReadTextFile(path);
    if (result.read.problem != ReadProblem::None) return result;
    result.status = 0;
    if (result.read.text.isEmpty()) return result;
    QStringList lines = linesOf(result.read.text);
    result.read.text.clear();
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

QString ProgramFileText(const QString& text) {
    QString content = QString::fromUtf16(kProgramFileHeader) + QStringLiteral("\r\n") + text + QStringLiteral("\r\n");
    content.replace(QRegularExpression(QStringLiteral("\r?\n")), QStringLiteral("\r\n"));
    return content;
}

WriteProblem WriteProgramFile(const QString& path, const QString& text, cp932::FileEncoding encoding) {
    return WriteTextFile(path, cp932::encodeFile(ProgramFileText(text), encoding));
}

EncodedProgramFile EncodeProgramFile(const QString& text) {
    QString contents = QString::fromUtf16(kProgramFileHeader) + QLatin1Char('\n') + WithNewlines(text);
    if (!contents.endsWith(QLatin1Char('\n'))) contents += QLatin1Char('\n');
    contents.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const cp932::FileEncoding encoding = cp932::encodingFor(contents);
    return {cp932::encodeFile(contents, encoding), encoding};
}

}  // namespace kv
