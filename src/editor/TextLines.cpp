#include "editor/TextLines.h"

namespace kv {

TextLine LineAt(const QString& text, qsizetype start) {
    TextLine line;
    line.start = start;
    qsizetype end = start;
    const qsizetype size = text.size();
    while (end < size && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r')) ++end;
    line.length = end - start;
    if (end < size && text[end] == QLatin1Char('\r') && end + 1 < size && text[end + 1] == QLatin1Char('\n'))
        ++end;
    line.next = end < size ? end + 1 : size;
    return line;
}

QString WithNewlines(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

}  // namespace kv
