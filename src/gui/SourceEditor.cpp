#include "gui/SourceEditor.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "assembler/Catalogue.h"
#include "gui/QtColour.h"

namespace kv {

namespace {

QTextCharFormat ColourFormat(Rgb colour) {
    QTextCharFormat format;
    format.setForeground(ToQColor(colour));
    return format;
}

void Colour(QTextCursor& cursor, int start, int length, Rgb colour) {
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(ColourFormat(colour));
}

// A printable character typed from the keyboard (not a control code such as Backspace).
bool IsTypedText(const QString& text) {
    return !text.isEmpty() && text.at(0).isPrint();
}

bool HasEntries(const QMenu* menu) {
    if (menu == nullptr) return false;
    for (const QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator()) return true;
    return false;
}

// The selection as plain text: the editor's paragraph separators become line breaks.
QString SelectedPlainText(const QTextCursor& cursor) {
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

}  // namespace

SourceEditor::SourceEditor(LineChecker& checker, Host& host, QWidget* parent)
    : QTextEdit(parent), checker_(checker), host_(host) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setTabChangesFocus(false);
}

void SourceEditor::keyPressEvent(QKeyEvent* event) {
    emit keyDown();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!plain) break;
            Tab();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            CheckCurrentLine();
            // Always a new line: Shift+Enter would insert a line separator inside the line.
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QTextEdit::keyPressEvent(&enter);
            return;
        }
        default:
            if (IsTypedText(event->text())) setTypingColour();
            break;
    }
    QTextEdit::keyPressEvent(event);
}

void SourceEditor::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        emit keyDown();
        setTypingColour();
    }
    QTextEdit::inputMethodEvent(event);
}

void SourceEditor::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (HasEntries(popup_)) popup_->exec(event->globalPos());
}

void SourceEditor::CutSelection() {
    QTextCursor cursor = textCursor();
    QGuiApplication::clipboard()->setText(SelectedPlainText(cursor));
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

void SourceEditor::CopySelection() { QGuiApplication::clipboard()->setText(SelectedPlainText(textCursor())); }

void SourceEditor::PasteText() {
    QTextCursor cursor = textCursor();
    cursor.insertText(QGuiApplication::clipboard()->text(), ColourFormat(colours::Black));
    setTextCursor(cursor);
}

void SourceEditor::setTypingColour() {
    mergeCurrentCharFormat(ColourFormat(colours::Typing));
}

void SourceEditor::clearText() {
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

void SourceEditor::CheckCurrentLine() {
    QTextCursor cursor = textCursor();
    const int position = cursor.selectionStart();
    const int lineStart = document()->findBlock(position).position();
    cursor.setPosition(position);
    const LineCheckResult result =
        kv::CheckCurrentLine(checker_, document()->findBlock(position).text().left(position - lineStart));
    if (result.outcome == LineClass::Statement) {
        cursor.setPosition(lineStart);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        cursor.insertText(result.replacement, ColourFormat(colours::Black));
        Colour(cursor, lineStart + result.commentStart, result.commentLength, colours::Comment);
        cursor.setPosition(lineStart + static_cast<int>(result.replacement.size()));
    } else if (result.outcome == LineClass::Comment) {
        Colour(cursor, lineStart, position - lineStart, colours::Comment);
        cursor.setPosition(position);
    } else if (result.isError()) {
        Colour(cursor, lineStart, position - lineStart, colours::ErrorLine);
        cursor.setPosition(position);
    }
    setTextCursor(cursor);
    if (result.isError()) {
        ErrorState error = result.error;
        ReportError(error, host_, ReportStyle::Box);
    }
}

void SourceEditor::Tab() {
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const TabMove move = TabRule(cursor.selectionStart() - block.position(), tabStops_);
    if (move.toLineStart)
        cursor.setPosition(block.position());
    else
        cursor.insertText(QString(move.blanks, QLatin1Char(' ')));
    setTextCursor(cursor);
}

void SourceEditor::showFormatted(const FormattedText& formatted) {
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    rewriteText(formatted.text, formatted.runs);
    doc->setUndoRedoEnabled(undo);
}

void SourceEditor::rewriteText(const QString& text, const QVector<ColouredRun>& runs) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    for (const ColouredRun& run : runs)
        cursor.insertText(text.mid(run.start, run.length), ColourFormat(run.colour));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void SourceEditor::markFound(const QVector<TextRange>& found) {
    if (found.isEmpty()) return;
    colourRanges(found, colours::Mark);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(found.last().start, document()->characterCount() - 1));
    setTextCursor(cursor);
}

void SourceEditor::AppendColouredLine(const QString& line) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    for (const ColouredRun& run : TemplateLineRuns(line))
        cursor.insertText(line.mid(run.start, run.length), ColourFormat(run.colour));
    cursor.insertText(QStringLiteral("\n"));
}

void SourceEditor::colourLines(const QVector<LineColour>& colouring) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const LineColour& part : colouring) {
        const QTextBlock block = document()->findBlockByNumber(part.line);
        if (!block.isValid()) continue;
        const int start = std::min(part.start, block.length() - 1);
        const int length = std::min(part.length, block.length() - 1 - start);
        Colour(cursor, block.position() + start, length, part.colour);
    }
    cursor.endEditBlock();
}

void SourceEditor::colourRanges(const QVector<TextRange>& ranges, Rgb colour) {
    const int end = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const TextRange& range : ranges)
        if (range.start >= 0 && range.start + range.length <= end)
            Colour(cursor, range.start, range.length, colour);
    cursor.endEditBlock();
}

}  // namespace kv
