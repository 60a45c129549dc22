#include "gui/ConsoleEdit.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <limits>

#include "gui/QtColour.h"

namespace kv {

namespace {

// Page Up, Page Down, Escape, the four arrows and Tab.
bool IsDiscarded(int key) {
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return true;
        default: return false;
    }
}

}  // namespace

ConsoleEdit::ConsoleEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("RichTextBox1"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    typeInBlack();
}

void ConsoleEdit::write(Rgb colour, const QString& text) {
    collect(colour, text);
    collect(colour, QStringLiteral("\n"));
}

void ConsoleEdit::append(const QString& text) {
    collect(colours::Black, text);
}

void ConsoleEdit::collect(Rgb colour, const QString& text) {
    if (!pending_.isEmpty() && pending_.last().colour == colour)
        pending_.last().text += text;
    else
        pending_.push_back({colour, text});
}

void ConsoleEdit::flush(qsizetype maxCharacters) {
    if (pending_.isEmpty()) return;
    qsizetype room = maxCharacters > 0 ? maxCharacters : std::numeric_limits<qsizetype>::max();
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    cursor.beginEditBlock();
    QTextCharFormat format;
    int done = 0;  // pieces wholly inserted
    while (done < pending_.size() && room > 0) {
        const Piece& piece = pending_[done];
        const qsizetype left = piece.text.size() - inserted_;
        const qsizetype n = std::min(left, room);
        format.setForeground(ToQColor(piece.colour));
        cursor.insertText(n == piece.text.size() ? piece.text : piece.text.mid(inserted_, n), format);
        room -= n;
        if (n < left) {
            inserted_ += n;
        } else {
            inserted_ = 0;
            ++done;
        }
    }
    cursor.endEditBlock();
    pending_.remove(0, done);
    setTextCursor(cursor);
    typeInBlack();
    if (blockCount() > kMaximumLines) dropOldestLines();
}

// Half of the lines go at once, so that a long trace pays for it once per many lines.
void ConsoleEdit::dropOldestLines() {
    const QTextBlock keep = document()->findBlockByNumber(blockCount() - kMaximumLines / 2);
    QTextCursor oldest(document());
    oldest.setPosition(keep.position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
}

void ConsoleEdit::clearAll() {
    pending_.clear();
    inserted_ = 0;
    clear();
    typeInBlack();
}

void ConsoleEdit::typeInBlack() {
    QTextCharFormat black;
    black.setForeground(Qt::black);
    setCurrentCharFormat(black);
}

// Tab would otherwise move the focus before the key reaches the console.
bool ConsoleEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void ConsoleEdit::keyPressEvent(QKeyEvent* event) {
    if (IsDiscarded(event->key())) {
        event->accept();
        return;
    }
    setFocus();
    typeInBlack();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !isReadOnly() && onEnter) onEnter(textCursor().block().text());
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace kv
