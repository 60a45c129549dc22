// The run loop works from a decoded copy of the program; every store must reach it: pushes that
// grow the stack into the program, IN storing into words executed later, ST into a free word
// executed later, a breakpoint set while IN waits or while events run. Each program runs with
// "実行" and "トレース" and must end as it does one step at a time with "スタート" and "ステップ",
// which decode nothing in advance.

#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>
#include <memory>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/RunControl.h"
#include "simulator/Trace.h"

namespace kv::testing {
namespace {

struct Words {
    std::int32_t address;
    std::initializer_list<std::int32_t> words;
    std::uint16_t wordKind = kind::Instruction;
};

// One workbench's run control on a machine holding the words.
struct Workshop {
    Settings settings;
    MachineState machine;
    AssemblyState assembly;
    ErrorState error;
    TraceOptions trace;
    VirtualFileDevice device;
    RecordingHost host;
    RunNotes notes{host, machine, assembly};
    RunControl run{machine, assembly, error, settings, trace, device, notes, host};

    explicit Workshop(std::initializer_list<Words> program) {
        machine.ResetForRunMode();
        for (const Words& block : program) {
            std::int32_t address = block.address;
            for (const std::int32_t w : block.words) {
                machine.word(address) = w;
                machine.wordKinds[address - machine.userStart] = block.wordKind;
                ++address;
            }
        }
    }
    // The first word of IN area,length at address.
    void markIn(std::int32_t address) { machine.wordKinds[address - machine.userStart] = kind::In; }

    // "スタート", then "ステップ" until the run is over; the console lines an IN asks for come from
    // input boxes in these modes.
    void stepThrough(const QStringList& input) {
        for (const QString& line : input) host.inputAnswers.push_back(line);
        run.StartStep();
        while (run.mode() != RunMode::None) run.NextStep();
    }
    // "実行" or "トレース", the console lines typed one per wait.
    void runAll(const QStringList& input, bool tracing) {
        auto queue = std::make_shared<QStringList>(input);
        host.onWait = [this, queue] {
            if (queue->isEmpty())
                run.ConsoleClosed();
            else
                run.DeliverConsoleLine(queue->takeFirst());
        };
        if (tracing)
            run.RunTrace();
        else
            run.RunAll();
    }
};

void expectSameMachine(const Workshop& stepped, const Workshop& ran, const char* way) {
    SCOPED_TRACE(way);
    EXPECT_TRUE(stepped.machine.memory == ran.machine.memory);
    EXPECT_TRUE(stepped.machine.GR == ran.machine.GR);
    EXPECT_EQ(stepped.machine.SP, ran.machine.SP);
    EXPECT_EQ(stepped.machine.EA, ran.machine.EA);
    EXPECT_EQ(stepped.machine.FR(), ran.machine.FR());
    EXPECT_EQ(stepped.run.executedInstructions(), ran.run.executedInstructions());
    // The address of the instruction executed last.
    EXPECT_EQ(stepped.host.instructionAddress, ran.host.instructionAddress);
}

// Runs a fresh copy of the program each way and compares them with the stepped one; returns the
// console of "実行".
QString expectRunsAsStepped(std::initializer_list<Words> program, const QStringList& input = {},
                            std::int32_t inAddress = 0) {
    auto prepare = [&](Workshop& w) {
        if (inAddress != 0) w.markIn(inAddress);
    };
    auto stepped = std::make_unique<Workshop>(program);
    prepare(*stepped);
    stepped->stepThrough(input);
    auto ran = std::make_unique<Workshop>(program);
    prepare(*ran);
    ran->runAll(input, false);
    expectSameMachine(*stepped, *ran, "実行");
    EXPECT_EQ(ran->run.lastResult(), stepped->run.lastResult());
    auto traced = std::make_unique<Workshop>(program);
    prepare(*traced);
    traced->runAll(input, true);
    expectSameMachine(*stepped, *traced, "トレース");
    return ran->host.console;
}

const QString kRunStart = QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）\n");

TEST(RunStores, StackGrowsIntoTheProgram) {
    // CALL #8FF0 at #8FF0, near the stack, pushing #8FF2 each time: the 15th push overwrites the
    // CALL's address word, so the 16th CALL (which pushes onto the CALL itself) goes on at #8FF2,
    // where the 14th push left #8FF2: a standard code with the register field F.
    const QString console = expectRunsAsStepped({{0x8FF0, {0x8000, 0x8FF0}}});
    EXPECT_EQ(console,
              kRunStart + QStringLiteral(
                              "　汎用レジスタの指定に誤りがあります。\n■異常終了（命令語アドレス=8FF2）\n"));

    // PUSH 0,GR1 and JUMP back: the 13th push writes GR1 (#7FFF) over the JUMP's address word.
    EXPECT_EQ(
        expectRunsAsStepped({{0x8FF0, {0x7001, 0x0000, 0x6400, 0x8FF0}}}),
        kRunStart +
            QStringLiteral("　不当なアドレスを参照しようとしました。\n■異常終了（命令語アドレス=7FFF）\n"));
}

TEST(RunStores, StWritesAnInstructionIntoAFreeWord) {
    // The loop runs the free word at #8004 once as NOP, then ST puts RET there (#8100 from GR1).
    //   8000 LAD GR1,#8100; LAD GR2,0
    //   8004 NOP (free)
    //   8005 LAD GR2,1,GR2; ST GR1,#8004; JUMP #8004
    const QString console = expectRunsAsStepped({{0x8000, {0x1210, 0x8100, 0x1220, 0x0000}},
                                                 {0x8004, {0x0000}, kind::Free},
                                                 {0x8005, {0x1222, 0x0001, 0x1110, 0x8004, 0x6400, 0x8004}}});
    EXPECT_EQ(console, kRunStart + QStringLiteral("■正常終了\n"));
}

TEST(RunStores, InStoresIntoWordsExecutedLater) {
    // The free word at #8004 runs as NOP, then IN stores the character "8" (#0038) there: an index
    // field of 8, refused the second time round.
    //   8000 LAD GR2,2; LAD GR1,0
    //   8004 NOP (free)
    //   8005 LAD GR1,1,GR1; CPL GR1,GR2; JZE #8018
    //   800A IN #8004,#8030
    //   8016 JUMP #8004
    //   8018 RET
    const std::initializer_list<Words> program = {
        {0x8000, {0x1220, 0x0002, 0x1210, 0x0000}},
        {0x8004, {0x0000}, kind::Free},
        {0x8005, {0x1211, 0x0001, 0x4512, 0x6300, 0x8018}},
        {0x800A, {0x7001, 0x0000, 0x7002, 0x0000, 0x1210, 0x8004, 0x1220, 0x8030, 0xF000, 1, 0x7120, 0x7110}},
        {0x8016, {0x6400, 0x8004, 0x8100}},
    };
    const QString console = expectRunsAsStepped(program, {QStringLiteral("8")}, 0x800A);
    EXPECT_EQ(console, kRunStart + QStringLiteral("IN命令です。入力してください。\n") +
                           QStringLiteral(
                               "　指標レジスタにGR0は指定できません。\n■異常終了（命令語アドレス=8004）\n"));
}

TEST(RunStores, BreakpointSetWhileInWaits) {
    // The same program with "A" (#0041, a NOP) for input and the length stored at #8003, in the
    // LAD run once at the start, so that IN stores nothing after #8004; while IN waits the learner
    // sets a breakpoint on the LAD at #8005, which the run has executed before.
    Workshop w({{0x8000, {0x1220, 0x0002, 0x1210, 0x0000}},
                {0x8004, {0x0000}, kind::Free},
                {0x8005, {0x1211, 0x0001, 0x4512, 0x6300, 0x8018}},
                {0x800A,
                 {0x7001, 0x0000, 0x7002, 0x0000, 0x1210, 0x8004, 0x1220, 0x8003, 0xF000, 1, 0x7120, 0x7110}},
                {0x8016, {0x6400, 0x8004, 0x8100}}});
    w.markIn(0x800A);
    w.host.onWait = [&w] {
        w.machine.setBreakpoint(0x8005, true);
        w.run.DeliverConsoleLine(QStringLiteral("A"));
    };
    w.run.RunAll();
    EXPECT_EQ(w.run.lastResult(), step::Breakpoint);
    EXPECT_EQ(w.host.instructionAddress, 0x8005);
    EXPECT_EQ(w.machine.GR[1], 2);
    EXPECT_EQ(w.run.executedInstructions(), 10);  // 6 before IN, IN, JUMP, NOP, LAD
}

TEST(RunStores, BreakpointSetWhileEventsRun) {
    // An endless loop; the first time events run, a breakpoint goes on its JUMP.
    Workshop w({{0x8000, {0x1211, 0x0001, 0x6400, 0x8000}}});
    w.host.onEvents = [&w] { w.machine.setBreakpoint(0x8002, true); };
    w.run.setStepLimit(2'000'000'000);
    w.run.RunAll();
    EXPECT_EQ(w.run.lastResult(), step::Breakpoint);
    EXPECT_EQ(w.host.eventRuns, 1);
    EXPECT_EQ(w.host.instructionAddress, 0x8002);
    EXPECT_EQ(w.machine.PR, 0x8000);  // after the stop, "ステップ" goes on at the jump's target
    EXPECT_EQ(w.run.executedInstructions() % 2, 0);
}

}  // namespace
}  // namespace kv::testing
