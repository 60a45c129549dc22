// Run mode of the main window: entering it, the register and memory panels after each step, the
// program-line list and its highlighted line, breakpoints, automatic running and the run menu.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "RunFixture.h"
#include "gui/frmRun.h"
#include "gui/RunPanel.h"

using namespace kv;
using namespace kv::testing;

namespace {

// LD sets FR by a negative word; LAD loads a character code; a register ADDA has no effective
// address; the second ADDA overflows into a positive result.
const QString kStepProgram = QStringLiteral(
    "MAIN      START\n"
    "          LD        GR1,DATA\n"
    "          LAD       GR3,#0041\n"
    "          ADDA      GR1,GR3\n"
    "          LAD       GR4,#8000\n"
    "          LAD       GR5,-1\n"
    "          ADDA      GR4,GR5\n"
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

const QString kEndless = QStringLiteral(
    "MAIN      START\n"
    "LOOP      LAD       GR1,1,GR1\n"
    "          JUMP      LOOP\n"
    "          END\n");

// A jump over sixty lines to the last instruction.
QString FarProgram() {
    QString text = QStringLiteral("MAIN      START\n          JUMP      FAR\n");
    for (int i = 0; i < 60; ++i) text += QStringLiteral("          NOP\n");
    return text + QStringLiteral("FAR       RET\n          END\n");
}

const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kYellow{255, 255, 0};

}  // namespace

class RunModeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    RunPanel& panel() { return bench->form().runPanel(); }
    QLabel* source(int row) { return bench->label(QStringLiteral("Label402_%1").arg(row)); }
    QLabel* address(int row) { return bench->label(QStringLiteral("Label401_%1").arg(row)); }
    void click(const char* name) { bench->button(QString::fromLatin1(name))->click(); }
    void start(const std::function<void(Settings&)>& settings = [](Settings&) {}) {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings(settings);
        bench->start();
    }
    bool enabled(int command) {
        return bench->button(QStringLiteral("Command4_%1").arg(command))->isEnabled();
    }

private slots:
    void cleanup() { bench.reset(); }

    void enteringRunModeShowsTheMachineBeforeItsFirstRun() {
        start();
        QVERIFY(bench->enterRunMode(kStepProgram));
        // The register rows of the registers the program names are ticked and shown.
        for (int i = 0; i < 8; ++i) {
            const bool used = i == 1 || i == 3 || i == 4 || i == 5;
            QCOMPARE(bench->find<QCheckBox>(QStringLiteral("Check450_%1").arg(i))->isChecked(), used);
            QCOMPARE(bench->find<QWidget>(QStringLiteral("Frame450_%1").arg(i))->isVisible(), used);
            QCOMPARE(bench->find<QCheckBox>(QStringLiteral("Check450_%1").arg(i))->text(),
                     QStringLiteral("GR%1").arg(i));
        }
        QVERIFY(bench->find<QWidget>(QStringLiteral("Frame450_8"))->isVisible());
        QCOMPARE(bench->session().machine.GR[1], 0x7FFF);
        QCOMPARE(bench->row(QStringLiteral("GR1")),
                 (QStringList{QStringLiteral("#7FFF"), QStringLiteral("+32767"), QStringLiteral("32767"),
                              QStringLiteral("※"), QStringLiteral("0111 1111 1111 1111 ")}));
        QCOMPARE(bench->cell(QStringLiteral("EA")), QString());
        QCOMPARE(bench->row(QStringLiteral("MEA")), QStringList(5, QString()));
        QCOMPARE(bench->cell(QStringLiteral("FR")), QStringLiteral("???"));
        QCOMPARE(bench->cell(QStringLiteral("FRWord")), QStringLiteral(" ？ "));
        // The trace follows the same registers.
        QVERIFY(bench->form().traceOptions().registers[5]);
        QVERIFY(!bench->form().traceOptions().registers[0]);

        // Memory from the area's start, the stack from SP with the OS return address at its bottom.
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Address")), QStringLiteral("8000"));
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Hex")), QStringLiteral("#1010"));
        QCOMPARE(bench->cell(QStringLiteral("Memory4_Address")), QStringLiteral("8004"));
        QCOMPARE(bench->cell(QStringLiteral("SP")), QStringLiteral("#9000"));
        QCOMPARE(bench->cell(QStringLiteral("Stack0_Address")), QStringLiteral("9000"));
        QCOMPARE(bench->row(QStringLiteral("Stack0")),
                 (QStringList{QStringLiteral("#E000"), QStringLiteral(" -8192"), QStringLiteral("57344"),
                              QStringLiteral("※"), QStringLiteral("1110 0000 0000 0000 ")}));
        QCOMPARE(bench->cell(QStringLiteral("Stack1_Address")), QString());
        auto* stackScroll = bench->find<QScrollBar>(QStringLiteral("VScroll462"));
        QCOMPARE(stackScroll->minimum(), 4096);
        QCOMPARE(stackScroll->maximum(), 4097);
        QCOMPARE(stackScroll->value(), 4096);
        auto* labels = bench->find<QComboBox>(QStringLiteral("Combo460"));
        QCOMPARE(labels->count(), 2);
        QCOMPARE(labels->itemText(0), QStringLiteral("●MAIN（8000）"));
        QCOMPARE(labels->itemText(1), QStringLiteral("　DATA（800B）"));
        QCOMPARE(labels->itemData(1).toInt(), 0x800B);

        // The program lines from line 1; the rows after the last line are empty and white.
        const int lines = bench->session().assembly.listing.size();
        auto* scroll = bench->find<QScrollBar>(QStringLiteral("VScroll400"));
        QCOMPARE(scroll->minimum(), 1);
        QCOMPARE(scroll->maximum(), lines - 1);
        QCOMPARE(scroll->value(), 1);
        QCOMPARE(panel().firstVisibleLine(), 1);
        QCOMPARE(address(1)->text(), QStringLiteral(" 8000:"));
        QVERIFY(source(1)->text().contains(QStringLiteral("LD        GR1,DATA")));
        QCOMPARE(address(lines)->text(), QString());
        QCOMPARE(RunFixture::backColour(address(lines)), kWhite);

        // The status bar's note, the buttons, the timer and the run menu.
        QCOMPARE(bench->find<QLabel>(QStringLiteral("StatusPanel2"))->text(),
                 QStringLiteral("GRの初期値は、オプションで変更できます。"));
        for (int i = 0; i <= 5; ++i) QCOMPARE(enabled(i), i <= 2 || i == 5);
        QCOMPARE(bench->button(QStringLiteral("Command4_7"))->text(), QStringLiteral("ダンプ"));
        QVERIFY(bench->button(QStringLiteral("Command4_7"))->isEnabled());
        QVERIFY(bench->button(QStringLiteral("Command4_6")) == nullptr);
        QVERIFY(!bench->find<QTimer>(QStringLiteral("Timer400"))->isActive());
        const QStringList captions{QStringLiteral("ラン（一括実行）(&R)"), QStringLiteral("トレース(&T)"),
                                   QStringLiteral("ステップのスタート(&S)")};
        for (int i = 0; i < 3; ++i) {
            QAction* entry = bench->find<QAction>(QStringLiteral("mn5%1").arg(i + 1));
            QCOMPARE(entry->text(), captions[i]);
            QVERIFY(!entry->isEnabled());
        }
        QCOMPARE(bench->find<QAction>(QStringLiteral("mn54B"))->text(), QStringLiteral("コンソール(&C)"));
        QCOMPARE(bench->find<QAction>(QStringLiteral("mn58"))->text(),
                 QStringLiteral("トレースオプション(&O)"));
        QCOMPARE(bench->find<QAction>(QStringLiteral("mn5A"))->text(),
                 QStringLiteral("ブレークポイントの全解除(&B)"));
        // The tool tips of the register tab.
        QCOMPARE(bench->label(QStringLiteral("PR"))->toolTip(),
                 QStringLiteral("実行した命令語の先頭アドレス"));
        QCOMPARE(bench->label(QStringLiteral("NextPR"))->toolTip(),
                 QStringLiteral("次に実行する命令語の先頭アドレス"));
        QCOMPARE(bench->label(QStringLiteral("EA"))->toolTip(), QStringLiteral("アドレス＋GRxで計算"));
        QCOMPARE(bench->label(QStringLiteral("FRWord"))->toolTip(),
                 QStringLiteral("あ：あふれ（オーバフロー）の意味"));
        QCOMPARE(bench->label(QStringLiteral("GR1_Binary"))->toolTip(), QStringLiteral("2進数"));
        QCOMPARE(bench->label(QStringLiteral("SP"))->toolTip(), QStringLiteral("スタック最上段のアドレス"));
        QCOMPARE(bench->find<QCheckBox>(QStringLiteral("Check450_0"))->toolTip(),
                 QStringLiteral("汎用レジスタ"));
        auto* tabs = bench->find<QTabWidget>(QStringLiteral("SSTab400"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("レジスタ"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("メモリ"));

        // A register box shows and hides its row.
        bench->find<QCheckBox>(QStringLiteral("Check450_0"))->click();
        QVERIFY(bench->find<QWidget>(QStringLiteral("Frame450_0"))->isVisible());
        bench->find<QCheckBox>(QStringLiteral("Check450_1"))->click();
        QVERIFY(!bench->find<QWidget>(QStringLiteral("Frame450_1"))->isVisible());
    }

    void startAndStepRefreshThePanelsAfterEveryInstruction() {
        start();
        QVERIFY(bench->enterRunMode(kStepProgram));
        click("Command4_2");  // LD GR1,DATA
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Start);
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8000"));
        QCOMPARE(bench->cell(QStringLiteral("NextPR")), QStringLiteral("#8002"));
        QCOMPARE(bench->cell(QStringLiteral("EA")), QStringLiteral("#800B"));
        QCOMPARE(bench->cell(QStringLiteral("FR")), QStringLiteral("010"));
        QCOMPARE(bench->cell(QStringLiteral("FRWord")), QStringLiteral(" 負 "));
        const QStringList minusOne{QStringLiteral("#FFFF"), QStringLiteral("    -1"), QStringLiteral("65535"),
                                   QStringLiteral("※"), QStringLiteral("1111 1111 1111 1111 ")};
        QCOMPARE(bench->row(QStringLiteral("GR1")), minusOne);
        QCOMPARE(bench->row(QStringLiteral("MEA")), minusOne);
        const int ld = bench->rowOf(QStringLiteral("LD        GR1,DATA"));
        QCOMPARE(panel().highlightedRow(), ld);
        QCOMPARE(RunFixture::backColour(source(ld)), kYellow);
        QVERIFY(bench->find<QLabel>(QStringLiteral("StatusPanel2"))
                    ->text()
                    .startsWith(QStringLiteral("　F式表記：　")));
        for (int i = 0; i <= 5; ++i) QCOMPARE(enabled(i), i >= 3);

        // The memory view follows the label list after each step.
        auto* labels = bench->find<QComboBox>(QStringLiteral("Combo460"));
        labels->setCurrentIndex(1);
        emit labels->activated(1);
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Address")), QStringLiteral("800B"));

        click("Command4_3");  // LAD GR3,#0041
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        QCOMPARE(bench->row(QStringLiteral("GR3")),
                 (QStringList{QStringLiteral("#0041"), QStringLiteral("   +65"), QStringLiteral("   65"),
                              QStringLiteral("Ａ"), QStringLiteral("0000 0000 0100 0001 ")}));
        QCOMPARE(bench->cell(QStringLiteral("EA")), QStringLiteral("#0041"));
        QCOMPARE(bench->row(QStringLiteral("MEA")),
                 (QStringList{QStringLiteral("#????"), QStringLiteral("   ?"), QStringLiteral("   ?"),
                              QStringLiteral("?"), QStringLiteral("???? ???? ???? ????")}));
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Hex")), QStringLiteral("#FFFF"));
        QCOMPARE(RunFixture::backColour(source(ld)), kWhite);
        QCOMPARE(RunFixture::backColour(source(ld + 1)), kYellow);

        click("Command4_3");  // ADDA GR1,GR3: no effective address
        QCOMPARE(bench->cell(QStringLiteral("EA")), QString());
        QCOMPARE(bench->row(QStringLiteral("MEA")), QStringList(5, QString()));
        QCOMPARE(bench->cell(QStringLiteral("GR1_Signed")), QStringLiteral("   +64"));
        QCOMPARE(bench->cell(QStringLiteral("FRWord")), QStringLiteral(" 正 "));
        QCOMPARE(bench->cell(QStringLiteral("PR")), QStringLiteral("#8004"));
        QCOMPARE(bench->cell(QStringLiteral("NextPR")), QStringLiteral("#8005"));

        for (int i = 0; i < 3; ++i) click("Command4_3");  // LAD, LAD, ADDA overflowing
        QCOMPARE(bench->cell(QStringLiteral("FR")), QStringLiteral("100"));
        QCOMPARE(bench->cell(QStringLiteral("FRWord")), QStringLiteral("あ正"));
        QCOMPARE(bench->cell(QStringLiteral("GR4_Hex")), QStringLiteral("#7FFF"));
        QVERIFY(bench->boxes.boxes.isEmpty());

        click("Command4_3");  // RET ends the program
        QCOMPARE(bench->boxes.boxes.size(), 1);
        QCOMPARE(bench->boxes.boxes[0].text, QStringLiteral("正常終了しました。"));
        QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("実行情報"));
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
        for (int i = 0; i <= 5; ++i) QCOMPARE(enabled(i), i <= 2 || i == 5);
    }

    void stepsReadAndWriteThroughBoxes() {
        start();
        QVERIFY(
            bench->enterRunMode(QStringLiteral("MAIN      START\n"
                                               "          IN        BUF,LEN\n"
                                               "          OUT       BUF,LEN\n"
                                               "          RET\n"
                                               "BUF       DS        10\n"
                                               "LEN       DS        1\n"
                                               "          END\n")));
        QStringList asked;
        bench->form().host().inputHandler = [&asked](const QString& title, const QString& prompt) {
            asked << title << prompt;
            return QStringLiteral("hi");
        };
        click("Command4_2");
        QCOMPARE(asked, (QStringList{QStringLiteral("ステップ実行中"),
                                     QStringLiteral("IN命令です。入力してください。")}));
        QCOMPARE(bench->cell(QStringLiteral("Memory0_Address")), QStringLiteral("8000"));
        click("Command4_3");
        QCOMPARE(bench->boxes.boxes.size(), 1);
        QCOMPARE(bench->boxes.boxes[0].text, QStringLiteral("hi"));
        QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("ステップ実行中　OUT命令"));
        QVERIFY(bench->console() == nullptr);
    }

    void aStepOutOfSightScrollsTheListToIt() {
        start();
        QVERIFY(bench->enterRunMode(FarProgram()));
        QVERIFY(panel().visibleRowLimit() < 62);
        click("Command4_2");  // JUMP FAR, visible
        QCOMPARE(panel().highlightedRow(), 1);
        QCOMPARE(panel().firstVisibleLine(), 1);
        click("Command4_3");  // RET, line 63
        QCOMPARE(panel().firstVisibleLine(), 63);
        QCOMPARE(bench->find<QScrollBar>(QStringLiteral("VScroll400"))->value(), 63);
        QCOMPARE(panel().highlightedRow(), 0);
        QVERIFY(source(0)->text().contains(QStringLiteral("RET")));
        QCOMPARE(RunFixture::backColour(source(0)), kYellow);
        QCOMPARE(address(panel().visibleRowLimit())->text(), QString());
        // Scrolling by the bar redraws from its value and takes the highlight away.
        bench->find<QScrollBar>(QStringLiteral("VScroll400"))->setValue(2);
        QCOMPARE(panel().firstVisibleLine(), 2);
        QCOMPARE(RunFixture::backColour(source(0)), kWhite);
        QVERIFY(source(0)->text().contains(QStringLiteral("JUMP")));
    }

    void theRowsFitThePanel() {
        start();
        QVERIFY(bench->enterRunMode(FarProgram()));
        FormMain& form = bench->form();
        form.resize(900, 820);
        QTest::qWait(20);
        const int rowHeight = bench->label(QStringLiteral("Label490"))->height();
        const int bottom = panel().height() - 2 * rowHeight;
        const int limit = panel().visibleRowLimit();
        QVERIFY(limit > 0 && limit < RunPanel::kRows - 1);
        QVERIFY(address(limit)->y() <= bottom);
        QVERIFY(address(limit + 1)->y() > bottom);
        QVERIFY(address(limit)->isVisible());
        QVERIFY(!address(limit + 1)->isVisible());
        QCOMPARE(bench->find<QScrollBar>(QStringLiteral("VScroll400"))->height(), (limit + 1) * rowHeight);
        // A smaller window shows fewer rows; the tab control stays right of the list's scroll bar.
        form.resize(900, 600);
        QTest::qWait(20);
        QVERIFY(panel().visibleRowLimit() < limit);
        auto* tabs = bench->find<QWidget>(QStringLiteral("SSTab400"));
        auto* scroll = bench->find<QWidget>(QStringLiteral("VScroll400"));
        auto* cover = bench->find<QWidget>(QStringLiteral("Picture410"));
        QVERIFY(scroll->x() + scroll->width() <= tabs->x());
        QCOMPARE(cover->x(), scroll->x() + scroll->width());
        QCOMPARE(cover->x() + cover->width(), panel().width());
        QVERIFY(tabs->x() + tabs->width() <= panel().width());
    }

    void aBreakpointStopsARunAndStepsGoOnFromIt() {
        start();
        QVERIFY(bench->enterRunMode(kOutLoop));
        const int suba = bench->rowOf(QStringLiteral("SUBA"));
        bench->clickAddressCell(suba);
        QCOMPARE(RunFixture::backColour(address(suba)), kRed);
        MachineState& m = bench->session().machine;
        const int subaAddress =
            bench->cell(QStringLiteral("Label401_%1").arg(suba)).mid(1, 4).toInt(nullptr, 16);
        QVERIFY(m.kindAt(subaAddress) & kind::Breakpoint);

        click("Command4_0");
        const QVector<QPair<Rgb, QString>> lines = bench->consoleLines();
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0],
                 (QPair<Rgb, QString>{colours::Green,
                                      QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）")}));
        QCOMPARE(lines[1], (QPair<Rgb, QString>{colours::Blue, QStringLiteral("Hi")}));
        QCOMPARE(lines[2], (QPair<Rgb, QString>{colours::Red, QStringLiteral("ブレークポイント！")}));
        QCOMPARE(lines[3],
                 (QPair<Rgb, QString>{colours::Black,
                                      QStringLiteral("ADDR  EA    FR ( 日 ) GR1   SP　　M(SP+0) ")}));
        QCOMPARE(lines[4].first, colours::Black);
        QVERIFY2(lines[4].second.startsWith(QLatin1Char('#') + QString::number(subaAddress, 16).toUpper() +
                                            QLatin1Char(' ')),
                 qPrintable(lines[4].second));
        QCOMPARE(lines[5],
                 (QPair<Rgb, QString>{
                     colours::Olive,
                     QStringLiteral("（説明）画面を切替え、停止した行からステップで実行できます。")}));
        QCOMPARE(lines[6], (QPair<Rgb, QString>{colours::Green, QStringLiteral("■ブレークポイントで停止")}));
        QVERIFY(bench->form().runControl().runWindowOpen());

        // Step mode at the line of the breakpoint; "ステップ" executes the next instruction.
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        QCOMPARE(panel().highlightedRow(), suba);
        QCOMPARE(RunFixture::backColour(source(suba)), kYellow);
        for (int i = 0; i <= 5; ++i) QCOMPARE(enabled(i), i >= 3);
        QCOMPARE(bench->cell(QStringLiteral("GR1_Signed")), QStringLiteral("    +2"));
        click("Command4_3");
        QCOMPARE(bench->cell(QStringLiteral("PR")),
                 QLatin1Char('#') + QString::number(subaAddress + 2, 16).toUpper());
        QCOMPARE(panel().highlightedRow(), suba + 1);
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        click("Command4_5");
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
    }

    void breakpointsToggleAndClearAll() {
        start();
        QVERIFY(bench->enterRunMode(kOutLoop));
        MachineState& m = bench->session().machine;
        const int first = bench->rowOf(QStringLiteral("LAD       GR1,3"));
        const int jpl = bench->rowOf(QStringLiteral("JPL"));
        bench->clickAddressCell(first);
        bench->clickAddressCell(first);
        QCOMPARE(RunFixture::backColour(address(first)), kWhite);
        QCOMPARE(m.kindAt(0x8000) & kind::Breakpoint, 0);
        bench->clickAddressCell(first);
        bench->clickAddressCell(jpl);
        QCOMPARE(RunFixture::backColour(address(jpl)), kRed);

        // The generated heading of the literals and a line without an address take no breakpoint.
        const int literal = bench->rowOf(QStringLiteral("リテラル"));
        QCOMPARE(RunFixture::backColour(address(literal)), kGreen);
        bench->clickAddressCell(literal);
        QCOMPARE(RunFixture::backColour(address(literal)), kGreen);
        const int end = bench->rowOf(QStringLiteral("END"));
        bench->clickAddressCell(end);
        QCOMPARE(RunFixture::backColour(address(end)), kWhite);
        bench->clickAddressCell(end + 1);  // past the last line

        bench->find<QAction>(QStringLiteral("mn5A"))->trigger();
        QCOMPARE(RunFixture::backColour(address(first)), kWhite);
        QCOMPARE(RunFixture::backColour(address(jpl)), kWhite);
        QCOMPARE(RunFixture::backColour(address(literal)), kGreen);
        for (int d = 0; d <= MachineState::kAreaWords; ++d) QVERIFY(!(m.wordKinds[d] & kind::Breakpoint));
        for (const ListingLine& line : bench->session().assembly.listing)
            QVERIFY(line.colour != kBreakpointColour);
        // Without breakpoints the run goes to its end.
        click("Command4_0");
        QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
    }

    void autoRunsOnTimerTicksUntilStepStopsIt() {
        start([](Settings& s) { s.autoSpeed = 10; });
        QVERIFY(bench->enterRunMode(kEndless));
        MachineState& m = bench->session().machine;
        click("Command4_2");
        QCOMPARE(m.GR[1], 0x8000);
        auto* timer = bench->find<QTimer>(QStringLiteral("Timer400"));
        click("Command4_4");
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Auto);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        for (int i = 0; i <= 5; ++i) QCOMPARE(enabled(i), i >= 3);
        QTRY_VERIFY(m.GR[1] >= 0x8001);  // two ticks: LAD and JUMP
        // No F-notation in automatic running.
        QVERIFY(!bench->find<QLabel>(QStringLiteral("StatusPanel2"))
                     ->text()
                     .startsWith(QStringLiteral("　F式表記")));

        click("Command4_3");
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 0);
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::Step);
        const std::int32_t pr = m.PR;
        const std::int32_t gr1 = m.GR[1];
        QTest::qWait(250);
        QCOMPARE(m.PR, pr);
        QCOMPARE(m.GR[1], gr1);
        click("Command4_3");
        QVERIFY(m.PR != pr);

        // "オート" again, then "実行終了" stops the timer and ends the run.
        click("Command4_4");
        QVERIFY(timer->isActive());
        click("Command4_5");
        QVERIFY(!timer->isActive());
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
        QVERIFY(bench->boxes.boxes.isEmpty());
    }

    void theDefaultSpeedTicksEvery400Milliseconds() {
        start();
        QVERIFY(bench->enterRunMode(kEndless));
        click("Command4_2");
        click("Command4_4");
        QCOMPARE(bench->find<QTimer>(QStringLiteral("Timer400"))->interval(), 400);
        // Closing the main window ends automatic running.
        bench->form().close();
        QVERIFY(!bench->find<QTimer>(QStringLiteral("Timer400"))->isActive());
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
    }

    void leavingRunModeClosesTheConsole() {
        start();
        QVERIFY(bench->enterRunMode(kOutLoop));
        bench->find<QAction>(QStringLiteral("mn54B"))->trigger();
        QVERIFY(bench->console() && bench->console()->isVisible());
        QVERIFY(!bench->form().runControl().runWindowOpen());
        click("Command001");
        QVERIFY(bench->console() == nullptr);
        QVERIFY(bench->enterRunMode(kOutLoop));
        click("Command4_0");
        QVERIFY(bench->console());
        QVERIFY(bench->form().runControl().runWindowOpen());
        // Back to assemble mode the console stays; entering run mode again closes it.
        click("Command002");
        QVERIFY(bench->console());
        click("Command003");
        QVERIFY(bench->console() == nullptr);
        QVERIFY(!bench->form().runControl().runWindowOpen());
    }
};

int RunRunModeTest(int argc, char** argv) {
    RunModeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RunModeTest.moc"
