#pragma once
// The console of the run window (RichTextBox1): program output, prompts and trace records in their
// colours, and the learner's typing. Output is collected and inserted at the caret in one edit
// block when flushed, so that a run that writes a line per instruction costs one insertion per time
// slice, not one per line; a large collection can go in by parts, with events run between them. Enter hands
// the caret's whole line over; the keys that would move the caret by lines, pages or characters, Escape and
// Tab do nothing.

#include <QPlainTextEdit>
#include <QString>
#include <QVector>
#include <functional>

#include "host/Host.h"

namespace kv {

class ConsoleEdit : public QPlainTextEdit {
public:
    // The console keeps the newest lines only: an endless trace would otherwise fill the memory.
    // Past this many lines the oldest half goes.
    static constexpr int kMaximumLines = 200'000;

    explicit ConsoleEdit(QWidget* parent);

    // Enter was pressed: the text of the line the caret stands on (before the line break goes in).
    std::function<void(const QString&)> onEnter;

    // A whole line in a colour; the typing colour stays black.
    void write(Rgb colour, const QString& text);
    // Text in black; "\n" ends a line.
    void append(const QString& text);
    // Inserts the collected text at the caret: all of it, or at most maxCharacters.
    void flush(qsizetype maxCharacters = 0);
    // Empties the console and drops what was collected.
    void clearAll();
    bool hasPending() const { return !pending_.isEmpty(); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Piece {
        Rgb colour;
        QString text;
    };
    void collect(Rgb colour, const QString& text);
    void dropOldestLines();
    void typeInBlack();

    QVector<Piece> pending_;
    qsizetype inserted_ = 0;  // characters of the first piece already in the console
};

}  // namespace kv
