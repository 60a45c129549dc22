#pragma once
// The lines of a text as the editor's commands read them. The editor itself ends its lines with "\n";
// text pasted from elsewhere, files and the command line may bring CR LF or a lone CR. Conversion,
// formatting and find and replace all split with this one rule, so that no text is ever taken for
// one long line.

#include <QString>

namespace kv {

// One line of a text: where it starts, its length without the line break, and where the next line
// starts.
struct TextLine {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype next = 0;
};

// The line that starts at a position before the end of the text. A line ends at CR LF, at LF, at a
// lone CR or at the end of the text; a line break at the very end starts no further line.
TextLine LineAt(const QString& text, qsizetype start);

// The text with every line break (CR LF, LF, lone CR) written as "\n".
QString WithNewlines(const QString& text);

}  // namespace kv
