#pragma once
// The source editor RichTextBox1 in the structured style: Enter checks and rewrites the line left of
// the cursor, Tab jumps to the three column stops, typed text shows in the typing colour until it is
// checked, and the right button pops up the Edit menu.

#include <QMenu>
#include <QPointer>
#include <QTextEdit>
#include <QVector>

#include "assembler/AssemblyState.h"
#include "assembler/Linker.h"
#include "editor/LineCheck.h"

namespace kv {

class Host;

class SourceEditor : public QTextEdit {
    Q_OBJECT

public:
    // Error lines are reported through the host.
    SourceEditor(LineChecker& checker, Host& host, QWidget* parent = nullptr);

    void setTabStops(const TabStops& stops) { tabStops_ = stops; }
    const TabStops& tabStops() const { return tabStops_; }
    // The menu the right button pops up; nothing pops up while it has no entries.
    void setPopupMenu(QMenu* menu) { popup_ = menu; }

    // Checks the part of the current line left of the cursor: a correct line is rewritten in
    // columns, comment and error lines are coloured, an error is reported in a warning box.
    void CheckCurrentLine();
    // The whole text becomes the formatted text, in its colours; undo cannot bring back the old one.
    void showFormatted(const FormattedText& formatted);
    // The whole text becomes a new text in its colours, as one step that undo takes back.
    void rewriteText(const QString& text, const QVector<ColouredRun>& runs);
    // Colours the occurrences that find found and leaves the cursor at the start of the last one.
    void markFound(const QVector<TextRange>& found);
    // Appends one template line in its colours, followed by a line break.
    void AppendColouredLine(const QString& line);
    // Colours parts of lines (line numbers from 0), as an assembly leaves them.
    void colourLines(const QVector<LineColour>& colouring);
    // Colours stretches of the whole text.
    void colourRanges(const QVector<TextRange>& ranges, Rgb colour);
    // The edit menu: the selection goes to the clipboard as plain text (Cut also removes it); Paste puts
    // the clipboard's text in place of the selection, in black.
    void CutSelection();
    void CopySelection();
    void PasteText();
    // Text typed from now on shows in the typing colour.
    void setTypingColour();
    // The whole text goes, as one step that undo brings back.
    void clearText();

  signals:
    // Any key went down in the editor: the program counts as modified.
    void keyDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Tab();

    LineChecker& checker_;
    Host& host_;
    TabStops tabStops_;
    QPointer<QMenu> popup_;
};

}  // namespace kv
