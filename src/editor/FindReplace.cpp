#include "editor/FindReplace.h"

#include <QRegularExpression>
#include <QStringList>

#include "editor/LoopSlice.h"
#include "editor/TextLines.h"

namespace kv {

namespace {

void Found(QVector<TextRange>& found, qsizetype start, qsizetype length, LoopSlice& slice) {
    found.push_back({static_cast<int>(start), static_cast<int>(length)});
    slice.tick(start);
}

// A search text over several lines: its pieces joined by any form of line break.
QRegularExpression AcrossLines(const QString& search) {
    QStringList pieces = search.split(QLatin1Char('\n'));
    for (QString& piece : pieces) piece = QRegularExpression::escape(piece);
    return QRegularExpression(pieces.join(QStringLiteral("(?:\\r\\n|\\n|\\r)")));
}

void Append(ReplacedText& result, QStringView piece, Rgb colour) {
    if (piece.isEmpty()) return;
    if (!result.runs.isEmpty() && result.runs.last().colour == colour)
        result.runs.last().length += static_cast<int>(piece.size());
    else
        result.runs.push_back({static_cast<int>(result.text.size()), static_cast<int>(piece.size()), colour});
    result.text += piece;
}

}  // namespace

QVector<TextRange> FindAll(const QString& text, const QString& search, LoopSlice& slice) {
    QVector<TextRange> found;
    const QString wanted = WithNewlines(search);
    if (wanted.isEmpty()) return found;
    if (!wanted.contains(QLatin1Char('\n'))) {
        for (qsizetype at = text.indexOf(wanted); at >= 0; at = text.indexOf(wanted, at + wanted.size()))
            Found(found, at, wanted.size(), slice);
        return found;
    }
    QRegularExpressionMatchIterator matches = AcrossLines(wanted).globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        Found(found, match.capturedStart(), match.capturedLength(), slice);
    }
    return found;
}

ReplacedText ReplaceAll(const QString& text, const QString& search, const QString& replacement,
                        LoopSlice& slice) {
    ReplacedText result;
    const QString wanted = WithNewlines(search);
    const QString with = WithNewlines(replacement);
    if (wanted.isEmpty() || with.isEmpty() || text.isEmpty()) return result;
    const QString source = WithNewlines(text);
    qsizetype at = source.indexOf(wanted);
    if (at < 0) return result;
    result.changed = true;
    result.text.reserve(source.size() + 1);
    qsizetype rest = 0;
    for (; at >= 0; at = source.indexOf(wanted, rest)) {
        ++result.count;
        Append(result, QStringView(source).mid(rest, at - rest), colours::Black);
        Append(result, with, colours::Mark);
        rest = at + wanted.size();
        slice.tick(rest);
    }
    Append(result, QStringView(source).mid(rest), colours::Black);
    if (!result.text.endsWith(QLatin1Char('\n'))) Append(result, u"\n", colours::Black);
    return result;
}

}  // namespace kv
