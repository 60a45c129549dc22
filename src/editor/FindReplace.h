#pragma once
// Find and replace over the whole source text. Both are case-sensitive and look at comments too.
// A search or replacement text may hold line breaks of any kind: they stand for the line breaks of
// the text, whatever form those take.

#include <QString>
#include <QVector>

#include "assembler/Linker.h"
#include "editor/LineCheck.h"

namespace kv {

class LoopSlice;

// Every occurrence of the search text, left to right; the search goes on right after each one, so
// occurrences never overlap ("AA" occurs twice in "AAAA"). None for an empty search text.
QVector<TextRange> FindAll(const QString& text, const QString& search, LoopSlice& slice);

struct ReplacedText {
    qsizetype count = 0;   // occurrences replaced
    bool changed = false;  // false: nothing to replace, the text stays as it is
    QString text;          // lines ended by "\n", the last one too
    // Black, with every replacement in the mark colour.
    QVector<ColouredRun> runs;
};

// Replaces every occurrence of the search text by the replacement. Inserted text is never searched
// again, so a replacement that holds the search text replaces once. Nothing happens when the search
// text, the replacement or the text is empty, or when the search text does not occur.
ReplacedText ReplaceAll(const QString& text, const QString& search, const QString& replacement,
                        LoopSlice& slice);

}  // namespace kv
