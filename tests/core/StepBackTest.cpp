// Stepping back in Start, Step and Auto: every instruction group taken back restores the whole
// machine and the record reader, at the edges of the stack and the area too; IN asks again, OUT
// leaves a grey console line; the panels show the state as a step would have left it; the history
// starts at each run, at a breakpoint stop, and records nothing in Run and Trace.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "RunFixture.h"
#include "SameMachine.h"

namespace kv::testing {
namespace {

constexpr std::int32_t kNop = 0x0000, kRet = 0x8100;

class StepBackTest : public RunFixture {
protected:
    // A fresh machine with a NOP at the entry address #8000.
    void freshMachine() {
        machine = MachineState();
        machine.ResetForRunMode();
        put(0x8000, {kNop});
        host = RecordingHost();
        device.inputDevice = InputDevice::Keyboard;
    }

    bool sameReader(const VirtualFileDevice::ReaderPosition& a) const {
        const VirtualFileDevice::ReaderPosition b = device.readerPosition();
        return a.position == b.position && a.endReached == b.endReached;
    }

    // "スタート" executes the NOP; setup then places the instruction at #8001 and sets the machine.
    // The instruction is executed, taken back, and executed again: taken back, the machine is the
    // same as before it; executed again, the same as after the first time.
    void expectTakenBack(const char* name, const std::function<void()>& setup, bool changes = true) {
        SCOPED_TRACE(name);
        freshMachine();
        run.StartStep();
        ASSERT_EQ(machine.PR, 0x8001);
        setup();
        const MachineState before = machine;
        const VirtualFileDevice::ReaderPosition reader = device.readerPosition();
        run.NextStep();
        const MachineState after = machine;
        const VirtualFileDevice::ReaderPosition readerAfter = device.readerPosition();
        EXPECT_EQ(changes, !SameMachine(before, after));
        ASSERT_TRUE(run.CanStepBack());
        run.StepBack();
        EXPECT_TRUE(SameMachine(before, machine));
        EXPECT_TRUE(sameReader(reader));
        EXPECT_TRUE(run.mode() == RunMode::Step);
        run.NextStep();
        EXPECT_TRUE(SameMachine(after, machine));
        EXPECT_TRUE(sameReader(readerAfter));
    }

    void numberRegisters() {
        for (int i = 0; i < 8; ++i) machine.GR[i] = 0x100 + i;
    }
};

TEST_F(StepBackTest, EveryInstructionGroupIsTakenBackWhole) {
    struct Case {
        const char* name;
        std::function<void()> setup;
        bool changes = true;  // the step changes the machine
    };
    // One case a line, or a few.
    // clang-format off
    const Case cases[] = {
        {"LD from memory", [this] { put(0x8001, {0x1010, 0x8100}); put(0x8100, {0x8001}, kind::Free); }},
        {"LD register, first flags", [this] { put(0x8001, {0x1412}); machine.GR[2] = 0; }},
        {"ADDA overflow", [this] { put(0x8001, {0x2412}); machine.GR[2] = 1; }},
        {"SUBA from memory", [this] { put(0x8001, {0x2130, 0x8100}); put(0x8100, {5}, kind::Free); }},
        {"ADDL carry", [this] { put(0x8001, {0x2612}); machine.GR[1] = 0xFFFF; machine.GR[2] = 1; }},
        {"SUBL borrow", [this] { put(0x8001, {0x2712}); machine.GR[1] = 0; machine.GR[2] = 1; }},
        {"AND, OR, XOR", [this] { put(0x8001, {0x3612}); machine.GR[2] = 0x00FF; }},
        {"CPA changes only the flags", [this] { put(0x8001, {0x4412}); machine.GR[2] = 0x8000; }},
        {"CPL from memory", [this] { put(0x8001, {0x4110, 0x8100}); put(0x8100, {0xFFFF}, kind::Free); }},
        {"SLA", [this] { put(0x8001, {0x5010, 3}); machine.GR[1] = 0xC001; }},
        {"SRA by 16", [this] { put(0x8001, {0x5110, 16}); machine.GR[1] = 0x8000; }},
        {"SLL by 17", [this] { put(0x8001, {0x5210, 17}); }},
        {"SRL by 0", [this] { put(0x8001, {0x5310, 0}); }},
        {"LAD with index", [this] { put(0x8001, {0x1213, 0x0010}); machine.GR[3] = 0x20; }},
        {"ST", [this] { put(0x8001, {0x1110, 0x8100}); }},
        {"ST into the last word of the area", [this] { put(0x8001, {0x1110, 0x8FFF}); }},
        {"ST into a constant warns and writes",
         [this] { put(0x8001, {0x1110, 0x8100}); put(0x8100, {7}, kind::Constant); }},
        {"ST into an instruction fails", [this] { put(0x8001, {0x1110, 0x8000}); }},
        {"JMI taken", [this] { put(0x8001, {0x6100, 0x8100}); machine.SF = '1'; }},
        {"JZE not taken", [this] { put(0x8001, {0x6300, 0x8100}); machine.ZF = '0'; }},
        {"JUMP with index", [this] { put(0x8001, {0x6402, 0x8100}); machine.GR[2] = 3; }},
        {"JOV and a flag still unset", [this] { put(0x8001, {0x6600, 0x8100}); }},
        {"PUSH", [this] { put(0x8001, {0x7000, 0x1234}); }},
        {"PUSH into the first word of the area",
         [this] { put(0x8001, {0x7000, 0x1234}); machine.SP = 0x8001; }},
        {"PUSH on a full stack fails", [this] { put(0x8001, {0x7000, 0x1234}); machine.SP = 0x8000; }},
        {"POP", [this] { put(0x8001, {0x7130}); machine.SP = 0x8FFF; put(0x8FFF, {0x4321}, kind::Free); }},
        {"POP past the stack bottom fails, the value loaded", [this] { put(0x8001, {0x7130}); }},
        {"CALL", [this] { put(0x8001, {0x8000, 0x8100}); }},
        {"RET", [this] { put(0x8001, {kRet}); machine.SP = 0x8FFF; put(0x8FFF, {0x8100}, kind::Free); }},
        {"RET to the OS ends the run", [this] { put(0x8001, {kRet}); }},
        {"COPY", [this] {
             put(0x8001, {0xA003, 0x8200, 0x8100});
             put(0x8100, {1, 2, 3}, kind::Free);
         }},
        {"COPY up to the last word of the area", [this] {
             put(0x8001, {0xA004, 0x8FFC, 0x8100});
             put(0x8100, {1, 2, 3, 4}, kind::Free);
         }},
        {"COPY past the area keeps the words copied before the stop", [this] {
             put(0x8001, {0xA004, 0x8FFE, 0x8100});
             put(0x8100, {1, 2, 3, 4}, kind::Free);
         }},
        {"COPY of no words", [this] { put(0x8001, {0xA000, 0x8200, 0x8100}); }},
        {"RPUSH", [this] {
             put(0x8001, {0x7001, 0x0000});
             machine.wordKinds[1] = kind::RPush;
             numberRegisters();
         }},
        {"RPUSH stopped by the area's start", [this] {
             put(0x8001, {0x7001, 0x0000});
             machine.wordKinds[1] = kind::RPush;
             numberRegisters();
             machine.SP = 0x8003;
         }},
        {"RPOP", [this] {
             put(0x8001, {0x7170});
             machine.wordKinds[1] = kind::RPop;
             machine.SP = 0x8FF9;
             put(0x8FF9, {7, 6, 5, 4, 3, 2, 1}, kind::Free);
         }},
        {"#F1 and #F2 block pushes", [this] {
             put(0x8001, {0xF261, 0x0000});
             numberRegisters();
         }},
        {"#F4 block pop", [this] {
             put(0x8001, {0xF425, 0x0000});
             machine.SP = 0x8FFC;
             put(0x8FFC, {0xA, 0xB, 0xC, 0xD}, kind::Free);
         }},
        {"IN from the input box", [this] {
             putTransfer(0x8001, kind::In, 0x8100, 0x8200);
             host.inputAnswers = {QStringLiteral("ABC"), QStringLiteral("ABC")};
         }},
        {"IN of double-byte characters", [this] {
             putTransfer(0x8001, kind::In, 0x8100, 0x8200);
             host.inputAnswers = {QStringLiteral("漢字ｶﾅ"), QStringLiteral("漢字ｶﾅ")};
         }},
        {"IN up to the last word of the area", [this] {
             putTransfer(0x8001, kind::In, 0x8FFE, 0x8200);
             host.inputAnswers = {QStringLiteral("ABC"), QStringLiteral("ABC")};
         }},
        {"IN from the virtual file device", [this] {
             device.inputDevice = InputDevice::VirtualFile;
             device.recordText = QStringLiteral("[first]\n[second]\n[END]\n");
             putTransfer(0x8001, kind::In, 0x8100, 0x8200);
         }},
        {"IN meets [END]", [this] {
             device.inputDevice = InputDevice::VirtualFile;
             device.recordText = QStringLiteral("[END]\n");
             putTransfer(0x8001, kind::In, 0x8100, 0x8200);
         }},
        {"OUT", [this] {
             putTransfer(0x8001, kind::Out, 0x8100, 0x8200);
             put(0x8100, {'H', 'i'}, kind::Free);
             put(0x8200, {2}, kind::Free);
         }},
        {"SVC 16 shows a box", [this] { put(0x8001, {0xF000, 16}); }},
        {"SVC 5 fails", [this] { put(0x8001, {0xF000, 5}); }},
        {"an invalid instruction", [this] { put(0x8001, {0x0100}); }},
        {"a register field above 7: refused, nothing changes", [this] { put(0x8001, {0x1480}); }, false},
        {"an instruction with a breakpoint", [this] {
             put(0x8001, {0x1210, 5});
             breakpointAt(0x8001);
         }},
    };
    // clang-format on
    for (const Case& c : cases) expectTakenBack(c.name, c.setup, c.changes);
}

TEST_F(StepBackTest, InAsksAgainAndTheReaderReadsTheSameRecordAgain) {
    freshMachine();
    putTransfer(0x8001, kind::In, 0x8100, 0x8200);
    host.inputAnswers = {QStringLiteral("one"), QStringLiteral("two")};
    run.StartStep();
    run.NextStep();
    EXPECT_EQ(at(0x8200), 3);
    run.StepBack();
    EXPECT_EQ(at(0x8200), 0);
    EXPECT_EQ(at(0x8100), 0);
    run.NextStep();
    EXPECT_EQ(host.inputBoxes.size(), 2);
    EXPECT_EQ(at(0x8200), 3);
    EXPECT_EQ(at(0x8100), 't');

    freshMachine();
    device.inputDevice = InputDevice::VirtualFile;
    device.recordText = QStringLiteral("[A]\n[BB]\n[END]\n");
    putTransfer(0x8001, kind::In, 0x8100, 0x8200);
    putTransfer(0x800D, kind::In, 0x8100, 0x8200);
    run.StartStep();
    run.NextStep();
    run.NextStep();
    EXPECT_EQ(at(0x8200), 2);
    run.StepBack();
    EXPECT_EQ(at(0x8200), 1);
    run.NextStep();
    EXPECT_EQ(at(0x8200), 2);
    EXPECT_EQ(at(0x8101), 'B');
}

TEST_F(StepBackTest, OutLeavesOneGreyLineInTheConsole) {
    freshMachine();
    putTransfer(0x8001, kind::Out, 0x8100, 0x8200);
    put(0x8100, {'H', 'i'}, kind::Free);
    put(0x8200, {2}, kind::Free);
    run.StartStep();
    run.NextStep();
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("Hi"));
    EXPECT_TRUE(host.consoleLines.isEmpty());
    run.StepBack();
    EXPECT_TRUE(host.consoleShown);
    ASSERT_EQ(host.consoleLines.size(), 1);
    EXPECT_EQ(host.consoleLines[0].colour, colours::Grey);
    EXPECT_EQ(host.consoleLines[0].text,
              QStringLiteral("（1ステップ戻る）OUT命令の出力「Hi」を取り消しました。"));
    // Taking back the NOP before it writes nothing.
    run.StepBack();
    EXPECT_EQ(host.consoleLines.size(), 1);
}

TEST_F(StepBackTest, BackToTheStartOfTheRun) {
    freshMachine();
    machine.GR[1] = 0x1111;  // reset by "スタート"
    put(0x8001, {0x1210, 5, 0x1110, 0x8100, 0x7000, 0x0007, 0x7120, kRet});
    MachineState start = machine;
    start.ResetForRun();
    run.StartStep();
    for (int i = 0; i < 3; ++i) run.NextStep();
    EXPECT_EQ(machine.PR, 0x8007);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(run.CanStepBack()) << i;
        run.StepBack();
    }
    EXPECT_TRUE(SameMachine(start, machine));
    EXPECT_FALSE(run.CanStepBack());
    EXPECT_EQ(host.stepBackStates.last(), false);
    // Nothing left: the machine stays as it is.
    run.StepBack();
    EXPECT_TRUE(SameMachine(start, machine));
    // The panels as at the start: the first instruction highlighted, no effective address.
    EXPECT_EQ(host.registerRefreshes.last(), -1);
    EXPECT_EQ(host.instructionAddress, 0x8000);
    EXPECT_FALSE(host.changedValues.last().any());
    EXPECT_TRUE(run.mode() == RunMode::Step);
    EXPECT_EQ(run.executedInstructions(), 0);
    // Stepping forward again runs the program as before.
    for (int i = 0; i < 6; ++i) run.NextStep();
    EXPECT_EQ(at(0x8100), 5);
    EXPECT_EQ(machine.GR[2], 7);
    EXPECT_EQ(run.lastResult(), step::NormalEnd);
}

TEST_F(StepBackTest, PanelsShowTheStepBeforeWithItsChangesInBold) {
    freshMachine();
    put(0x8001, {0x1210, 5, 0x1110, 0x8100, 0x7000, 0x0007});
    run.StartStep();
    run.NextStep();  // LAD GR1,5
    const ChangedValues lad = host.changedValues.last();
    EXPECT_TRUE(lad.registers[1]);
    EXPECT_FALSE(lad.flags);
    EXPECT_TRUE(lad.addresses.empty());
    run.NextStep();  // ST GR1,#8100
    EXPECT_EQ(host.changedValues.last().addresses, std::vector<std::int32_t>({0x8100}));
    EXPECT_FALSE(host.changedValues.last().registers[1]);
    run.NextStep();  // PUSH 7
    const ChangedValues push = host.changedValues.last();
    EXPECT_TRUE(push.stackPointer);
    EXPECT_EQ(push.addresses, std::vector<std::int32_t>({0x8FFF}));
    EXPECT_TRUE(host.stepBackStates.last());

    // Back over PUSH: the panels show ST as the instruction executed last, with its changes.
    const int refreshes = host.registerRefreshes.size();
    const int highlights = host.highlights;
    run.StepBack();
    EXPECT_EQ(host.registerRefreshes.size(), refreshes + 1);
    EXPECT_EQ(host.registerRefreshes.last(), 0x8100);
    EXPECT_EQ(host.memoryRefreshes.last(), machine.userStart);
    EXPECT_EQ(host.stackRefreshes.last(), 0x9000);
    EXPECT_EQ(host.highlights, highlights + 1);
    EXPECT_EQ(host.instructionAddress, 0x8003);
    EXPECT_EQ(host.changedValues.last().addresses, std::vector<std::int32_t>({0x8100}));
    EXPECT_EQ(machine.PR, 0x8005);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(host.runButtons.last().step, true);
    EXPECT_EQ(host.runButtons.last().editMode, false);
}

TEST_F(StepBackTest, StepBackShowsTheFNotationOfTheInstructionExecutedLast) {
    freshMachine();
    assembly.listing.resize(3);
    assembly.listing[1].fNotation = QStringLiteral("GR1←5");
    assembly.listing[2].fNotation = QStringLiteral("GR1←6");
    put(0x8001, {0x1210, 5, 0x1210, 6});
    machine.lineOfAddress[1] = 2;
    machine.lineOfAddress[3] = 3;
    run.StartStep();
    run.NextStep();
    run.NextStep();
    EXPECT_EQ(notes.text(), QStringLiteral("　F式表記：　GR1←6"));
    run.StepBack();
    EXPECT_EQ(notes.text(), QStringLiteral("　F式表記：　GR1←5"));
}

TEST_F(StepBackTest, AutoStopsFirst) {
    freshMachine();
    put(0x8001, {0x1210, 5, 0x1220, 6, kRet});
    run.StartStep();
    run.StartAuto();
    run.AutoTick();
    run.AutoTick();
    EXPECT_EQ(machine.GR[2], 6);
    run.StepBack();
    EXPECT_EQ(host.autoIntervals.last(), 0);
    EXPECT_TRUE(run.mode() == RunMode::Step);
    EXPECT_EQ(machine.GR[2], 0x7FFF);
    EXPECT_EQ(machine.PR, 0x8003);
    // A tick that was already on its way does nothing now.
    run.AutoTick();
    EXPECT_EQ(machine.PR, 0x8003);
}

TEST_F(StepBackTest, AfterABreakpointStopStepsAreRecordedFromThere) {
    freshMachine();
    put(0x8001, {0x1210, 5, 0x1220, 6, 0x1230, 7, kRet});
    breakpointAt(0x8001);
    run.RunAll();
    ASSERT_TRUE(run.mode() == RunMode::Step);
    EXPECT_FALSE(run.CanStepBack());  // the run itself recorded nothing
    const MachineState stopped = machine;
    run.NextStep();
    run.NextStep();
    run.StepBack();
    run.StepBack();
    EXPECT_TRUE(SameMachine(stopped, machine));
    EXPECT_FALSE(run.CanStepBack());
    // The panels as the breakpoint stop left them: LAD GR1,5 executed last, its EA shown.
    EXPECT_EQ(host.instructionAddress, 0x8001);
    EXPECT_EQ(host.registerRefreshes.last(), 5);
}

TEST_F(StepBackTest, RunsRecordNothingAndEachRunForgetsTheSteps) {
    freshMachine();
    put(0x8001, {0x1210, 5, kRet});
    run.StartStep();
    run.NextStep();
    EXPECT_TRUE(run.CanStepBack());
    run.RunAll();
    EXPECT_EQ(run.history().steps(), 0u);
    EXPECT_FALSE(run.CanStepBack());
    EXPECT_EQ(host.stepBackStates.last(), false);
    run.RunTrace();
    EXPECT_EQ(run.history().steps(), 0u);

    run.StartStep();
    run.NextStep();
    EXPECT_TRUE(run.CanStepBack());
    run.PrepareRunMode();
    EXPECT_FALSE(run.CanStepBack());
    EXPECT_FALSE(host.changedValues.last().any());
}

TEST_F(StepBackTest, AStepThatEndedTheRunCanBeTakenBack) {
    freshMachine();
    put(0x8001, {kRet});
    run.StartStep();
    run.NextStep();
    EXPECT_TRUE(run.mode() == RunMode::None);
    EXPECT_EQ(host.runButtons.last().start, true);
    run.StepBack();
    EXPECT_TRUE(run.mode() == RunMode::Step);
    EXPECT_EQ(host.runButtons.last().start, false);
    EXPECT_EQ(host.runButtons.last().step, true);
    EXPECT_EQ(machine.PR, 0x8001);
    EXPECT_EQ(machine.SP, 0x9000);

    // Closing the console during a stepped run ends it at the next step; taken back, that step
    // runs again as an ordinary step.
    freshMachine();
    put(0x8001, {0x1210, 5, kRet});
    run.StartStep();
    run.ConsoleClosed();
    run.NextStep();
    EXPECT_EQ(run.lastResult(), step::StopRequested);
    EXPECT_TRUE(run.mode() == RunMode::None);
    run.StepBack();
    run.NextStep();
    EXPECT_EQ(run.lastResult(), step::Done);
    EXPECT_EQ(machine.GR[1], 5);
    EXPECT_TRUE(run.mode() == RunMode::Step);
}

// Random programs of mixed instructions, data and transfers: after every step forward the machine
// is kept; stepping back, each state comes back in reverse order, down to the start of the run.
TEST_F(StepBackTest, RandomProgramsStepForwardAndBackToTheStart) {
    std::mt19937 random(20240514);
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    const std::int32_t codes[] = {0x10, 0x11, 0x12, 0x14, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                                  0x26, 0x27, 0x30, 0x31, 0x32, 0x34, 0x35, 0x36, 0x40, 0x41,
                                  0x44, 0x45, 0x50, 0x51, 0x52, 0x53, 0x61, 0x62, 0x63, 0x64,
                                  0x65, 0x66, 0x70, 0x80, 0xF0, 0xF1, 0xF2, 0x00};
    const std::int32_t pops[] = {0x71, 0x81, 0xF3, 0xF4};
    for (int program = 0; program < 60; ++program) {
        SCOPED_TRACE(program);
        freshMachine();
        host.inputAnswers.clear();
        for (int i = 0; i < 200; ++i)
            host.inputAnswers.push_back(QString(pick(20) + 1, QChar(char16_t(u'a' + pick(26)))));
        if (pick(2)) {
            device.inputDevice = InputDevice::VirtualFile;
            device.recordText = QStringLiteral("[one]\n[two two]\n[three]\n[END]\n");
        }
        // Small values into GR1 to GR7 first (they serve as index registers), then instructions up
        // to #80C0 whose jumps and calls go to instruction starts; data words from #8100.
        for (int r = 1; r <= 7; ++r) put(0x7FFE + 2 * r, {0x1200 | r << 4, pick(8)});
        std::vector<std::pair<int, std::int32_t>> shapes;  // shape and address
        for (std::int32_t a = 0x800E; a < 0x80C0;) {
            const int shape = pick(40);
            shapes.push_back({shape, a});
            a += shape == 0 ? 12 : shape == 1 ? 3 : shape == 3 ? 1 : 2;
        }
        auto anyStart = [&] { return shapes[std::size_t(pick(int(shapes.size())))].second; };
        for (const auto& [shape, a] : shapes) {
            if (shape == 0) {
                putTransfer(a, pick(2) ? kind::In : kind::Out, 0x8100 + pick(32), 0x8100 + pick(10));
            } else if (shape == 1) {
                put(a, {0xA000 + pick(8), 0x8100 + pick(64), 0x8100 + pick(64)});
            } else if (shape == 2) {
                put(a, {0x7001, 0x0000});
                machine.wordKinds[a - machine.userStart] = kind::RPush;
            } else if (shape == 3) {
                put(a, {0x7170});
                machine.wordKinds[a - machine.userStart] = kind::RPop;
            } else {
                // Pops and returns end a run on an empty stack: they come seldom.
                const std::int32_t code =
                    pick(25) == 0 ? pops[pick(int(std::size(pops)))] : codes[pick(int(std::size(codes)))];
                const bool jump = (code >= 0x61 && code <= 0x66) || code == 0x80;
                const std::int32_t target = jump ? anyStart() : code == 0xF0 ? 16 : 0x8100 + pick(64);
                const int index = pick(4) == 0 ? 1 + pick(7) : 0;
                // A one-word instruction is followed by a NOP.
                const bool oneWord = code == 0x00 || code == 0x71 || code == 0x81 || code >= 0xF1 ||
                                     (code >= 0x10 && code < 0x50 && (code & 4));
                put(a, {code << 8 | pick(8) << 4 | index, oneWord ? kNop : target});
            }
        }
        for (std::int32_t d = 0x8100; d < 0x8140; ++d)
            put(d, {pick(4) ? pick(10) : int(random() & 0xFFFF)}, kind::Free);

        MachineState start = machine;
        start.ResetForRun();
        std::vector<MachineState> states{start};
        run.StartStep();
        states.push_back(machine);
        const int steps = 1 + pick(250);
        while (int(states.size()) <= steps && run.mode() != RunMode::None) {
            run.NextStep();
            states.push_back(machine);
        }
        for (int back = int(states.size()) - 2; back >= 0; --back) {
            ASSERT_TRUE(run.CanStepBack()) << back;
            run.StepBack();
            ASSERT_TRUE(SameMachine(states[back], machine)) << "after stepping back to state " << back;
        }
        EXPECT_FALSE(run.CanStepBack());
        EXPECT_EQ(device.readerPosition().position, 0);
        EXPECT_EQ(run.history().bytes(), 0u);
    }
}

TEST_F(StepBackTest, CountsFollowTheStepsAndEachRunStartsAfresh) {
    freshMachine();
    // LAD GR1,3; LOOP SUBA GR1,=1 (a register form: SUBA GR1,GR2 with GR2 = 1); JPL LOOP; RET
    put(0x8001, {0x1210, 3, 0x1220, 1, 0x2512, 0x6500, 0x8005, kRet});
    run.RunAll();
    EXPECT_EQ(run.counts().at(0x8000), 1u);
    EXPECT_EQ(run.counts().at(0x8005), 3u);
    EXPECT_EQ(run.counts().at(0x8006), 3u);
    EXPECT_EQ(run.counts().at(0x8008), 1u);
    EXPECT_EQ(run.counts().at(0x8007), 0u);  // the address word of JPL
    run.RunTrace();
    EXPECT_EQ(run.counts().at(0x8005), 3u);

    run.StartStep();
    EXPECT_EQ(run.counts().at(0x8000), 1u);
    EXPECT_EQ(run.counts().at(0x8005), 0u);
    for (int i = 0; i < 4; ++i) run.NextStep();
    EXPECT_EQ(run.counts().at(0x8005), 1u);
    EXPECT_EQ(run.counts().at(0x8006), 1u);
    run.StepBack();
    EXPECT_EQ(run.counts().at(0x8006), 0u);
    run.PrepareRunMode();
    EXPECT_EQ(run.counts().at(0x8000), 0u);
}

}  // namespace
}  // namespace kv::testing
