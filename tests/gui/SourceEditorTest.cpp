// The structured editor RichTextBox1 on its own: Enter, Tab, typing colour, template lines, colours,
// the pop-up menu.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "GuiTestSupport.h"
#include "gui/SourceEditor.h"
#include "settings/Settings.h"

using namespace kv;
using namespace kv::testing;

class SourceEditorTest : public QObject {
    Q_OBJECT

    InstructionTable table;
    Settings settings;
    std::unique_ptr<LineChecker> checker;
    std::unique_ptr<GuiHost> host;
    std::unique_ptr<SourceEditor> editor;
    BoxRecorder boxes;

    int column() { return editor->textCursor().positionInBlock(); }
    int lineNumber() { return editor->textCursor().blockNumber(); }

private slots:
    void init() {
        settings = Settings();
        checker = std::make_unique<LineChecker>(table, settings);
        host = std::make_unique<GuiHost>(nullptr);
        boxes = BoxRecorder();
        boxes.install(*host);
        editor = std::make_unique<SourceEditor>(*checker, *host);
        editor->setTabStops(TabStopsFrom(settings));
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    void cleanup() {
        editor.reset();
        host.reset();
        checker.reset();
    }

    void enterRewritesACorrectLineIntoColumns() {
        Type(editor.get(), QStringLiteral("LOOP ld GR1,A ;count"));
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 0), QStringLiteral("LOOP      LD        GR1,A               ;count"));
        QCOMPARE(ColourOf(*editor, 0, 40), colours::Black);
        QCOMPARE(ColourOf(*editor, 40, 6), colours::Comment);
        QCOMPARE(lineNumber(), 1);
        QCOMPARE(column(), 0);
        QVERIFY(boxes.boxes.isEmpty());

        // A Japanese comment keeps its characters and its colour.
        Type(editor.get(), QStringLiteral("MSG DC 'A' ;あいう"));
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 1), QStringLiteral("MSG       DC        'A'                 ;あいう"));
        QCOMPARE(ColourOf(*editor, 47 + 40, 4), colours::Comment);
    }

    void enterOnAnErrorLineColoursItAndShowsTheCatalogueText() {
        Type(editor.get(), QStringLiteral(" ld gr9,a"));
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 0), QStringLiteral(" ld gr9,a"));
        QCOMPARE(ColourOf(*editor, 0, 9), colours::ErrorLine);
        QCOMPARE(Line(*editor, 1), QString());
        QCOMPARE(boxes.boxes.size(), 1);
        const BoxRequest& box = boxes.boxes[0];
        QCOMPARE(box.title, QStringLiteral("文法エラー"));
        QCOMPARE(box.text,
                 QStringLiteral("汎用レジスタの指定に誤りがあります。\nGR0からGR7を指定します。\n\n"));
        QCOMPARE(box.icon, BoxIcon::Exclamation);
        QCOMPARE(box.buttons, BoxButtons::Ok);

        // A capacity error of DS is an error too: its box carries the assembly title.
        Type(editor.get(), QStringLiteral("BUF DS 4095"));
        PressEnter(editor.get());
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].title, QStringLiteral("アセンブルエラー"));
        QCOMPARE(ColourOf(*editor, 10, 11), colours::ErrorLine);
    }

    void commentBlankAndEmptyLines() {
        Type(editor.get(), QStringLiteral("   ; note"));
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 0), QStringLiteral("   ; note"));
        QCOMPARE(ColourOf(*editor, 0, 9), colours::Comment);

        // Blanks only: nothing is checked or coloured.
        Type(editor.get(), QStringLiteral("   "));
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 1), QStringLiteral("   "));
        QCOMPARE(ColourOf(*editor, 10, 3), colours::Typing);

        // Enter at the very start of a line leaves the line after the cursor unchecked.
        Type(editor.get(), QStringLiteral(" NOP"));
        QTest::keyClick(editor.get(), Qt::Key_Home);
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 2), QString());
        QCOMPARE(Line(*editor, 3), QStringLiteral(" NOP"));
        QCOMPARE(ColourOf(*editor, 15, 4), colours::Typing);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void enterInTheMiddleRewritesOnlyTheLeftPart() {
        Type(editor.get(), QStringLiteral(" ret ;done"));
        for (int i = 0; i < 6; ++i) QTest::keyClick(editor.get(), Qt::Key_Left);
        PressEnter(editor.get());
        QCOMPARE(Line(*editor, 0), QStringLiteral("          RET       "));
        QCOMPARE(Line(*editor, 1), QStringLiteral(" ;done"));
        QCOMPARE(ColourOf(*editor, 21, 6), colours::Typing);
        QCOMPARE(lineNumber(), 1);
        QCOMPARE(column(), 0);

        // Shift+Enter starts a new line too (not a line separator inside the line).
        QTest::keyClick(editor.get(), Qt::Key_End);
        QTest::keyClick(editor.get(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(editor->document()->blockCount(), 3);
    }

    void typedTextShowsInTheTypingColour() {
        Type(editor.get(), QStringLiteral(" NOP"));
        PressEnter(editor.get());
        QCOMPARE(ColourOf(*editor, 0, 20), colours::Black);
        Type(editor.get(), QStringLiteral("xあ"));
        QCOMPARE(ColourOf(*editor, 21, 2), colours::Typing);
    }

    void tabJumpsToTheThreeStops() {
        PressTab(editor.get());
        QCOMPARE(Line(*editor, 0), QString(10, QLatin1Char(' ')));
        Type(editor.get(), QStringLiteral("LD"));
        PressTab(editor.get());
        QCOMPARE(column(), 20);
        PressTab(editor.get());
        QCOMPARE(column(), 40);
        QCOMPARE(Line(*editor, 0).size(), 40);
        // At or beyond the third stop: to the line start, nothing inserted.
        PressTab(editor.get());
        QCOMPARE(column(), 0);
        QCOMPARE(Line(*editor, 0).size(), 40);
        QTest::keyClick(editor.get(), Qt::Key_End);
        Type(editor.get(), QStringLiteral("abcde"));
        QCOMPARE(column(), 45);
        PressTab(editor.get());
        QCOMPARE(column(), 0);
        QCOMPARE(Line(*editor, 0).size(), 45);
        QVERIFY(!Line(*editor, 0).contains(QLatin1Char('\t')));

        // Other column widths move the stops.
        editor->setTabStops({8, 13, 25});
        QTest::keyClick(editor.get(), Qt::Key_End);
        PressEnter(editor.get());
        Type(editor.get(), QStringLiteral("ABC"));
        PressTab(editor.get());
        QCOMPARE(column(), 8);
        PressTab(editor.get());
        QCOMPARE(column(), 13);
        PressTab(editor.get());
        QCOMPARE(column(), 25);
    }

    void everyKeyDownCounts() {
        QSignalSpy keyDowns(editor.get(), &SourceEditor::keyDown);
        QTest::keyClick(editor.get(), Qt::Key_Left);
        QTest::keyClick(editor.get(), Qt::Key_PageDown);
        Type(editor.get(), QStringLiteral("a"));
        QCOMPARE(keyDowns.count(), 3);
    }

    void templateLinesKeepTheirTextInTwoColours() {
        editor->AppendColouredLine(QStringLiteral("; head"));
        editor->AppendColouredLine(QStringLiteral("MAIN START ;c"));
        editor->AppendColouredLine(QString());
        editor->AppendColouredLine(QStringLiteral(" ret"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("; head\nMAIN START ;c\n\n ret\n"));
        QCOMPARE(ColourOf(*editor, 0, 6), colours::Comment);
        QCOMPARE(ColourOf(*editor, 7, 11), colours::Black);
        QCOMPARE(ColourOf(*editor, 18, 2), colours::Comment);
        QCOMPARE(ColourOf(*editor, 22, 4), colours::Black);
    }

    void formattedTextAndLaterColours() {
        editor->setPlainText(QStringLiteral("x"));
        FormattedText formatted = FormatAndCheckAll(*checker, QStringLiteral(" nop ;a\n bad\n;c"), nullptr);
        editor->showFormatted(formatted);
        QCOMPARE(editor->toPlainText(),
                 QStringLiteral("          NOP                           ;a\n bad\n;c\n"));
        QCOMPARE(ColourOf(*editor, 0, 40), colours::Black);
        QCOMPARE(ColourOf(*editor, 40, 2), colours::Comment);
        QCOMPARE(ColourOf(*editor, 43, 4), colours::ErrorLine);
        QCOMPARE(ColourOf(*editor, 48, 2), colours::Comment);

        // Colours by line and part, as an assembly leaves them; parts past a line's end are cut.
        editor->colourLines(
            {{1, 1, 3, colours::Black}, {2, 0, 99, colours::ErrorLine}, {7, 0, 1, colours::Black}});
        QCOMPARE(ColourOf(*editor, 44, 3), colours::Black);
        QCOMPARE(ColourOf(*editor, 48, 2), colours::ErrorLine);
        QCOMPARE(ColourAt(*editor, 43), colours::ErrorLine);
        editor->colourRanges({{10, 3}, {200, 5}}, colours::Mark);
        QCOMPARE(ColourOf(*editor, 10, 3), colours::Mark);
        QCOMPARE(ColourAt(*editor, 13), colours::Black);
    }

    void thePopUpShowsOnlyAMenuWithEntries() {
        QMenu menu;
        editor->setPopupMenu(&menu);
        bool poppedUp = false;
        auto closePopUp = [&poppedUp] {
            if (QWidget* popUp = QApplication::activePopupWidget()) {
                poppedUp = true;
                popUp->close();
            }
        };
        QTimer::singleShot(50, closePopUp);
        QContextMenuEvent empty(QContextMenuEvent::Mouse, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor->viewport(), &empty);
        QTest::qWait(100);
        QVERIFY(!poppedUp);

        menu.addAction(QStringLiteral("entry"));
        QTimer::singleShot(50, closePopUp);
        QContextMenuEvent withEntry(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    editor->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor->viewport(), &withEntry);
        QVERIFY(poppedUp);
    }
};

QTEST_MAIN(SourceEditorTest)
#include "SourceEditorTest.moc"
