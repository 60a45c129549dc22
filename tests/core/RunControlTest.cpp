#include <gtest/gtest.h>

#include "RunFixture.h"

namespace kv::testing {
namespace {

constexpr std::int32_t kRet = 0x8100, kNop = 0x0000, kJump = 0x6400, kInvalid = 0x0100;

// The enabled states as a text: 編集モード, アセンブル, 実行, トレース, スタート, ステップ, オート and the
// console window's buttons.
QString states(const RunButtons& b) {
    QString text;
    for (const bool on : {b.editMode, b.assemble, b.run, b.trace, b.start, b.step, b.autoRun, b.consoleButtons})
        text += on ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}
const QString kIdle = QStringLiteral("11111001");
const QString kLoop = QStringLiteral("00000000");
const QString kStepping = QStringLiteral("00000110");

const QString kRunStart = QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）");
const QString kTraceStart = QStringLiteral("■実行開始（トレース）");
const QString kPrompt = QStringLiteral("IN命令です。入力してください。");
const QString kNormalEnd = QStringLiteral("■正常終了");
const QString kForcedEnd = QStringLiteral("■強制終了");

class RunControlTest : public RunFixture {
protected:
    QStringList lines() const {
        QStringList texts;
        for (const ColouredLine& line : host.consoleLines) texts << line.text;
        return texts;
    }
    QVector<Rgb> lineColours() const {
        QVector<Rgb> colours;
        for (const ColouredLine& line : host.consoleLines) colours << line.colour;
        return colours;
    }
    static QString abnormalEnd(const char* address) {
        return QStringLiteral("■異常終了（命令語アドレス=") + QLatin1String(address) + QStringLiteral("）");
    }
    void expectBox(const QString& text, const QString& title, BoxIcon icon) {
        ASSERT_EQ(host.boxes.size(), 1);
        EXPECT_EQ(host.boxes[0].text, text);
        EXPECT_EQ(host.boxes[0].title, title);
        EXPECT_EQ(host.boxes[0].icon, icon);
        host.boxes.clear();
    }
    void expectInformation(const QString& text) { expectBox(text, QStringLiteral("実行情報"), BoxIcon::Information); }
};

TEST_F(RunControlTest, EnteringRunMode) {
    assembly.usedRegisters = {false, true, false, true, false, false, false, false};
    machine.PR = 0x8123;
    machine.GR.fill(0);
    machine.SP = 0x8500;
    machine.OF = '1';
    run.PrepareRunMode();
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.word(0x9000), kOsReturn);
    EXPECT_EQ(machine.PR, 0);
    EXPECT_EQ(machine.GR[5], 0x7FFF);
    EXPECT_EQ(machine.FR(), QStringLiteral("???"));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(host.registerBoxes[i], i == 1 || i == 3) << i;
        EXPECT_EQ(trace.registers[i], i == 1 || i == 3) << i;
    }
    ASSERT_FALSE(host.runButtons.isEmpty());
    EXPECT_EQ(states(host.runButtons.last()), kIdle);
    EXPECT_EQ(host.registerRefreshes, QVector<int>({-1}));
    EXPECT_EQ(host.memoryRefreshes, QVector<int>({0x8000}));
    EXPECT_EQ(host.stackRefreshes, QVector<int>({0x9000}));
    EXPECT_EQ(notes.text(), QStringLiteral("GRの初期値は、オプションで変更できます。"));
    EXPECT_TRUE(host.consoleClosed);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
}

TEST_F(RunControlTest, RunToTheEnd) {
    put(0x8000, {0x1210, 5, kRet});
    machine.GR[1] = 0;
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, kNormalEnd}));
    EXPECT_EQ(lineColours(), QVector<Rgb>({colours::Green, colours::Green}));
    EXPECT_EQ(run.lastResult(), step::NormalEnd);
    EXPECT_EQ(run.executedInstructions(), 2);
    EXPECT_EQ(machine.GR[1], 5);
    EXPECT_EQ(machine.PR, 0x8002);  // the instruction executed last
    EXPECT_EQ(host.instructionAddress, 0x8002);
    EXPECT_EQ(host.registerRefreshes, QVector<int>({-1}));
    EXPECT_EQ(host.memoryRefreshes, QVector<int>({0x8000}));
    EXPECT_EQ(host.stackRefreshes, QVector<int>({0x9001}));
    ASSERT_EQ(host.runButtons.size(), 2);
    EXPECT_EQ(states(host.runButtons[0]), kLoop);
    EXPECT_EQ(states(host.runButtons[1]), kIdle);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_TRUE(run.runWindowOpen());
    EXPECT_TRUE(host.consoleShown);
    EXPECT_TRUE(host.consoleEnabled);
    EXPECT_TRUE(host.boxes.isEmpty());

    // Each run starts again from the entry address with reset registers.
    host = RecordingHost();
    machine.GR[1] = 0;
    run.RunAll();
    EXPECT_EQ(machine.GR[1], 5);
    EXPECT_EQ(lines(), QStringList({kRunStart, kNormalEnd}));
}

TEST_F(RunControlTest, FailuresInTheConsole) {
    struct Case {
        std::initializer_list<std::int32_t> words;
        const char16_t* message;
        const char* address;
    };
    const Case cases[] = {
        {{kNop, kInvalid}, u"　不当な命令を実行しようとしました。", "8001"},
        {{0x1010, 0x7000}, u"　実効アドレス（7000）が、メモリを参照できる範囲（8000～8FFF）にありません。", "8000"},
        {{0x7110}, u"　不当なアドレスを参照しようとしました。", "8000"},  // POP on the empty stack
        {{kJump, 0x7000}, u"　不当なアドレスを参照しようとしました。", "7000"},
        {{0xF000, 5}, u"　この引数は、サポートされていません。", "8000"},
        {{0x1480}, u"　汎用レジスタの指定に誤りがあります。", "8000"},
    };
    for (const Case& c : cases) {
        host = RecordingHost();
        put(0x8000, c.words);
        run.RunAll();
        EXPECT_EQ(lines(), QStringList({kRunStart, QString::fromUtf16(c.message), abnormalEnd(c.address)}));
        EXPECT_EQ(lineColours(), QVector<Rgb>({colours::Green, colours::Red, colours::Green}));
        EXPECT_EQ(error.number(), 0);
        EXPECT_TRUE(run.mode() == kv::RunMode::None);
        EXPECT_EQ(states(host.runButtons.last()), kIdle);
    }
}

TEST_F(RunControlTest, EndlessRecursionOverflowsTheStack) {
    // CALL #8000, again and again. The stack grows over the whole area, the program included: the
    // last pushes turn the CALL's address word and then every word into #8002, so execution goes on
    // at #8002, where the word #8002 is a CALL whose push finds no room.
    put(0x8000, {0x8000, 0x8000});
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, QStringLiteral("　不当なアドレスを参照しようとしました。"), abnormalEnd("8002")}));
    EXPECT_EQ(machine.SP, 0x8000);
    EXPECT_EQ(machine.word(0x8FFF), 0x8002);
    EXPECT_EQ(machine.word(0x9000), kOsReturn);
}

TEST_F(RunControlTest, JumpToTheOsReturnAddressEndsNormally) {
    put(0x8000, {kJump, kOsReturn});
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, kNormalEnd}));
    host = RecordingHost();
    run.StartStep();
    expectInformation(QStringLiteral("正常終了しました。"));
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
}

TEST_F(RunControlTest, EndlessLoopsStopOnRequest) {
    put(0x8000, {kJump, 0x8000});
    // A safety net: should events never run, the limit ends the loop and the checks below fail.
    const std::int64_t safety = 200'000'000;
    run.setStepLimit(safety);
    host.onEvents = [this] { run.EndButton(); };
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, kForcedEnd}));
    EXPECT_EQ(run.lastResult(), step::StopRequested);
    EXPECT_EQ(host.autoIntervals.last(), 0);
    // Events run on a time slice, not after every instruction: the first slice stopped the run.
    EXPECT_EQ(host.eventRuns, 1);
    EXPECT_GE(run.executedInstructions(), 4096);
    EXPECT_LT(run.executedInstructions(), safety);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);

    // The console window's "実行終了" and closing the window during a traced run.
    for (int way = 0; way < 2; ++way) {
        host = RecordingHost();
        host.onEvents = [this, way] { way == 0 ? run.ConsoleStop() : run.ConsoleClosed(); };
        run.RunTrace();
        EXPECT_EQ(host.consoleLines.last().text, kForcedEnd);
        EXPECT_LT(run.executedInstructions(), safety);
        EXPECT_TRUE(run.mode() == kv::RunMode::None);
    }

    // The command-line limit.
    host = RecordingHost();
    run.setStepLimit(1000);
    run.RunAll();
    EXPECT_EQ(run.executedInstructions(), 1000);
    EXPECT_EQ(lines(), QStringList({kRunStart, kForcedEnd}));
    EXPECT_EQ(machine.PR, 0x8000);
}

TEST_F(RunControlTest, BreakpointInRunThenSteps) {
    put(0x8000, {0x1210, 5, 0x1220, 1, kRet});
    breakpointAt(0x8000);
    trace.registers[1] = true;
    run.RunAll();
    EXPECT_EQ(host.console, kRunStart + QStringLiteral("\n"
                                                       "ブレークポイント！\n"
                                                       "ADDR  EA    FR ( 日 ) GR1   SP　　M(SP+0) \n"
                                                       "#8000 #0005 ?\?\?( ？ ) #0005 #9000  #E000   \n"
                                                       "（説明）画面を切替え、停止した行からステップで実行できます。\n"
                                                       "■ブレークポイントで停止\n"));
    EXPECT_EQ(lineColours(), QVector<Rgb>({colours::Green, colours::Red, colours::Olive, colours::Green}));
    EXPECT_EQ(run.lastResult(), step::Breakpoint);
    EXPECT_EQ(run.mode(), kv::RunMode::Step);
    EXPECT_EQ(machine.PR, 0x8002);
    EXPECT_EQ(host.highlights, 1);
    EXPECT_EQ(states(host.runButtons.last()), kStepping);
    EXPECT_TRUE(host.boxes.isEmpty());

    run.StepButton();
    EXPECT_EQ(machine.GR[2], 1);
    EXPECT_EQ(machine.PR, 0x8004);
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(run.mode(), kv::RunMode::Step);

    run.StepButton();
    expectInformation(QStringLiteral("正常終了しました。"));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_EQ(states(host.runButtons.last()), kIdle);
}

TEST_F(RunControlTest, BreakpointInTrace) {
    put(0x8000, {0x1210, 5, kRet});
    breakpointAt(0x8000);
    run.RunTrace();
    EXPECT_TRUE(host.consoleWhite);
    EXPECT_EQ(host.console, kTraceStart + QStringLiteral("\n"
                                                         "ADDR  EA    FR ( 日 ) SP　　M(SP+0) \n"
                                                         "#8000 #0005 ?\?\?( ？ ) #9000  #E000   \n"
                                                         "ブレークポイント！\n"
                                                         "（説明）画面を切替え、停止した行からステップで実行できます。\n"
                                                         "■ブレークポイントで停止\n"));
    EXPECT_EQ(run.mode(), kv::RunMode::Step);
    EXPECT_EQ(machine.PR, 0x8002);
}

TEST_F(RunControlTest, TraceWritesARecordPerInstruction) {
    put(0x8000, {0x1210, 5, 0xF000, 16, kRet});
    trace.registers[1] = true;
    run.RunTrace();
    EXPECT_EQ(host.console, kTraceStart + QStringLiteral("\n"
                                                         "ADDR  EA    FR ( 日 ) GR1   SP　　M(SP+0) \n"
                                                         "#8000 #0005 ?\?\?( ？ ) #0005 #9000  #E000   \n"
                                                         "***　SV CALL　***\n"
                                                         "#8002 #0010 ?\?\?( ？ ) #0005 #9000  #E000   \n"
                                                         "#8004       ?\?\?( ？ ) #0005 #9001  #????   \n"
                                                         "■正常終了\n"));
    EXPECT_EQ(states(host.runButtons.first()), kLoop);
    EXPECT_EQ(states(host.runButtons.last()), kIdle);

    // The refused instruction has its record too.
    host = RecordingHost();
    trace.registers[1] = false;
    put(0x8000, {kJump, 0x7000});
    run.RunTrace();
    EXPECT_EQ(host.console, kTraceStart + QStringLiteral("\n"
                                                         "ADDR  EA    FR ( 日 ) SP　　M(SP+0) \n"
                                                         "#8000 #7000 ?\?\?( ？ ) #9000  #E000   \n"
                                                         "#7000 #7000 ?\?\?( ？ ) #9000  #E000   \n"
                                                         "　不当なアドレスを参照しようとしました。\n"
                                                         "■異常終了（命令語アドレス=7000）\n"));
}

TEST_F(RunControlTest, StepOutcomesInBoxes) {
    run.setMemoryViewAddress(0x8010);
    put(0x8000, {kRet});
    run.StartStep();
    expectInformation(QStringLiteral("正常終了しました。"));
    EXPECT_EQ(host.highlights, 1);
    EXPECT_EQ(host.registerRefreshes, QVector<int>({-1}));
    EXPECT_EQ(host.memoryRefreshes, QVector<int>({0x8010}));
    EXPECT_EQ(host.stackRefreshes, QVector<int>({0x9001}));
    EXPECT_EQ(host.instructionAddress, 0x8000);
    EXPECT_EQ(machine.PR, kOsReturn);
    EXPECT_EQ(states(host.runButtons.first()), kStepping);
    EXPECT_EQ(states(host.runButtons.last()), kIdle);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_TRUE(host.consoleLines.isEmpty());

    put(0x8000, {kInvalid});
    run.StartStep();
    expectBox(QStringLiteral("不当な命令を実行しようとしました。\n\n\n"), QStringLiteral("実行時エラー"), BoxIcon::Exclamation);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_EQ(error.number(), 0);

    put(0x8000, {kNop, kNop, kRet});
    breakpointAt(0x8000);
    run.StartStep();
    expectInformation(QStringLiteral("ブレークポイントで停止しました。"));
    EXPECT_EQ(run.mode(), kv::RunMode::Start);
    run.NextStep();
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(run.mode(), kv::RunMode::Step);
    run.NextStep();
    expectInformation(QStringLiteral("正常終了しました。"));

    // A stop request left by closing the console window ends the next step.
    run.StartStep();
    host.boxes.clear();
    run.ConsoleClosed();
    run.NextStep();
    expectInformation(QStringLiteral("強制終了しました。"));
    EXPECT_TRUE(run.mode() == kv::RunMode::None);

    // "実行終了" in step mode ends the run without a box.
    run.StartStep();
    host.boxes.clear();
    run.EndButton();
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_EQ(states(host.runButtons.last()), kIdle);
}

TEST_F(RunControlTest, StepShowsTheFNotation) {
    put(0x8000, {kNop, kNop, kRet});
    machine.lineOfAddress[0] = 1;
    machine.lineOfAddress[1] = 2;
    assembly.listing = {ListingLine(), ListingLine()};
    assembly.listing[0].fNotation = QStringLiteral("F1");
    assembly.listing[1].fNotation = QStringLiteral("F2");
    run.StartStep();
    EXPECT_EQ(notes.text(), QStringLiteral("　F式表記：　F1"));
    run.NextStep();
    EXPECT_EQ(notes.text(), QStringLiteral("　F式表記：　F2"));

    settings.fNotationInRunMode = 0;
    run.StartStep();
    EXPECT_TRUE(notes.text().isEmpty());
}

TEST_F(RunControlTest, AutoIntervals) {
    for (const int speed : {0, 1, 7, 10}) {
        settings.autoSpeed = speed;
        run.StartAuto();
        EXPECT_EQ(host.autoIntervals.last(), 1100 - 100 * speed);
        EXPECT_EQ(run.mode(), kv::RunMode::Auto);
        EXPECT_EQ(states(host.runButtons.last()), kStepping);
    }
    EXPECT_EQ(host.autoIntervals, QVector<int>({1100, 1000, 400, 100}));
    run.EndButton();
    EXPECT_EQ(host.autoIntervals.last(), 0);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
    EXPECT_EQ(states(host.runButtons.last()), kIdle);
}

TEST_F(RunControlTest, AutoRunsUntilTheEnd) {
    put(0x8000, {kNop, kNop, kNop, kRet});
    run.StartStep();
    run.StartAuto();
    EXPECT_EQ(host.autoIntervals, QVector<int>({400}));
    EXPECT_EQ(machine.PR, 0x8001);  // Auto goes on from where the steps stopped
    run.AutoTick();
    run.AutoTick();
    EXPECT_EQ(machine.PR, 0x8003);
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_TRUE(notes.text().isEmpty());  // no F-notation in Auto
    run.AutoTick();
    expectInformation(QStringLiteral("正常終了しました。"));
    EXPECT_EQ(host.autoIntervals.last(), 0);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);

    // A tick that arrives after the end does nothing.
    const std::int32_t pr = machine.PR;
    run.AutoTick();
    EXPECT_EQ(machine.PR, pr);
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST_F(RunControlTest, StepDuringAutoOnlyStopsTheTimer) {
    put(0x8000, {kNop, kNop, kNop, kRet});
    run.StartStep();
    run.StartAuto();
    run.AutoTick();
    run.StepButton();
    EXPECT_EQ(run.mode(), kv::RunMode::Step);
    EXPECT_EQ(host.autoIntervals, QVector<int>({400, 0}));
    EXPECT_EQ(machine.PR, 0x8002);
    run.AutoTick();  // a tick already queued is ignored
    EXPECT_EQ(machine.PR, 0x8002);
    run.StepButton();
    EXPECT_EQ(machine.PR, 0x8003);
    run.StartAuto();
    EXPECT_EQ(host.autoIntervals.last(), 400);
    run.AutoTick();
    expectInformation(QStringLiteral("正常終了しました。"));
}

TEST_F(RunControlTest, AutoStopsAtBreakpointsAndFailures) {
    put(0x8000, {kNop, kNop, kNop, kInvalid});
    breakpointAt(0x8001);
    run.StartStep();
    run.StartAuto();
    run.AutoTick();
    expectInformation(QStringLiteral("ブレークポイントで停止しました。"));
    EXPECT_EQ(host.autoIntervals.last(), 0);
    EXPECT_EQ(run.mode(), kv::RunMode::Auto);
    run.StartAuto();
    run.AutoTick();
    run.AutoTick();
    expectBox(QStringLiteral("不当な命令を実行しようとしました。\n\n\n"), QStringLiteral("実行時エラー"), BoxIcon::Exclamation);
    EXPECT_EQ(host.autoIntervals.last(), 0);
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
}

TEST_F(RunControlTest, ConsoleTransfersInRun) {
    putTransfer(0x8000, kind::In, 0x8100, 0x8200);
    putTransfer(0x800C, kind::Out, 0x8100, 0x8200);
    put(0x8018, {kRet});
    typeLines({QStringLiteral("hello")});
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, kPrompt, QStringLiteral("hello"), kNormalEnd}));
    EXPECT_EQ(lineColours(), QVector<Rgb>({colours::Green, colours::Green, colours::Blue, colours::Green}));
    EXPECT_EQ(at(0x8200), 5);
    EXPECT_TRUE(host.consoleEnabled);
    EXPECT_EQ(run.executedInstructions(), 3);

    // An empty line stores length 0 and OUT writes an empty line; a line delivered with its line
    // break ends before it.
    for (const QString& typed : {QString(), QStringLiteral("\r"), QStringLiteral("\r\n"), QStringLiteral("\n")}) {
        host = RecordingHost();
        typeLines({typed});
        run.RunAll();
        EXPECT_EQ(lines(), QStringList({kRunStart, kPrompt, QString(), kNormalEnd}));
        EXPECT_EQ(at(0x8200), 0);
    }
    host = RecordingHost();
    typeLines({QStringLiteral("ab\r\n")});
    run.RunAll();
    EXPECT_EQ(at(0x8200), 2);
}

// The console comes to the front when a run or a trace starts and whenever IN waits for a line,
// before the prompt; OUT only writes into it, wherever it is.
TEST_F(RunControlTest, TheConsoleComesToTheFrontAtEachStartAndEachIn) {
    putTransfer(0x8000, kind::In, 0x8100, 0x8200);
    for (std::int32_t out = 0x800C; out < 0x8030; out += 12) putTransfer(out, kind::Out, 0x8100, 0x8200);
    putTransfer(0x8030, kind::In, 0x8100, 0x8200);
    put(0x803C, {kRet});
    for (const bool tracing : {false, true}) {
        host = RecordingHost();
        QVector<int> raisesAtWaits, linesAtWaits;
        host.onWait = [&] {
            raisesAtWaits << host.consoleRaises;
            linesAtWaits << host.consoleLines.size();
            run.DeliverConsoleLine(QStringLiteral("x"));
        };
        if (tracing) run.RunTrace();
        else run.RunAll();
        EXPECT_EQ(run.lastResult(), step::NormalEnd) << tracing;
        EXPECT_EQ(raisesAtWaits, QVector<int>({2, 3})) << tracing;
        EXPECT_EQ(host.consoleRaises, 3) << tracing;
        // Each wait comes after its own prompt: the console was in front before the prompt came.
        ASSERT_EQ(linesAtWaits.size(), 2);
        EXPECT_EQ(host.consoleLines[linesAtWaits[0] - 1].text, kPrompt);
        EXPECT_EQ(host.consoleLines[linesAtWaits[1] - 1].text, kPrompt);
    }

    // The step modes ask in an input box and write OUT into boxes: the console stays where it is.
    host = RecordingHost();
    run.StartStep();
    for (int i = 0; i < 5; ++i) run.NextStep();
    EXPECT_EQ(host.inputBoxes.size(), 2);
    EXPECT_EQ(host.consoleRaises, 0);
    EXPECT_FALSE(host.consoleShown);
}

TEST_F(RunControlTest, EndingTheRunWhileInWaits) {
    putTransfer(0x8000, kind::In, 0x8100, 0x8200);
    put(0x800C, {kRet});
    put(0x8200, {0x5A5A}, kind::Free);

    // The console window's "実行終了" ends the wait with the empty text.
    host.onWait = [this] { run.ConsoleStop(); };
    run.RunAll();
    EXPECT_EQ(at(0x8200), 0);
    EXPECT_EQ(lines(), QStringList({kRunStart, kPrompt, kForcedEnd}));

    // The main window's "実行終了" only requests the stop: the wait goes on until a line comes.
    host = RecordingHost();
    int waits = 0;
    host.onWait = [this, &waits] {
        if (++waits == 1) run.EndButton();
        else run.DeliverConsoleLine(QStringLiteral("AB"));
    };
    run.RunAll();
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(at(0x8200), 2);
    EXPECT_EQ(lines(), QStringList({kRunStart, kPrompt, kForcedEnd}));

    // Closing the console window.
    host = RecordingHost();
    host.onWait = [this] { run.ConsoleClosed(); };
    run.RunTrace();
    EXPECT_EQ(host.consoleLines.last().text, kForcedEnd);
}

TEST_F(RunControlTest, OverlongTransfersEndTheRunWithoutAnErrorText) {
    putTransfer(0x8000, kind::In, 0x8100, 0x8200);
    put(0x800C, {kRet});
    typeLines({QString(300, QLatin1Char('x'))});
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, kPrompt, QString(), abnormalEnd("8000")}));
    EXPECT_EQ(lineColours(), QVector<Rgb>({colours::Green, colours::Green, colours::Red, colours::Green}));
    EXPECT_EQ(at(0x8200), 256);

    host = RecordingHost();
    putTransfer(0x8000, kind::Out, 0x8100, 0x8200);
    put(0x8200, {0xFFFF}, kind::Free);
    run.RunAll();
    ASSERT_EQ(host.consoleLines.size(), 4);
    EXPECT_EQ(host.consoleLines[1].text, QString(256, QLatin1Char('x')));
    EXPECT_EQ(host.consoleLines[2].text, QString());
    EXPECT_EQ(host.consoleLines[3].text, abnormalEnd("8000"));

    // In the step modes the same cut ends the run without a box.
    host = RecordingHost();
    run.StartStep();
    EXPECT_EQ(host.boxes.size(), 1);  // the OUT box
    EXPECT_TRUE(run.mode() == kv::RunMode::None);
}

TEST_F(RunControlTest, TransfersInTheStepModes) {
    put(0x8000, {kNop});
    putTransfer(0x8001, kind::In, 0x8100, 0x8200);
    putTransfer(0x800D, kind::Out, 0x8100, 0x8200);
    putTransfer(0x8019, kind::In, 0x8100, 0x8200);
    putTransfer(0x8025, kind::Out, 0x8100, 0x8200);
    put(0x8031, {kRet});
    host.inputAnswers = {QStringLiteral("hi"), QStringLiteral("auto")};
    run.StartStep();
    run.NextStep();
    EXPECT_EQ(host.inputBoxes.last().first, QStringLiteral("ステップ実行中"));
    run.NextStep();
    expectBox(QStringLiteral("hi"), QStringLiteral("ステップ実行中　OUT命令"), BoxIcon::None);
    run.StartAuto();
    run.AutoTick();
    EXPECT_EQ(host.inputBoxes.last().first, QStringLiteral("オート実行中"));
    run.AutoTick();
    expectBox(QStringLiteral("auto"), QStringLiteral("オート実行中　OUT命令"), BoxIcon::None);
    run.AutoTick();
    expectInformation(QStringLiteral("正常終了しました。"));
    EXPECT_TRUE(host.consoleLines.isEmpty());
}

TEST_F(RunControlTest, VirtualFileDeviceInARun) {
    device.inputDevice = InputDevice::VirtualFile;
    device.recordText = QStringLiteral("[END]\n");
    putTransfer(0x8000, kind::In, 0x8100, 0x8200);
    putTransfer(0x800C, kind::Out, 0x8100, 0x8200);
    put(0x8018, {0x1010, 0x8200, kRet});  // LD GR1,LEN
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, QString(), kNormalEnd}));
    EXPECT_EQ(at(0x8200), -1);
    EXPECT_EQ(machine.GR[1], 0xFFFF);
    EXPECT_EQ(machine.FR(), QStringLiteral("010"));

    // Every run reads from the first record again.
    device.recordText = QStringLiteral("[ok]\n");
    for (int i = 0; i < 2; ++i) {
        host = RecordingHost();
        run.RunAll();
        EXPECT_EQ(lines(), QStringList({kRunStart, QStringLiteral("ok"), kNormalEnd}));
    }
    // Bad records stop the run.
    host = RecordingHost();
    device.recordText = QStringLiteral("[ok]");
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, QStringLiteral("　仮想ファイル装置の[END]がありません。"), abnormalEnd("8000")}));
    host = RecordingHost();
    device.recordText = QStringLiteral("ok\n");
    run.RunAll();
    EXPECT_EQ(lines(), QStringList({kRunStart, QStringLiteral("　仮想ファイル装置のレコードが[　]でくくられていません。"),
                                    abnormalEnd("8000")}));
}

TEST_F(RunControlTest, JumpIntoAnInExpansion) {
    put(0x8000, {kJump, 0x800A});  // the SVC 1 inside the expansion
    putTransfer(0x8002, kind::In, 0x8100, 0x8200);
    run.RunAll();
    expectBox(QStringLiteral("入力機能ですが、ユーザの使用を禁止します。\nIN命令を使ってください。"),
              QStringLiteral("スーパバイザコール"), BoxIcon::None);
    // Then POP GR2 and POP GR1 run as instructions and find the stack empty.
    EXPECT_EQ(lines(), QStringList({kRunStart, QStringLiteral("　不当なアドレスを参照しようとしました。"), abnormalEnd("800C")}));
    EXPECT_EQ(machine.GR[2], kOsReturn);
}

TEST_F(RunControlTest, RegisterDisplayAndConstantWarningInRun) {
    put(0x8000, {0x1210, 5, 0x1110, 0x8010, 0xF000, 10, kRet});
    put(0x8010, {0}, kind::Constant);
    run.RunAll();
    EXPECT_EQ(host.console, kRunStart + QStringLiteral("\n"
                                                       "　警告!　DCで定数を設定した領域（8010）に書き込みました。\n"
                                                       "　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。\n"
                                                       "***　SV CALL　　PR=#8004\n"
                                                       "GR0=+32767 GR1=    +5 GR2=+32767 GR3=+32767 GR4=+32767 GR5=+32767 "
                                                       "GR6=+32767 GR7=+32767 \n"
                                                       "■正常終了\n"));
    EXPECT_EQ(host.consoleLines[1].colour, colours::Olive);
    EXPECT_EQ(at(0x8010), 5);

    // In the step modes the warning is a box, and the register display is refused.
    host = RecordingHost();
    run.StartStep();
    run.NextStep();
    expectBox(QStringLiteral("警告!　DCで定数を設定した領域（8010）に書き込みました。\n"
                             "　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。"),
              QStringLiteral("実行時エラー"), BoxIcon::Information);
    EXPECT_EQ(run.mode(), kv::RunMode::Step);
    run.NextStep();
    expectBox(QStringLiteral("レジスタ表示機能は、一括実行だけ有効で、コンソールに出力されます。"),
              QStringLiteral("スーパバイザコール"), BoxIcon::None);
    EXPECT_TRUE(host.consoleLines.isEmpty());
}

TEST_F(RunControlTest, OutcomeWhenIdleIsABox) {
    const std::pair<StepResult, const char16_t*> cases[] = {{step::StopRequested, u"強制終了しました。"},
                                                            {step::Breakpoint, u"ブレークポイントで停止しました。"},
                                                            {step::NormalEnd, u"正常終了しました。"}};
    for (const auto& [result, text] : cases) {
        run.ReportOutcome(result);
        expectInformation(QString::fromUtf16(text));
        EXPECT_EQ(run.lastResult(), result);
    }
    run.ReportOutcome(0);
    run.ReportOutcome(3);  // a failure without an error code shows nothing
    EXPECT_TRUE(host.boxes.isEmpty());
    error.raise(kv::ErrorCode(990));
    run.ReportOutcome(3);
    expectBox(QStringLiteral("この引数は、サポートされていません。\n\n\n"), QStringLiteral("スーパバイザコール"),
              BoxIcon::Exclamation);
}

}  // namespace
}  // namespace kv::testing
