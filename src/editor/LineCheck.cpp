#include "editor/LineCheck.h"

#include "editor/TextLines.h"
#include "settings/Settings.h"

namespace kv {

TabStops TabStopsFrom(const Settings& settings) {
    TabStops stops;
    stops.first = settings.labelWidth;
    stops.second = stops.first + settings.instructionWidth;
    stops.third = stops.second + settings.operandWidth;
    return stops;
}

TabMove TabRule(int column, const TabStops& stops) {
    for (int stop : {stops.first, stops.second, stops.third})
        if (column < stop) return {stop - column, false};
    return {0, true};
}

ParsedLine LineChecker::check(const QString& line) {
    const ParseContext context{table_, settings_, settings_.userStart, settings_.userStart, settings_.userEnd(), 0};
    ParsedLine parsed = ParseSourceLine(context, line);
    error_ = parsed.error;
    return parsed;
}

LineCheckResult CheckCurrentLine(LineChecker& checker, const QString& leftOfCursor) {
    LineCheckResult result;
    if (leftOfCursor.isEmpty()) return result;
    const ParsedLine parsed = checker.check(leftOfCursor);
    result.outcome = parsed.resultClass;
    if (result.outcome == LineClass::Statement) {
        result.replacement = parsed.statement();
        result.commentStart = parsed.line.size();
        result.commentLength = parsed.comment.size();
    } else if (result.isError()) {
        result.error = checker.error();
    }
    return result;
}

namespace {

// Appends text in a colour, extending the last run when it has the same colour.
void Append(FormattedText& formatted, const QString& text, Rgb colour) {
    if (text.isEmpty()) return;
    if (!formatted.runs.isEmpty() && formatted.runs.last().colour == colour)
        formatted.runs.last().length += text.size();
    else
        formatted.runs.push_back(
            {static_cast<int>(formatted.text.size()), static_cast<int>(text.size()), colour});
    formatted.text += text;
}

void AppendLine(FormattedText& formatted, const ParsedLine& parsed, const QString& asRead) {
    switch (parsed.resultClass) {
        case LineClass::Empty: return;
        case LineClass::Statement:
            Append(formatted, parsed.line, colours::Black);
            Append(formatted, parsed.comment, colours::Comment);
            break;
        case LineClass::Comment: Append(formatted, asRead, colours::Comment); break;
        default: Append(formatted, asRead, colours::ErrorLine); break;
    }
    Append(formatted, QStringLiteral("\n"), formatted.runs.last().colour);
}

}  // namespace

FormattedText FormatAndCheckAll(LineChecker& checker, const QString& text, const FormatProgress& progress) {
    FormattedText formatted;
    if (text.size() <= 1) return formatted;
    formatted.changed = true;
    for (qsizetype position = 0; position < text.size();) {
        const TextLine textLine = LineAt(text, position);
        const QString line = text.mid(textLine.start, textLine.length);
        const ParsedLine parsed = checker.check(line);
        formatted.outcome = parsed.resultClass;
        AppendLine(formatted, parsed, line);
        if (progress) progress(static_cast<int>(textLine.start));
        position = textLine.next;
    }
    return formatted;
}

QVector<ColouredRun> TemplateLineRuns(const QString& line) {
    QVector<ColouredRun> runs;
    if (line.isEmpty()) return runs;
    const int size = static_cast<int>(line.size());
    const int semicolon = static_cast<int>(line.indexOf(QLatin1Char(';')));
    if (semicolon < 0) return {{0, size, colours::Black}};
    if (semicolon > 0) runs.push_back({0, semicolon, colours::Black});
    runs.push_back({semicolon, size - semicolon, colours::Comment});
    return runs;
}

}  // namespace kv
