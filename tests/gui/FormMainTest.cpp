// The main window: modes and their buttons, panels and menus; the editor inside it; assembling; the
// font menu; the layout in twips.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "WorkbenchFixture.h"
#include "gui/SourceEditor.h"
#include "gui/FixedFont.h"

using namespace kv;
using namespace kv::testing;

namespace {

const QString kGoodProgram = QStringLiteral(
    "MAIN      START\n"
    "          LAD       GR1,3\n"
    "LOOP      OUT       MSG,LEN\n"
    "          SUBA      GR1,=1\n"
    "          JPL       LOOP\n"
    "          RET\n"
    "MSG       DC        'Hi'\n"
    "LEN       DC        2\n"
    "          END\n");

struct ButtonLook {
    bool yellow;
    bool enabled;
};

}  // namespace

class FormMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbenchFixture> bench;

    QPushButton* button(const char* name) { return bench->find<QPushButton>(QString::fromLatin1(name)); }
    QTextEdit* pane(const char* name) { return bench->find<QTextEdit>(QString::fromLatin1(name)); }
    QAction* action(const char* name) { return bench->find<QAction>(QString::fromLatin1(name)); }

    static bool isYellow(QPushButton* b) {
        return b->palette().color(QPalette::Button) == QColor(255, 255, 0);
    }
    void checkButtons(ButtonLook edit, ButtonLook assemble, ButtonLook run) {
        const std::array<std::pair<const char*, ButtonLook>, 3> expected{
            {{"Command001", edit}, {"Command002", assemble}, {"Command003", run}}};
        for (const auto& [name, look] : expected) {
            QVERIFY2(isYellow(button(name)) == look.yellow, name);
            QVERIFY2(button(name)->isEnabled() == look.enabled, name);
        }
    }
    QStringList visibleMenus() {
        QStringList names;
        for (QAction* top : bench->form().menuBar()->actions())
            if (top->isVisible()) names << top->menu()->objectName();
        return names;
    }
    QStringList visiblePanels() {
        QStringList names;
        for (const char* name : {"Picture100", "Picture300", "Picture400"})
            if (bench->find<QWidget>(QString::fromLatin1(name))->isVisible())
                names << QString::fromLatin1(name);
        return names;
    }
    // The lines of a pane with the colour of each line's first character.
    QVector<QPair<Rgb, QString>> paneLines(QTextEdit& edit) {
        QVector<QPair<Rgb, QString>> lines;
        for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
            if (b.length() > 1 || b.next().isValid())
                lines.push_back({ColourAt(edit, b.position()), b.text()});
        return lines;
    }
    int twips(int pixels) { return bench->twips().fromPixels(pixels); }

private slots:
    void init() {
        bench = std::make_unique<WorkbenchFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
    }
    void cleanup() { bench.reset(); }

    void editModeLooksAsItsTableSays() {
        FormMain& form = bench->form();
        QCOMPARE(form.currentMode(), Mode::Edit);
        QCOMPARE(form.windowTitle(), QStringLiteral("『KavoraⅡ』　ファイル名：新規"));
        checkButtons({true, false}, {false, true}, {false, false});
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("Picture100")});
        QCOMPARE(visibleMenus(), (QStringList{QStringLiteral("mn10"), QStringLiteral("mn20"), QStringLiteral("mn30"),
                                              QStringLiteral("mn40"), QStringLiteral("mn90")}));
        QCOMPARE(bench->find<QLabel>(QStringLiteral("StatusPanel2"))->text(), QString());
        QVERIFY(bench->find<QProgressBar>(QStringLiteral("ProgressBar1"))->isHidden());
        // Every entry of the menus does something: the ones shown exist with their captions.
        QCOMPARE(action("mn13")->text(), QStringLiteral("上書き保存(&S)"));
        QCOMPARE(action("mn14")->text(), QStringLiteral("名前を付けて保存(&A)"));
        QCOMPARE(action("mn19")->text(), QStringLiteral("終了(&X)"));
        QCOMPARE(action("mn41")->text(), QStringLiteral("整形と文法チェック(&B)"));
        QCOMPARE(action("mn93")->text(), QStringLiteral("バージョン情報"));
        QVERIFY(!action("mn_file1")->isVisible());
    }

    void theColumnCaptionsSitOverTheColumns() {
        SourceEditor& editor = bench->form().editor();
        QVERIFY(FixedFont::HasHalfWidthGrid(editor.font()));
        const int letter = QFontMetrics(editor.font()).horizontalAdvance(QLatin1Char('A'));
        auto* label = bench->find<QLabel>(QStringLiteral("Label101"));
        auto* instruction = bench->find<QLabel>(QStringLiteral("Label102"));
        auto* operand = bench->find<QLabel>(QStringLiteral("Label103"));
        QCOMPARE(label->text(), QStringLiteral("ラベル"));
        QCOMPARE(instruction->text(), QStringLiteral("命令"));
        QCOMPARE(operand->text(), QStringLiteral("オペランド"));
        QCOMPARE(label->width(), 10 * letter);
        QCOMPARE(instruction->x(), label->x() + label->width());
        QCOMPARE(instruction->width(), 10 * letter);
        QCOMPARE(operand->x(), instruction->x() + instruction->width());
        QCOMPARE(operand->x() + operand->width(), editor.x() + editor.width());
        // Each caption starts where its column of the editor's text does.
        editor.setPlainText(QStringLiteral("AAAAAAAAAABBBBBBBBBBCCCC"));
        auto columnX = [&editor](int column) {
            QTextCursor cursor(editor.document());
            cursor.setPosition(column);
            return editor.viewport()->mapTo(editor.parentWidget(), editor.cursorRect(cursor).topLeft()).x();
        };
        QVERIFY(qAbs(columnX(0) - label->x()) <= 1);
        QVERIFY(qAbs(columnX(10) - instruction->x()) <= 1);
        QVERIFY(qAbs(columnX(20) - operand->x()) <= 1);
        QVERIFY(editor.y() > label->y() + label->height());
    }

    void panelsFollowTheWindowSizeInTwips() {
        FormMain& form = bench->form();
        form.resize(1000, 700);
        QTest::qWait(20);
        auto* panel = bench->find<QWidget>(QStringLiteral("Picture100"));
        QVERIFY(qAbs(twips(panel->height()) - (twips(form.height()) - 1800)) <= 15);
        QVERIFY(qAbs(twips(panel->width()) - (twips(form.width()) - 150)) <= 15);
        auto* editor = bench->find<QWidget>(QStringLiteral("RichTextBox1"));
        QVERIFY(qAbs(twips(editor->height()) - (twips(panel->height()) - 1200)) <= 30);

        // Too small a window snaps back to 8600 twips each way.
        form.resize(200, 900);
        QTest::qWait(20);
        QVERIFY(twips(form.width()) >= 8600);
        QCOMPARE(form.height(), 900);
        form.resize(900, 150);
        QTest::qWait(20);
        QVERIFY(twips(form.height()) >= 8600);
        QVERIFY(twips(form.height()) < 8600 + 30);
    }

    void enterAndTabInsideTheWindowMarkTheProgramModified() {
        FormMain& form = bench->form();
        SourceEditor& editor = form.editor();
        editor.setFocus();
        QVERIFY(!form.programModified());
        QTest::keyClick(&editor, Qt::Key_Right);
        QVERIFY(form.programModified());
        Type(&editor, QStringLiteral("main"));
        PressTab(&editor);
        Type(&editor, QStringLiteral("start"));
        PressEnter(&editor);
        QCOMPARE(Line(editor, 0), QStringLiteral("MAIN      START     "));
        QCOMPARE(ColourOf(editor, 0, 20), colours::Black);
        Type(&editor, QStringLiteral(" LD GR9,A"));
        PressEnter(&editor);
        QCOMPARE(bench->boxes.boxes.size(), 1);
        QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("文法エラー"));
        QCOMPARE(ColourOf(editor, 21, 9), colours::ErrorLine);
    }

    void theFormatCommandRewritesAMixedText() {
        SourceEditor& editor = bench->form().editor();
        editor.setPlainText(
            QStringLiteral("main start\n\n   ; note\n lad gr1,3 ;three\n  \n bad line\n ret\n end"));
        button("Command1_3")->click();
        QCOMPARE(editor.toPlainText(), QStringLiteral("MAIN      START     \n"
                                                      "   ; note\n"
                                                      "          LAD       GR1,3               ;three\n"
                                                      " bad line\n"
                                                      "          RET       \n"
                                                      "          END       \n"));
        QCOMPARE(ColourOf(editor, 0, 20), colours::Black);
        QCOMPARE(ColourOf(editor, 21, 9), colours::Comment);
        QCOMPARE(ColourOf(editor, 31, 40), colours::Black);
        QCOMPARE(ColourOf(editor, 71, 6), colours::Comment);
        QCOMPARE(ColourOf(editor, 78, 9), colours::ErrorLine);
        QVERIFY(bench->boxes.boxes.isEmpty());
        QVERIFY(bench->find<QProgressBar>(QStringLiteral("ProgressBar1"))->isHidden());

        // The Tools menu runs the same command; a single character stays as it is.
        editor.setPlainText(QStringLiteral(" nop"));
        action("mn41")->trigger();
        QCOMPARE(editor.toPlainText(), QStringLiteral("          NOP       \n"));
        editor.setPlainText(QStringLiteral("x"));
        action("mn41")->trigger();
        QCOMPARE(editor.toPlainText(), QStringLiteral("x"));
        QCOMPARE(ColourAt(editor, 0), colours::Black);
    }

    void assemblingAGoodProgram() {
        FormMain& form = bench->form();
        form.editor().setPlainText(kGoodProgram);
        button("Command002")->click();
        QCOMPARE(form.currentMode(), Mode::Assemble);
        QCOMPARE(form.listKind(), QStringLiteral("asm"));
        checkButtons({false, true}, {true, false}, {false, true});
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("Picture300")});
        QCOMPARE(visibleMenus(), (QStringList{QStringLiteral("mn100"), QStringLiteral("mn90")}));

        QTextEdit& messages = *pane("RichTextBox300");
        const QVector<QPair<Rgb, QString>> expected{
            {colours::Black, QStringLiteral("■アセンブル")},
            {colours::Blue, QStringLiteral("【MAIN】のアセンブルを始めます。")},
            {colours::Black, QStringLiteral("　プログラム内のラベルを、実アドレスに変換します。")},
            {colours::Blue, QStringLiteral("　アセンブルは、成功しました。")},
            {colours::Black, QString()},
            {colours::Black, QStringLiteral("■リンク")},
            {colours::Blue, QStringLiteral("　リンクは、成功しました。")},
            {colours::Black, QStringLiteral("　実行モードに移り､プログラムを実行できます｡ ")},
        };
        QCOMPARE(paneLines(messages), expected);
        QCOMPARE(messages.font().pixelSize(), form.editor().font().pixelSize());
        QTextEdit& list = *pane("RichTextBox310");
        QVERIFY(list.toPlainText().contains(QStringLiteral(" 8000: 1210 0003")));
        // The message pane takes half the window height.
        QVERIFY(qAbs(twips(messages.height()) - twips(form.height()) / 2) <= 15);

        // The list buttons: a list shrinks the message pane to 1000 twips; "メッセージ" restores it.
        button("Command3_4")->click();
        QCOMPARE(form.listKind(), QStringLiteral("alt"));
        QVERIFY(qAbs(twips(messages.height()) - 1000) <= 15);
        QVERIFY(list.toPlainText().contains(QStringLiteral("LOOP")));
        QVERIFY(!list.toPlainText().contains(QStringLiteral("1210 0003")));
        button("Command3_5")->click();
        QCOMPARE(form.listKind(), QStringLiteral("afk"));
        QVERIFY(list.toPlainText().contains(QStringLiteral("GR1←")));
        button("Command3_6")->click();
        QVERIFY(qAbs(twips(messages.height()) - twips(form.height()) / 2) <= 15);
        button("Command3_3")->click();
        QCOMPARE(form.listKind(), QStringLiteral("asm"));
        QVERIFY(list.toPlainText().contains(QStringLiteral(" 8000: 1210 0003")));
        for (const char* output : {"Command3_0", "Command3_1", "Command3_2"})
            QVERIFY(button(output)->isVisible());

        // Run mode, then back to assemble without a new assembly, then to edit mode.
        button("Command003")->click();
        QCOMPARE(form.currentMode(), Mode::Run);
        checkButtons({false, true}, {false, true}, {true, false});
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("Picture400")});
        QCOMPARE(visibleMenus(),
                 (QStringList{QStringLiteral("mn100"), QStringLiteral("mn50"), QStringLiteral("mn90")}));
        messages.append(QStringLiteral("marker"));
        button("Command002")->click();
        QCOMPARE(form.currentMode(), Mode::Assemble);
        QVERIFY(messages.toPlainText().endsWith(QStringLiteral("marker")));
        checkButtons({false, true}, {true, false}, {false, true});
        button("Command001")->click();
        QCOMPARE(form.currentMode(), Mode::Edit);
        checkButtons({true, false}, {false, true}, {false, false});
        QCOMPARE(visiblePanels(), QStringList{QStringLiteral("Picture100")});
        QCOMPARE(ColourOf(form.editor(), 0, 15), colours::Black);
    }

    void assemblingABadProgram() {
        FormMain& form = bench->form();
        SourceEditor& editor = form.editor();
        editor.setPlainText(
            QStringLiteral("MAIN      START\n          LAD       GR9,3\n; note\n          RET\n"
                           "          END\n"));
        button("Command002")->click();
        checkButtons({false, true}, {true, false}, {false, false});
        const QVector<QPair<Rgb, QString>> lines = paneLines(*pane("RichTextBox300"));
        QVERIFY(
            lines.contains({colours::Red, QStringLiteral("   2行：　汎用レジスタの指定に誤りがあります。")}));
        QCOMPARE(lines.last(),
                 (QPair<Rgb, QString>{colours::Black,
                                      QStringLiteral("　編集モードに戻り、プログラムを修正してください。")}));
        QCOMPARE(lines[lines.size() - 2],
                 (QPair<Rgb, QString>{colours::Blue, QStringLiteral("　アセンブルは、失敗しました。")}));
        QVERIFY(pane("RichTextBox310")->toPlainText().isEmpty());
        // The editor's lines carry the assembler's verdicts.
        QCOMPARE(ColourOf(editor, 16, 25), colours::ErrorLine);
        QCOMPARE(ColourOf(editor, 0, 15), colours::Black);
        QCOMPARE(ColourOf(editor, 42, 6), colours::Comment);

        // A name no program defines fails the link; its uses turn blue.
        button("Command001")->click();
        editor.setPlainText(
            QStringLiteral("MAIN      START\n          JUMP      LOOPX\n          LAD       GR1,LOOPX ;c\n"
                           "          RET\n          END\n"));
        button("Command002")->click();
        checkButtons({false, true}, {true, false}, {false, false});
        const QVector<QPair<Rgb, QString>> link = paneLines(*pane("RichTextBox300"));
        QVERIFY(
            link.contains({colours::Red, QStringLiteral("　外部参照ラベルLOOPXのプログラムがありません。")}));
        QVERIFY(link.contains(
            {colours::Green, QStringLiteral("（説明）リンク時のエラーは、通常、ラベルの入力ミスです。"
                                            "あるいは、副プログラムが入力されていません。")}));
        QVERIFY(!pane("RichTextBox310")->toPlainText().isEmpty());
        const int second = editor.toPlainText().indexOf(QStringLiteral("LOOPX ;c"));
        QCOMPARE(ColourOf(editor, second, 5), colours::Mark);
        // At the end of a line the name is not marked.
        const int first = editor.toPlainText().indexOf(QStringLiteral("LOOPX"));
        QCOMPARE(ColourOf(editor, first, 5), colours::Black);
    }

    void theFontMenuResizesTheEditorAndItsCaptions() {
        FormMain& form = bench->form();
        SourceEditor& editor = form.editor();
        editor.setPlainText(QStringLiteral("MAIN      START"));
        QVERIFY(!action("mn311")->isChecked());
        QVERIFY(action("mn312")->isChecked());
        QVERIFY(!action("mn313")->isChecked());
        const int medium = editor.font().pixelSize();

        action("mn313")->trigger();
        QCOMPARE(bench->session().settings.paneFontSize, std::int16_t{10});
        QVERIFY(action("mn313")->isChecked());
        QVERIFY(!action("mn312")->isChecked());
        QVERIFY(editor.font().pixelSize() < medium);
        const int letter = QFontMetrics(editor.font()).horizontalAdvance(QLatin1Char('A'));
        QCOMPARE(bench->find<QLabel>(QStringLiteral("Label101"))->width(), 10 * letter);
        QCOMPARE(bench->find<QLabel>(QStringLiteral("Label101"))->font().pixelSize(),
                 editor.font().pixelSize());

        action("mn311")->trigger();
        QVERIFY(action("mn311")->isChecked());
        QVERIFY(!action("mn313")->isChecked());
        QVERIFY(editor.font().pixelSize() > medium);
        QVERIFY(FixedFont::HasHalfWidthGrid(editor.font()));
        QCOMPARE(bench->find<QLabel>(QStringLiteral("Label102"))->width(),
                 10 * QFontMetrics(editor.font()).horizontalAdvance(QLatin1Char('A')));
    }

    void theEditMenuCutsCopiesAndPastesPlainText() {
        SourceEditor& editor = bench->form().editor();
        editor.setPlainText(QStringLiteral("LINE1\nLINE2"));
        QVERIFY(!bench->form().programModified());
        action("mn28")->trigger();
        action("mn23")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("LINE1\nLINE2"));
        QVERIFY(!bench->form().programModified());
        action("mn22")->trigger();
        QCOMPARE(editor.toPlainText(), QString());
        QVERIFY(bench->form().programModified());
        // Pasted text is black whatever the typing colour was.
        editor.setTypingColour();
        action("mn24")->trigger();
        QCOMPARE(editor.toPlainText(), QStringLiteral("LINE1\nLINE2"));
        QCOMPARE(ColourAt(editor, 0), colours::Black);
        QCOMPARE(ColourAt(editor, 8), colours::Black);
        action("mn21")->trigger();
        QCOMPARE(editor.toPlainText(), QString());
    }

    void theVersionWindowComesThroughTheHost() {
        QStringList texts;
        bench->form().host().modalHandler = [&texts](QDialog& dialog) {
            for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
            texts << dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        };
        action("mn93")->trigger();
        QCOMPARE(texts.last(), QStringLiteral("Version 1.07v02"));
        for (const QString& fixed :
             {QStringLiteral("誰でも使えるCASLⅡシミュレータ"), QStringLiteral("情報処理技術者試験用"),
              QStringLiteral("解像度　800×600以上　　"), QStringLiteral("色数　　16ビット以上　")})
            QVERIFY2(texts.contains(fixed), qPrintable(fixed));
    }
};

int RunFormMainTest(int argc, char** argv) {
    FormMainTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormMainTest.moc"
