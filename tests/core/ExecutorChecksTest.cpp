// What the executor refuses and how a step ends: the program register's range, register fields,
// invalid codes, operand addresses, writes into instructions and constants, breakpoints.

#include "ExecutorFixture.h"

namespace kv::testing {
namespace {

class ExecutorChecks : public ExecutorTest {
  protected:
    // Registers, SP, EA, nextPR, flags and memory as they are now.
    struct Snapshot {
        std::array<std::int32_t, 8> gr;
        std::int32_t sp, ea, nextPR;
        std::string fr;
        std::array<std::int32_t, MachineState::kWords> memory;
        bool operator==(const Snapshot& o) const {
            return gr == o.gr && sp == o.sp && ea == o.ea && nextPR == o.nextPR && fr == o.fr &&
                   memory == o.memory;
        }
    };
    Snapshot snapshot() const {
        return {machine.GR, machine.SP, machine.EA, machine.nextPR, fr(), machine.memory};
    }

    // Fills the registers and the markers that a refused step must leave alone.
    void prime() {
        for (int i = 0; i < 8; ++i) machine.GR[i] = 0x1000 + i;
        machine.EA = 0x4321;
        machine.nextPR = 0x1111;
        setFlags('1', '0', '1');
    }
};

TEST_F(ExecutorChecks, ProgramRegisterMustLieBelowTheAreaEnd) {
    put(0x8FFE, {0x0000, 0x0000});
    notes.ShowRunNote(0, 10);
    prime();
    const Snapshot before = snapshot();
    for (const std::int32_t pr : {0x7FFF, 0x8FFF, 0x9000, 0}) {
        EXPECT_EQ(step(pr), 1) << std::hex << pr;
        EXPECT_EQ(error.number(), 402);
        error.clear();
    }
    EXPECT_TRUE(snapshot() == before);
    EXPECT_FALSE(notes.text().isEmpty());  // not even the note is cleared
    EXPECT_EQ(host.statusNotes.size(), 1);

    EXPECT_EQ(step(0x8FFE), 0);
    EXPECT_EQ(error.number(), 0);
    EXPECT_TRUE(notes.text().isEmpty());
    ASSERT_EQ(host.statusNotes.size(), 2);
    EXPECT_TRUE(host.statusNotes.last().isEmpty());
}

TEST_F(ExecutorChecks, ProgramRegisterRangeMovesWithTheArea) {
    machine.setUserStart(0x9000);
    machine.ResetForRun();
    put(0x9FFE, {0x0000, 0x0000});
    EXPECT_EQ(step(0x9FFE), 0);
    EXPECT_EQ(step(0x9FFF), 1);
    EXPECT_EQ(step(0x8FFF), 1);
    EXPECT_EQ(error.number(), 402);
}

TEST_F(ExecutorChecks, RegisterFieldsAboveSevenAreRefusedBeforeAnythingChanges) {
    struct Case {
        std::int32_t word;
        StepResult result;
        std::int32_t code;
    };
    const Case cases[] = {
        {0x1480, 4, 151}, {0x1418, 5, 152}, {0x1488, 4, 151},  // LD r1,r2
        {0x1119, 5, 152},                                      // ST with index field 9
        {0x7008, 5, 152}, {0x71F0, 4, 151}, {0x8109, 5, 152},  // PUSH, POP, RET
        {0x0090, 4, 151}, {0x01FF, 4, 151},                    // the check comes before the code
        {0xF00A, 5, 152},                                      // SVC with index field 10
        {0xF28F, 4, 151}, {0xF21C, 5, 152}, {0xF4F1, 4, 151}, {0xF41F, 5, 152},
    };
    for (const Case& c : cases) {
        put(0x8000, {c.word, 0x8010});
        prime();
        const Snapshot before = snapshot();
        EXPECT_EQ(step(0x8000), c.result) << std::hex << c.word;
        EXPECT_EQ(error.number(), c.code) << std::hex << c.word;
        EXPECT_TRUE(snapshot() == before) << std::hex << c.word;
        error.clear();
    }
    EXPECT_TRUE(calls.svcNumbers.empty());
}

TEST_F(ExecutorChecks, CodesFromNinetyUpSkipTheRegisterFieldCheck) {
    put(0x8000, {0xA0F3, 0x8100, 0x8200});  // COPY with a count of #F3
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.nextPR, 0x8003);
    EXPECT_EQ(machine.EA, 0x8100 + 0xF2);

    put(0x8000, {0xF3FF, 0x0000});  // #F3 ignores its fields
    machine.SP = 0x8FF9;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.SP, 0x9000);

    put(0x8000, {0x9080});
    EXPECT_EQ(step(0x8000), 2);
    EXPECT_EQ(error.number(), 403);
}

TEST_F(ExecutorChecks, InvalidCodesGiveTwoOrThree) {
    const std::int32_t two[] = {0x0100, 0x0F00, 0x9000, 0x9F00, 0xB000, 0xC300, 0xD000, 0xE000, 0xEF00};
    const std::int32_t three[] = {0x1300, 0x1500, 0x1F00, 0x2800, 0x2F00, 0x3300, 0x3700, 0x3F00, 0x4200,
                                  0x4300, 0x4600, 0x4F00, 0x5400, 0x6000, 0x6700, 0x6F00, 0x7200, 0x7F00,
                                  0x8200, 0x8F00, 0xA100, 0xAF00, 0xF500, 0xFF00, -1};
    for (const std::int32_t w : two) {
        put(0x8000, {w, 0});
        EXPECT_EQ(step(0x8000), 2) << std::hex << w;
        EXPECT_EQ(error.number(), 403);
        error.clear();
    }
    for (const std::int32_t w : three) {
        put(0x8000, {w, 0});
        EXPECT_EQ(step(0x8000), 3) << std::hex << w;
        EXPECT_EQ(error.number(), 403);
        error.clear();
    }
}

TEST_F(ExecutorChecks, EveryGroupFCodeComputesTheAddress) {
    put(0x8000, {0xF502, 0x8120});
    machine.GR[2] = 3;
    EXPECT_EQ(step(0x8000), 3);
    EXPECT_EQ(machine.EA, 0x8123);
    put(0x8000, {0xF100, 0x8124});
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.EA, 0x8124);
}

TEST_F(ExecutorChecks, OperandsOutsideTheAreaAreRefused) {
    put(0x8000, {0x1010, 0x7FFF,    // LD GR1,#7FFF
                 0x2010, 0x9000,    // ADDA GR1,#9000 (the stack-bottom word is no operand)
                 0x1110, 0x9000});  // ST GR1,#9000
    machine.GR[1] = 0x0123;
    EXPECT_EQ(step(0x8000), 9);
    EXPECT_EQ(error.number(), 404);
    EXPECT_EQ(error.ea, 0x7FFF);
    EXPECT_EQ(error.low, 0x8000);
    EXPECT_EQ(error.high, 0x8FFF);
    EXPECT_EQ(machine.GR[1], 0x0123);
    EXPECT_EQ(fr(), "???");

    error.clear();
    EXPECT_EQ(step(0x8002), 9);
    EXPECT_EQ(error.number(), 404);
    EXPECT_EQ(error.ea, 0x9000);
    EXPECT_EQ(machine.GR[1], 0x0123);

    error.clear();
    EXPECT_EQ(step(0x8004), 9);
    EXPECT_EQ(error.number(), 404);
    EXPECT_EQ(machine.word(0x9000), kOsReturn);
}

TEST_F(ExecutorChecks, WritesIntoInstructionsAreRefusedAndIntoConstantsWarned) {
    put(0x8000, {0x1110, 0x8000,    // ST GR1,#8000 (its own first word)
                 0x1110, 0x8100,    // ST GR1,#8100 (a constant)
                 0x1110, 0x8101});  // ST GR1,#8101 (a free word with a breakpoint)
    put(0x8100, {0x0005}, kind::Constant);
    put(0x8101, {0x0006}, kind::Free | kind::Breakpoint);
    machine.GR[1] = 0x4444;

    EXPECT_EQ(step(0x8000), 9);
    EXPECT_EQ(error.number(), 405);
    EXPECT_EQ(error.ea, 0x8000);
    EXPECT_EQ(machine.word(0x8000), 0x1110);

    setKind(0x8000, kind::Instruction | kind::Breakpoint);
    error.clear();
    EXPECT_EQ(step(0x8000), 9);
    EXPECT_EQ(error.number(), 405);

    error.clear();
    EXPECT_EQ(step(0x8002), 0);
    EXPECT_EQ(machine.word(0x8100), 0x4444);
    ASSERT_EQ(calls.warnings.size(), 1u);
    EXPECT_EQ(calls.warnings[0].number(), 406);
    EXPECT_EQ(calls.warnings[0].ea, 0x8100);
    EXPECT_EQ(calls.warnings[0].low, 0x8000);
    EXPECT_EQ(calls.warnings[0].high, 0x8FFF);

    setKind(0x8100, kind::Constant | kind::Breakpoint);
    EXPECT_EQ(step(0x8002), 0);
    EXPECT_EQ(calls.warnings.size(), 2u);

    EXPECT_EQ(step(0x8004), 0);
    EXPECT_EQ(machine.word(0x8101), 0x4444);
    EXPECT_EQ(calls.warnings.size(), 2u);
}

TEST_F(ExecutorChecks, BreakpointStopsAfterTheMarkedInstruction) {
    put(0x8000, {0x0000}, kind::Instruction | kind::Breakpoint);  // NOP
    put(0x8001, {0x6400, 0x8010}, kind::Instruction);             // JUMP #8010
    setKind(0x8001, kind::Instruction | kind::Breakpoint);
    put(0x8003, {0x1010, 0x7000}, kind::Instruction | kind::Breakpoint);  // LD GR1,#7000
    put(0x8005, {0x1010, 0x8000});                                        // LD GR1,#8000
    setKind(0x8006, kind::Instruction | kind::Breakpoint);

    EXPECT_EQ(step(0x8000), step::Breakpoint);
    EXPECT_EQ(machine.nextPR, 0x8001);
    EXPECT_EQ(step(0x8001), step::Breakpoint);
    EXPECT_EQ(machine.nextPR, 0x8010);
    EXPECT_EQ(step(0x8003), 9);  // a failure is not hidden by the breakpoint
    EXPECT_EQ(step(0x8005), 0);  // a mark on the address word does not stop
}

TEST_F(ExecutorChecks, NormalEndOvertakesABreakpoint) {
    put(0x8000, {0x8100}, kind::Instruction | kind::Breakpoint);
    EXPECT_EQ(step(0x8000), step::NormalEnd);
    machine.SP = 0x8FFF;
    machine.word(0x8FFF) = 0x8000;
    EXPECT_EQ(step(0x8000), step::Breakpoint);
}

}  // namespace
}  // namespace kv::testing
