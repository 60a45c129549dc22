// Stepping back in the window: the button "戻る" beside "ステップ" and the run menu's entry, enabled
// only while there is a step to take back; the panels after a step back, with the values the last
// instruction changed in bold; the grey console line over an OUT; the execution counts in the
// program lines' tool tips.

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "RunFixture.h"
#include "gui/RunPanel.h"
#include "gui/frmRun.h"

using namespace kv;
using namespace kv::testing;

namespace {

// LD sets the flags; LAD, ADDA and ST change one value each; PUSH the stack.
const QString kProgram = QStringLiteral(
    "MAIN      START\n"
    "          LD        GR1,DATA\n"
    "          LAD       GR3,#0041\n"
    "          ADDA      GR1,GR3\n"
    "          ST        GR1,DATA\n"
    "          PUSH      7\n"
    "          POP       GR2\n"
    "          RET\n"
    "DATA      DC        #FFFF\n"
    "          END\n");

const QString kOutLoop = QStringLiteral(
    "MAIN      START\n"
    "          LAD       GR1,3\n"
    "LOOP      OUT       MSG,LEN\n"
    "          SUBA      GR1,=1\n"
    "          JPL       LOOP\n"
    "          RET\n"
    "MSG       DC        'Hi'\n"
    "LEN       DC        2\n"
    "          END\n");

// Every cell of the register and memory tabs, the highlighted row and the status bar's note.
QStringList PanelTexts(RunFixture& bench) {
    QStringList texts;
    for (const char* name : {"PR", "NextPR", "EA", "FR", "FRWord", "SP", "StatusPanel2"})
        texts << bench.cell(QString::fromLatin1(name));
    for (int i = 0; i < 8; ++i) texts << bench.row(QStringLiteral("GR%1").arg(i));
    texts << bench.row(QStringLiteral("MEA"));
    for (int i = 0; i < 5; ++i) texts << bench.row(QStringLiteral("Memory%1").arg(i));
    for (int i = 0; i < 3; ++i) texts << bench.row(QStringLiteral("Stack%1").arg(i));
    texts << QString::number(bench.form().runPanel().highlightedRow());
    return texts;
}

bool Bold(RunFixture& bench, const QString& name) {
    QLabel* cell = bench.label(name);
    return cell && cell->font().bold();
}

// The names of the bold cells among the register and memory tabs' value cells.
QStringList BoldCells(RunFixture& bench) {
    QStringList bold;
    for (QLabel* cell : bench.form().runPanel().findChildren<QLabel*>())
        if (cell->font().bold()) bold << cell->objectName();
    bold.sort();
    return bold;
}

QStringList RowNames(const QString& prefix) {
    QStringList names;
    for (const char* notation : {"_Hex", "_Signed", "_Unsigned", "_Char", "_Binary"})
        names << prefix + QLatin1String(notation);
    names.sort();
    return names;
}

}  // namespace

class StepBackWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    void click(const char* name) { bench->button(QString::fromLatin1(name))->click(); }
    QPushButton* back() { return bench->button(QStringLiteral("CommandStepBack")); }
    QAction* entry() { return bench->find<QAction>(QStringLiteral("mn53B")); }
    bool canStepBack() { return back()->isEnabled() && entry()->isEnabled(); }
    bool cannotStepBack() { return !back()->isEnabled() && !entry()->isEnabled(); }
    void start(const QString& program) {
        bench = std::make_unique<RunFixture>();
        bench->start();
        QVERIFY(bench->enterRunMode(program));
        // The register tab shows every register.
        const bool all[8] = {true, true, true, true, true, true, true, true};
        bench->form().runPanel().SetRegisterBoxes(all);
    }

private slots:
    void cleanup() { bench.reset(); }

    void theButtonAndTheMenuEntryFollowTheHistory() {
        start(kProgram);
        QCOMPARE(back()->text(), QStringLiteral("戻る"));
        QCOMPARE(entry()->text(), QStringLiteral("1ステップ戻る(&B)"));
        QCOMPARE(entry()->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F8));
        // Beside "ステップ", before "オート", in the row of the run buttons.
        QCOMPARE(back()->parentWidget(), bench->button(QStringLiteral("Command4_3"))->parentWidget());
        QVERIFY(back()->x() > bench->button(QStringLiteral("Command4_3"))->x());
        QVERIFY(back()->x() < bench->button(QStringLiteral("Command4_4"))->x());
        QVERIFY(cannotStepBack());

        click("Command4_2");
        QVERIFY(canStepBack());
        click("CommandStepBack");
        QVERIFY(cannotStepBack());
        click("Command4_3");
        click("Command4_3");
        QVERIFY(canStepBack());
        entry()->trigger();
        QVERIFY(canStepBack());
        entry()->trigger();
        QVERIFY(cannotStepBack());

        // A run records nothing; a breakpoint stop starts the history afresh.
        click("Command4_0");
        QVERIFY(cannotStepBack());
        bench->clickAddressCell(bench->rowOf(QStringLiteral("ADDA")));
        click("Command4_0");
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        QVERIFY(cannotStepBack());
        click("Command4_3");
        QVERIFY(canStepBack());
        // "実行終了" keeps the steps; leaving run mode and entering it again forgets them.
        click("Command4_5");
        QVERIFY(canStepBack());
        click("Command002");
        click("Command003");
        QVERIFY(cannotStepBack());
    }

    void aStepBackShowsThePanelsAsTheStepBeforeLeftThem() {
        start(kProgram);
        click("Command4_2");  // LD GR1,DATA
        click("Command4_3");  // LAD GR3,#0041
        const QStringList afterLad = PanelTexts(*bench);
        QCOMPARE(BoldCells(*bench), RowNames(QStringLiteral("GR3")));
        click("Command4_3");  // ADDA GR1,GR3
        QVERIFY(PanelTexts(*bench) != afterLad);
        QStringList addaBold = RowNames(QStringLiteral("GR1"))
                               << QStringLiteral("FR") << QStringLiteral("FRWord");
        addaBold.sort();
        QCOMPARE(BoldCells(*bench), addaBold);

        click("CommandStepBack");
        QCOMPARE(PanelTexts(*bench), afterLad);
        QCOMPARE(BoldCells(*bench), RowNames(QStringLiteral("GR3")));
        QVERIFY(
            bench->cell(QStringLiteral("StatusPanel2")).startsWith(QStringLiteral("　F式表記：　GR3←#0041")));
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);

        // Back to the start: nothing executed, nothing bold, the first line highlighted.
        click("CommandStepBack");
        click("CommandStepBack");
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8000"));
        QCOMPARE(bench->cell(QStringLiteral("EA")), QString());
        QCOMPARE(bench->cell(QStringLiteral("FR")), QStringLiteral("???"));
        QCOMPARE(bench->row(QStringLiteral("GR1"))[0], QStringLiteral("#7FFF"));
        QVERIFY(BoldCells(*bench).isEmpty());
        QVERIFY(bench->label(QStringLiteral("Label402_%1").arg(bench->form().runPanel().highlightedRow()))
                    ->text()
                    .contains(QStringLiteral("LD        GR1,DATA")));
        QCOMPARE(bench->cell(QStringLiteral("StatusPanel2")), QString());

        // And forward again as before.
        click("Command4_3");
        click("Command4_3");
        QCOMPARE(PanelTexts(*bench), afterLad);
    }

    void changedMemoryAndStackWordsAreBoldWithoutChangingTheLayout() {
        start(kProgram);
        bench->find<QTabWidget>(QStringLiteral("SSTab400"))->setCurrentIndex(1);
        QLabel* memory = bench->label(QStringLiteral("Memory0_Binary"));
        const QSize size = memory->size();
        click("Command4_2");
        for (int i = 0; i < 3; ++i) click("Command4_3");  // ... ST GR1,DATA
        // The memory view shows DATA, the word ST changed.
        bench->form().runPanel().ShowMemoryWords(0x800B);
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Address")), QStringLiteral("800B"));
        QVERIFY(Bold(*bench, QStringLiteral("Memory0_Hex")));
        QVERIFY(!Bold(*bench, QStringLiteral("Memory1_Hex")));
        QVERIFY(Bold(*bench, QStringLiteral("MEA_Hex")));
        QCOMPARE(memory->size(), size);
        QCOMPARE(memory->font().family(), bench->label(QStringLiteral("Memory1_Binary"))->font().family());
        QCOMPARE(memory->font().pointSizeF(),
                 bench->label(QStringLiteral("Memory1_Binary"))->font().pointSizeF());

        click("Command4_3");  // PUSH 7
        QVERIFY(Bold(*bench, QStringLiteral("SP")));
        QCOMPARE(bench->cell(QStringLiteral("Stack0_Address")), QStringLiteral("8FFF"));
        QVERIFY(Bold(*bench, QStringLiteral("Stack0_Hex")));
        QVERIFY(!Bold(*bench, QStringLiteral("Stack1_Hex")));
        QVERIFY(!Bold(*bench, QStringLiteral("Memory0_Hex")));
        click("CommandStepBack");
        QVERIFY(!Bold(*bench, QStringLiteral("SP")));
        QVERIFY(!Bold(*bench, QStringLiteral("Stack0_Hex")));
        QCOMPARE(bench->cell(QStringLiteral("SP")), QStringLiteral("#9000"));
    }

    void theShortcutStepsBack() {
        start(kProgram);
        FormMain& form = bench->form();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        click("Command4_2");
        click("Command4_3");
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8002"));
        QTest::keyClick(&form, Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8000"));
    }

    void autoStopsFirst() {
        start(kProgram);
        click("Command4_2");
        click("Command4_4");
        auto* timer = bench->find<QTimer>(QStringLiteral("Timer400"));
        QVERIFY(timer->isActive());
        click("CommandStepBack");
        QVERIFY(!timer->isActive());
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8000"));
        QCOMPARE(bench->cell(QStringLiteral("NextPR")), QStringLiteral("#0000"));
    }

    void overAnOutTheConsoleKeepsItsTextAndGainsAGreyLine() {
        start(kOutLoop);
        click("Command4_0");  // three lines "Hi" in the console
        const auto ran = bench->consoleLines();
        QVERIFY(ran.size() >= 5);
        click("Command4_2");  // LAD GR1,3
        click("Command4_3");  // OUT: a box in the step modes
        QCOMPARE(bench->boxes.boxes.last().text, QStringLiteral("Hi"));
        click("CommandStepBack");
        QTest::qWait(20);
        const auto lines = bench->consoleLines();
        QCOMPARE(lines.size(), ran.size() + 1);
        QCOMPARE(lines.mid(0, ran.size()), ran);
        QCOMPARE(lines.last().second,
                 QStringLiteral("（1ステップ戻る）OUT命令の出力「Hi」を取り消しました。"));
        QCOMPARE(lines.last().first, (Rgb{128, 128, 128}));
        // Stepping forward again writes it again, in a box.
        const int boxes = bench->boxes.boxes.size();
        click("Command4_3");
        QCOMPARE(bench->boxes.boxes.size(), boxes + 1);
    }

    void theProgramLinesTellHowOftenTheyRan() {
        start(kOutLoop);
        click("Command4_0");
        RunPanel& panel = bench->form().runPanel();
        const int suba = bench->rowOf(QStringLiteral("SUBA"));
        const int lad = bench->rowOf(QStringLiteral("LAD"));
        const int msg = bench->rowOf(QStringLiteral("'Hi'"));
        QCOMPARE(panel.LineTip(panel.firstVisibleLine() + suba), QStringLiteral("実行回数：3回"));
        QCOMPARE(panel.LineTip(panel.firstVisibleLine() + lad), QStringLiteral("実行回数：1回"));
        QCOMPARE(panel.LineTip(panel.firstVisibleLine() + msg), QString());  // a constant
        QCOMPARE(panel.LineTip(1), QString());                               // START

        // The tool tip event of a row's cells shows it.
        QLabel* cell = bench->label(QStringLiteral("Label402_%1").arg(suba));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), cell->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(cell, &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("実行回数：3回"));
        QToolTip::hideText();

        // A stepped run counts from the start; a step back takes its count away.
        click("Command4_2");
        click("Command4_3");
        click("Command4_3");
        QCOMPARE(panel.LineTip(panel.firstVisibleLine() + suba), QStringLiteral("実行回数：1回"));
        click("CommandStepBack");
        QCOMPARE(panel.LineTip(panel.firstVisibleLine() + suba), QStringLiteral("実行回数：0回"));
    }
};

int RunStepBackTest(int argc, char** argv) {
    StepBackWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StepBackTest.moc"
