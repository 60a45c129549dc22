#pragma once
// The text side of the structured editor: the check of the line left of the cursor when Enter is
// pressed, the format command over a whole text, the colours of a template line and the Tab rule.
// The window applies the results to its rich-text control.

#include <QString>
#include <QVector>
#include <functional>

#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "machine/InstructionTable.h"
#include "host/Colours.h"

namespace kv {

struct Settings;

// Editor columns for the Tab key, counted from 0 at the line start.
struct TabStops {
    int first = 10, second = 20, third = 40;
};

// Label width; label width + instruction width; that sum + operand width.
TabStops TabStopsFrom(const Settings& settings);

// What Tab does at a column: insert blanks up to the next stop, or, at or beyond the third stop,
// insert nothing and go to the line start.
struct TabMove {
    int blanks = 0;
    bool toLineStart = false;
};
TabMove TabRule(int column, const TabStops& stops);

// Checks single lines with the source line parser, each as the first line of a program at the
// start of the user area of the settings. The parser changes nothing, so checking in the editor
// never touches the machine or the last assembly.
class LineChecker {
public:
    LineChecker(const InstructionTable& table, const Settings& settings) : table_(table), settings_(settings) {}

    ParsedLine check(const QString& line);
    // The error code the last check left (None after a line without error).
    const ErrorState& error() const { return error_; }

private:
    const InstructionTable& table_;
    const Settings& settings_;
    ErrorState error_;
};

// The check on Enter of the part of the line left of the cursor.
struct LineCheckResult {
    LineClass outcome = LineClass::Empty;  // the parser's result class
    QString replacement;             // outcome 0: the rewritten line followed by the comment
    int commentStart = 0;            // within the replacement
    int commentLength = 0;
    ErrorState error;  // an error line: the code for the warning box

    bool isError() const {
        return outcome != LineClass::Statement && outcome != LineClass::Comment &&
               outcome != LineClass::Empty;
    }
};
LineCheckResult CheckCurrentLine(LineChecker& checker, const QString& leftOfCursor);

// A stretch of text in one colour.
struct ColouredRun {
    int start = 0;
    int length = 0;
    Rgb colour;
    friend bool operator==(const ColouredRun& a, const ColouredRun& b) {
        return a.start == b.start && a.length == b.length && a.colour == b.colour;
    }
};

// The format command's result: the new text (lines ended by "\n") and its colours, which cover the
// text from start to end, neighbours of one colour merged.
struct FormattedText {
    bool changed = false;  // false: a text of one character or less stays as it is
    QString text;
    QVector<ColouredRun> runs;
    LineClass outcome = LineClass::Empty;  // of the last line
};

// Called after every line with the position at which the line began; the host shows the progress
// and lets events run.
using FormatProgress = std::function<void(int position)>;

// Checks every line of the text (lines end at CR LF, LF or CR): correct lines are
// rewritten in columns, comment and erroneous lines kept as they are, blank lines dropped.
FormattedText FormatAndCheckAll(LineChecker& checker, const QString& text, const FormatProgress& progress);

// The colours of one template line (without its line break): from the first ";" on comment colour,
// before it normal colour. An empty line has no runs.
QVector<ColouredRun> TemplateLineRuns(const QString& line);

}  // namespace kv
