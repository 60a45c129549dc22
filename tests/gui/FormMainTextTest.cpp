// The main window's text commands: find and replace through frmFindOption (modes, counts, colours,
// the not-found box), and the old-CASL conversion (its box, the result, one undo step).

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include "WorkbenchFixture.h"
#include "gui/SourceEditor.h"

using namespace kv;
using namespace kv::testing;

namespace {

// What the find and replace window looked like when it opened.
struct DialogLook {
    QString caption;
    bool replaceEnabled = false;
    QString explanation;
};

const QString kExplanation = QStringLiteral(
    "　コメントも検索や置換の対象にし、検索語や置換語を青色にします。このため、コメントの文字も黒色になり、"
    "検索語と置換語の長さが異なる場合、文字位置がずれます。\n"
    "　検索や置換結果を確認後、整形ボタンを押してください。");

const QString kProgram = QStringLiteral(
    "MAIN      START     \n"
    "          LD        GR1,A               ;LD the value\n"
    "          RET       \n"
    "A         DC        3\n"
    "          END       \n");

const QString kOldProgram = QStringLiteral(
    "MAIN\tSTART\n"
    "\tLEA\tGR1,0\n"
    "LOOP\tSUB\tGR1,ONE\n"
    "NEXT\tJPZ\tLOOP\n"
    "\tEXIT\n"
    "ONE\tDC\t1\n"
    "\tEND\n");

const QString kConverted = QStringLiteral(
    "MAIN      START     \n"
    "          LAD       GR1,0               ;*** CASLⅡ変換 ***\n"
    ";旧　 LEA GR1,0\n"
    "LOOP      SUBA      GR1,ONE             ;*** CASLⅡ変換 ***\n"
    ";旧　LOOP SUB GR1,ONE\n"
    "NEXT      JZE       LOOP                ;*** CASLⅡ変換 ***\n"
    "          JPL       LOOP                ;*** CASLⅡ変換 ***\n"
    ";旧　NEXT JPZ LOOP\n"
    "          RET                           ;*** CASLⅡ変換 ***\n"
    ";旧　 EXIT\n"
    "ONE       DC        1\n"
    "          END       \n");

const QString kConvertedQuietly = QStringLiteral(
    "MAIN      START     \n"
    "          LAD       GR1,0\n"
    "LOOP      SUBA      GR1,ONE\n"
    "NEXT      JZE       LOOP\n"
    "          JPL       LOOP\n"
    "          RET       \n"
    "ONE       DC        1\n"
    "          END       \n");

}  // namespace

class FormMainTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbenchFixture> bench;
    QVector<DialogLook> looks;

    SourceEditor& editor() { return bench->form().editor(); }
    void trigger(const char* name) { bench->find<QAction>(QString::fromLatin1(name))->trigger(); }
    QVector<BoxRequest>& boxes() { return bench->boxes.boxes; }

    // The next find or replace window gets these words and is closed with OK, or with キャンセル.
    void answerWith(const QString& search, const QString& replacement = QString(), bool ok = true) {
        bench->form().host().modalHandler = [=](QDialog& dialog) {
            auto* text2 = dialog.findChild<QLineEdit*>(QStringLiteral("Text2"));
            looks.push_back(
                {dialog.windowTitle(),
                 text2->isEnabled() && dialog.findChild<QLabel*>(QStringLiteral("Label2"))->isEnabled(),
                 dialog.findChild<QLabel*>(QStringLiteral("Label3"))->text()});
            dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(search);
            if (text2->isEnabled()) text2->setText(replacement);
            dialog.findChild<QPushButton*>(ok ? QStringLiteral("OKButton") : QStringLiteral("CancelButton"))
                ->click();
        };
    }
    void start(const QString& text) {
        bench->start();
        editor().setPlainText(text);
        bench->form().FormatAndCheckAll();
        boxes().clear();
    }
    void checkBox(const QString& text, const QString& title) {
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(boxes()[0].text, text);
        QCOMPARE(boxes()[0].title, title);
        QCOMPARE(boxes()[0].icon, BoxIcon::Information);
        QCOMPARE(boxes()[0].buttons, BoxButtons::Ok);
        boxes().clear();
    }

  private slots:
    void init() {
        bench = std::make_unique<WorkbenchFixture>();
        looks.clear();
    }
    void cleanup() { bench.reset(); }

    void findMarksEveryOccurrenceInBlueAndCountsThem() {
        start(kProgram);
        const Rgb commentBefore = ColourAt(editor(), 61);
        QCOMPARE(commentBefore, colours::Comment);
        answerWith(QStringLiteral("LD"));
        trigger("mn25");
        QCOMPARE(looks.size(), 1);
        QCOMPARE(looks[0].caption, QStringLiteral("検索"));
        QVERIFY(!looks[0].replaceEnabled);
        QCOMPARE(looks[0].explanation, kExplanation);
        checkBox(QStringLiteral("2語ありました。"), QStringLiteral("検索"));
        // "LD" in the instruction field and in the comment are blue; the text is unchanged.
        const int line2 = 21;
        QCOMPARE(ColourOf(editor(), line2 + 10, 2), colours::Mark);
        QCOMPARE(ColourOf(editor(), line2 + 41, 2), colours::Mark);
        QCOMPARE(ColourAt(editor(), line2 + 43), colours::Comment);
        QCOMPARE(ColourAt(editor(), line2 + 12), colours::Black);
        QCOMPARE(editor().toPlainText(), kProgram);
        QCOMPARE(editor().textCursor().position(), line2 + 41);
        QVERIFY(!editor().textCursor().hasSelection());
        QVERIFY(!bench->form().programModified());
    }

    void findIsCaseSensitiveAndReportsWhatWasNotFound() {
        start(kProgram);
        answerWith(QStringLiteral("ld"));
        trigger("mn25");
        checkBox(QStringLiteral("【ld】は、ありません。"), QStringLiteral("検索"));
        QCOMPARE(ColourOf(editor(), 31, 2), colours::Black);
        // Nothing to look for, or cancelled: no box at all.
        answerWith(QString());
        trigger("mn25");
        answerWith(QStringLiteral("LD"), QString(), false);
        trigger("mn25");
        QVERIFY(boxes().isEmpty());
        QCOMPARE(ColourOf(editor(), 31, 2), colours::Black);
    }

    void findAndReplaceOpenInTheirOwnModes() {
        start(kProgram);
        answerWith(QStringLiteral("GR1"), QStringLiteral("GR2"));
        trigger("mn26");
        answerWith(QStringLiteral("GR2"));
        trigger("mn25");
        answerWith(QStringLiteral("GR2"), QStringLiteral("なし"));
        trigger("mn26");
        answerWith(QStringLiteral("なし"));
        trigger("mn25");
        // A replacement word "なし" does not turn the next replace window into a find window.
        answerWith(QStringLiteral("なし"), QStringLiteral("GR3"));
        trigger("mn26");
        QCOMPARE(looks.size(), 5);
        const QStringList captions{"置換", "検索", "置換", "検索", "置換"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(looks[i].caption, captions[i]);
            QCOMPARE(looks[i].replaceEnabled, captions[i] == QStringLiteral("置換"));
        }
        QVERIFY(editor().toPlainText().contains(QStringLiteral("LD        GR3,A")));
    }

    void replaceRewritesInBlackWithTheReplacementsBlueAndOneUndoTakesItBack() {
        start(kProgram);
        answerWith(QStringLiteral("LD"), QStringLiteral("ST"));
        trigger("mn26");
        QCOMPARE(looks[0].caption, QStringLiteral("置換"));
        QVERIFY(looks[0].replaceEnabled);
        checkBox(QStringLiteral("2語を置換しました。"), QStringLiteral("置換"));
        QString expected = kProgram;
        expected.replace(QStringLiteral("LD"), QStringLiteral("ST"));
        QCOMPARE(editor().toPlainText(), expected);
        const int line2 = 21;
        QCOMPARE(ColourOf(editor(), line2 + 10, 2), colours::Mark);
        QCOMPARE(ColourOf(editor(), line2 + 41, 2), colours::Mark);
        // The comment is black now, like everything else.
        QCOMPARE(ColourOf(editor(), line2 + 43, 10), colours::Black);
        QCOMPARE(ColourOf(editor(), 0, 20), colours::Black);
        QVERIFY(bench->form().programModified());
        editor().undo();
        QCOMPARE(editor().toPlainText(), kProgram);
        QCOMPARE(ColourAt(editor(), line2 + 43), colours::Comment);
    }

    void replaceReportsWhatWasNotFoundAndIgnoresEmptyWords() {
        start(QStringLiteral(" NOP"));
        editor().setPlainText(QStringLiteral("A\nB"));
        answerWith(QStringLiteral("Z"), QStringLiteral("Y"));
        trigger("mn26");
        checkBox(QStringLiteral("【Z】は、ありません。"), QStringLiteral("置換"));
        QCOMPARE(editor().toPlainText(), QStringLiteral("A\nB"));
        answerWith(QStringLiteral("A"), QString());
        trigger("mn26");
        answerWith(QString(), QStringLiteral("Y"));
        trigger("mn26");
        QVERIFY(boxes().isEmpty());
        QCOMPARE(editor().toPlainText(), QStringLiteral("A\nB"));
        QVERIFY(!bench->form().programModified());
        // A replace that finds something ends the text with a line break.
        answerWith(QStringLiteral("B"), QStringLiteral("C"));
        trigger("mn26");
        QCOMPARE(editor().toPlainText(), QStringLiteral("A\nC\n"));
    }

    void replaceCountsFortyThousand() {
        QString text;
        for (int i = 0; i < 4000; ++i) text += QStringLiteral(" LD GR1,A ;A A A A A A A A A\n");
        start(QStringLiteral(" NOP"));
        editor().setPlainText(text);
        answerWith(QStringLiteral("A"), QStringLiteral("BB"));
        trigger("mn26");
        checkBox(QStringLiteral("40000語を置換しました。"), QStringLiteral("置換"));
        QCOMPARE(editor().toPlainText().count(QStringLiteral("BB")), 40000);
        answerWith(QStringLiteral("BB"));
        trigger("mn25");
        checkBox(QStringLiteral("40000語ありました。"), QStringLiteral("検索"));
    }

    void conversionWarnsConvertsFormatsAndOneUndoBringsTheOldTextBack() {
        start(QStringLiteral(" NOP"));
        editor().setPlainText(kOldProgram);
        trigger("mn43");
        checkBox(QStringLiteral("旧CASLの命令を、CASLⅡの命令に置換します。\n"
                                "ただし、FRの設定などが異なるため、そのまま動作できるとは限りません。\n"
                                "人手による見直しと修正が必要です。\n"
                                "また、JPZは、JPLとJZEの２行に変換します。"),
                 QStringLiteral("旧CASLプログラムの利用"));
        QCOMPARE(editor().toPlainText(), kConverted);
        QCOMPARE(ColourOf(editor(), 21, 40), colours::Black);
        QCOMPARE(ColourAt(editor(), 61), colours::Comment);      // the marker comment
        QCOMPARE(ColourOf(editor(), 78, 13), colours::Comment);  // the old line
        QVERIFY(bench->find<QProgressBar>(QString())->isHidden());
        QVERIFY(bench->form().programModified());
        editor().undo();
        QCOMPARE(editor().toPlainText(), kOldProgram);
        QVERIFY(!editor().document()->isUndoAvailable());
        editor().redo();
        QCOMPARE(editor().toPlainText(), kConverted);
    }

    void conversionWithoutCommentsFollowsTheSetting() {
        bench->writeSettings([](Settings& s) { s.conversionComments = 0; });
        start(QStringLiteral(" NOP"));
        editor().setPlainText(kOldProgram);
        trigger("mn43");
        QCOMPARE(editor().toPlainText(), kConvertedQuietly);
    }

    void conversionOfASingleCharacterOnlyWarns() {
        start(QStringLiteral(" NOP"));
        editor().setPlainText(QStringLiteral("X"));
        trigger("mn43");
        QCOMPARE(boxes().size(), 1);
        QCOMPARE(boxes()[0].title, QStringLiteral("旧CASLプログラムの利用"));
        QCOMPARE(editor().toPlainText(), QStringLiteral("X"));
        QVERIFY(!editor().document()->isUndoAvailable());
    }

    // Text pasted with CR LF or LF line ends splits into the same lines in the conversion, the
    // format and find and replace.
    void pastedLineEndsSplitTheSameWay() {
        for (const QString& lineEnd : {QStringLiteral("\n"), QStringLiteral("\r\n")}) {
            start(QStringLiteral(" NOP"));
            editor().clear();
            QString pasted = kOldProgram;
            pasted.replace(QStringLiteral("\n"), lineEnd);
            QGuiApplication::clipboard()->setText(pasted);
            editor().PasteText();
            QCOMPARE(editor().document()->blockCount(), 8);
            trigger("mn43");
            QCOMPARE(editor().toPlainText(), kConverted);
            editor().undo();
            bench->form().FormatAndCheckAll();
            QCOMPARE(editor().document()->blockCount(), 8);
            // LEA is no CASL II instruction: the line stays as typed, in red.
            QVERIFY(
                editor().toPlainText().startsWith(QStringLiteral("MAIN      START     \n\tLEA\tGR1,0\n")));
            answerWith(QStringLiteral("LOOP"), QStringLiteral("AGAIN"));
            trigger("mn26");
            QCOMPARE(editor().document()->blockCount(), 8);
            QCOMPARE(boxes().last().text, QStringLiteral("2語を置換しました。"));
        }
    }
};

int RunFormMainTextTest(int argc, char** argv) {
    FormMainTextTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormMainTextTest.moc"
