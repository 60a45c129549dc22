// The stack and what moves blocks of words: the bounds of every push and pop, the register block
// codes #F1 to #F4, the IN, OUT, RPUSH and RPOP expansions, and COPY. Programs sit at #8800, away
// from the stack at the top of the area and from the words the tests push at its bottom.

#include <limits>

#include "ExecutorFixture.h"

namespace kv::testing {
namespace {

class ExecutorStack : public ExecutorTest {
  protected:
    void numberRegisters() {
        for (int i = 0; i < 8; ++i) machine.GR[i] = 0x100 + i;
    }
};
class ExecutorExpansions : public ExecutorStack {
  protected:
    // IN #8900,#8980 (or OUT with SVC 2) at #8800, kind 1 or 2 on its first word.
    void putInOut(std::uint16_t firstKind, std::int32_t svc) {
        put(0x8800,
            {0x7001, 0x0000, 0x7002, 0x0000, 0x1210, 0x8900, 0x1220, 0x8980, 0xF000, svc, 0x7120, 0x7110});
        setKind(0x8800, firstKind);
    }
    void putRpush(std::uint16_t firstKind) {
        put(0x8800, {0x7001, 0, 0x7002, 0, 0x7003, 0, 0x7004, 0, 0x7005, 0, 0x7006, 0, 0x7007, 0});
        setKind(0x8800, firstKind);
    }
    void putRpop(std::uint16_t firstKind) {
        put(0x8810, {0x7170, 0x7160, 0x7150, 0x7140, 0x7130, 0x7120, 0x7110});
        setKind(0x8810, firstKind);
    }
};
class ExecutorCopy : public ExecutorTest {};

TEST_F(ExecutorStack, PushAndCallStopAtTheAreaStart) {
    put(0x8800, {0x7000, 0x1234, 0x8000, 0x8810});  // PUSH #1234; CALL #8810
    machine.SP = 0x8001;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.SP, 0x8000);
    EXPECT_EQ(machine.word(0x8000), 0x1234);

    const auto memory = machine.memory;
    EXPECT_EQ(step(0x8800), 3);
    EXPECT_EQ(error.number(), 402);
    EXPECT_EQ(machine.SP, 0x8000);
    error.clear();
    EXPECT_EQ(step(0x8802), 3);
    EXPECT_EQ(error.number(), 402);
    EXPECT_EQ(machine.SP, 0x8000);
    EXPECT_TRUE(machine.memory == memory);

    machine.SP = 0x8001;
    EXPECT_EQ(step(0x8802), 0);
    EXPECT_EQ(machine.word(0x8000), 0x8804);
    EXPECT_EQ(machine.nextPR, 0x8810);
}

TEST_F(ExecutorStack, RpushKeepsTheWordsPushedBeforeTheStop) {
    put(0x8800, {0x7001, 0x0000});
    setKind(0x8800, kind::RPush);
    numberRegisters();
    machine.SP = 0x8003;
    EXPECT_EQ(step(0x8800), 3);
    EXPECT_EQ(error.number(), 402);
    EXPECT_EQ(machine.SP, 0x8000);
    EXPECT_EQ(machine.word(0x8002), 0x101);
    EXPECT_EQ(machine.word(0x8001), 0x102);
    EXPECT_EQ(machine.word(0x8000), 0x103);
}

TEST_F(ExecutorStack, BlockPushChecksRoomForEightWordsFirst) {
    put(0x8800, {0xF100, 0x0000, 0xF233, 0x0000});
    numberRegisters();
    const auto memory = machine.memory;
    for (const std::int32_t pr : {0x8800, 0x8802}) {
        machine.SP = 0x8007;
        EXPECT_EQ(step(pr), 3);
        EXPECT_EQ(error.number(), 402);
        EXPECT_EQ(machine.SP, 0x8007);
        error.clear();
    }
    EXPECT_TRUE(machine.memory == memory);

    machine.SP = 0x8008;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.SP, 0x8001);
    EXPECT_EQ(machine.nextPR, 0x8801);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(machine.word(0x8008 - i), 0x100 + i) << i;

    machine.SP = 0x8008;
    EXPECT_EQ(step(0x8802), 0);
    EXPECT_EQ(machine.SP, 0x8007);
    EXPECT_EQ(machine.word(0x8007), 0x103);
}

TEST_F(ExecutorStack, BlockPushAndPopWrapPastTheLastRegister) {
    put(0x8800, {0xF261, 0x0000, 0xF461, 0x0000, 0xF425, 0x0000});
    numberRegisters();
    EXPECT_EQ(step(0x8800), 0);  // GR6, GR7, GR0, GR1
    EXPECT_EQ(machine.SP, 0x8FFC);
    EXPECT_EQ(machine.word(0x8FFF), 0x106);
    EXPECT_EQ(machine.word(0x8FFE), 0x107);
    EXPECT_EQ(machine.word(0x8FFD), 0x100);
    EXPECT_EQ(machine.word(0x8FFC), 0x101);

    put(0x8FFC, {0xA, 0xB, 0xC, 0xD}, kind::Free);
    EXPECT_EQ(step(0x8802), 0);  // into GR1, GR0, GR7, GR6
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.GR[1], 0xA);
    EXPECT_EQ(machine.GR[0], 0xB);
    EXPECT_EQ(machine.GR[7], 0xC);
    EXPECT_EQ(machine.GR[6], 0xD);
    EXPECT_EQ(machine.GR[2], 0x102);
    EXPECT_EQ(machine.nextPR, 0x8803);

    machine.SP = 0x8FFC;
    EXPECT_EQ(step(0x8804), 0);  // into GR5, GR4, GR3, GR2
    EXPECT_EQ(machine.GR[5], 0xA);
    EXPECT_EQ(machine.GR[4], 0xB);
    EXPECT_EQ(machine.GR[3], 0xC);
    EXPECT_EQ(machine.GR[2], 0xD);
    EXPECT_EQ(machine.GR[1], 0xA);
}

TEST_F(ExecutorStack, PopsPastTheStackBottomStopWithTheValueLoaded) {
    put(0x8800, {0x7130, 0xF300, 0x0000, 0xF412, 0x0000});  // POP GR3; #F3; #F4 GR1..GR2
    put(0x8810, {0x7170});                                  // RPOP's first word
    setKind(0x8810, kind::RPop);
    numberRegisters();

    machine.SP = 0x8FFF;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(step(0x8800), 3);
    EXPECT_EQ(error.number(), 402);
    EXPECT_EQ(machine.GR[3], kOsReturn);
    EXPECT_EQ(machine.SP, 0x9001);

    numberRegisters();
    put(0x8FFE, {0xA, 0xB}, kind::Free);
    machine.SP = 0x8FFE;
    EXPECT_EQ(step(0x8810), 3);  // GR7, GR6, then GR5 takes the stack-bottom word
    EXPECT_EQ(machine.GR[7], 0xA);
    EXPECT_EQ(machine.GR[6], 0xB);
    EXPECT_EQ(machine.GR[5], kOsReturn);
    EXPECT_EQ(machine.GR[4], 0x104);
    EXPECT_EQ(machine.GR[1], 0x101);
    EXPECT_EQ(machine.SP, 0x9001);

    numberRegisters();
    machine.SP = 0x8FFF;
    EXPECT_EQ(step(0x8801), 3);
    EXPECT_EQ(machine.GR[7], 0xB);
    EXPECT_EQ(machine.GR[6], kOsReturn);
    EXPECT_EQ(machine.GR[5], 0x105);
    EXPECT_EQ(machine.SP, 0x9001);

    numberRegisters();
    machine.SP = 0x9000;
    error.clear();
    EXPECT_EQ(step(0x8803), 3);
    EXPECT_EQ(error.number(), 402);
    EXPECT_EQ(machine.GR[2], kOsReturn);
    EXPECT_EQ(machine.GR[1], 0x101);
}

TEST_F(ExecutorStack, ReturnBeyondTheStackBottomIsAnInternalFault) {
    put(0x8800, {0x8100});
    machine.word(0x9001) = 0x8123;
    machine.SP = 0x9001;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.nextPR, 0x8123);
    EXPECT_EQ(machine.SP, 0x9002);
    ASSERT_EQ(calls.internalErrors.size(), 1u);
    EXPECT_EQ(calls.internalErrors[0].first, QStringLiteral("命令８B"));
    EXPECT_EQ(calls.internalErrors[0].second, 1);

    machine.word(0x9001) = kOsReturn;
    machine.SP = 0x9001;
    EXPECT_EQ(step(0x8800), step::NormalEnd);
    EXPECT_EQ(calls.internalErrors.size(), 2u);

    machine.SP = 0x9000;
    EXPECT_EQ(step(0x8800), step::NormalEnd);
    EXPECT_EQ(calls.internalErrors.size(), 2u);
}

TEST_F(ExecutorStack, StackPointerOutsideTheMachineIsRefused) {
    put(0x8800, {0x7130, 0x8100, 0xF300, 0x0000, 0x7000, 0x0000, 0xF100, 0x0000, 0x8000, 0x8800});
    const auto memory = machine.memory;
    struct Case {
        std::int32_t sp, pr;
    };
    const Case cases[] = {
        {0x9006, 0x8800},
        {0x9006, 0x8801},
        {0x9006, 0x8802},
        {0x7FFF, 0x8800},
        {0x7FFF, 0x8801},
        {0x0000, 0x8804},
        {0x0000, 0x8808},
        {std::numeric_limits<std::int32_t>::min(), 0x8804},
        {std::numeric_limits<std::int32_t>::min(), 0x8806},
        {std::numeric_limits<std::int32_t>::max(), 0x8801},
    };
    for (const Case& c : cases) {
        numberRegisters();
        machine.SP = c.sp;
        EXPECT_EQ(step(c.pr), 3) << std::hex << c.pr << " " << c.sp;
        EXPECT_EQ(error.number(), 402);
        EXPECT_EQ(machine.SP, c.sp);
        EXPECT_EQ(machine.GR[3], 0x103);
        EXPECT_EQ(machine.GR[7], 0x107);
        error.clear();
    }
    EXPECT_TRUE(machine.memory == memory);
    EXPECT_TRUE(calls.internalErrors.empty());

    machine.SP = 0x9005;  // the last spare word can still be fetched
    EXPECT_EQ(step(0x8801), 0);
    EXPECT_EQ(machine.SP, 0x9006);
    EXPECT_EQ(calls.internalErrors.size(), 1u);
}

TEST_F(ExecutorExpansions, InAndOutRunWholeWhateverTheBreakpoint) {
    putInOut(kind::In, 1);
    machine.EA = 0x4321;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(calls.ins, 1);
    EXPECT_EQ(calls.outs, 0);
    EXPECT_EQ(machine.nextPR, 0x880C);
    EXPECT_EQ(machine.EA, -1);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_TRUE(calls.svcNumbers.empty());

    setKind(0x8800, kind::In | kind::Breakpoint);
    EXPECT_EQ(step(0x8800), step::Breakpoint);
    EXPECT_EQ(calls.ins, 2);
    EXPECT_EQ(machine.nextPR, 0x880C);

    calls.inResult = 5;
    EXPECT_EQ(step(0x8800), 5);
    EXPECT_EQ(calls.ins, 3);

    putInOut(kind::Out | kind::Breakpoint, 2);
    EXPECT_EQ(step(0x8800), step::Breakpoint);
    EXPECT_EQ(calls.outs, 1);
    EXPECT_EQ(calls.ins, 3);
    EXPECT_EQ(machine.nextPR, 0x880C);
    calls.outResult = 9;
    setKind(0x8800, kind::Out);
    EXPECT_EQ(step(0x8800), 9);
}

TEST_F(ExecutorExpansions, RpushAndRpopRunWholeWhateverTheBreakpoint) {
    putRpush(kind::RPush | kind::Breakpoint);
    putRpop(kind::RPop | kind::Breakpoint);
    numberRegisters();
    EXPECT_EQ(step(0x8800), step::Breakpoint);
    EXPECT_EQ(machine.SP, 0x8FF9);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(machine.word(0x9000 - i), 0x100 + i) << i;
    EXPECT_EQ(machine.nextPR, 0x880E);
    EXPECT_EQ(machine.EA, -1);

    for (int i = 0; i < 8; ++i) machine.GR[i] = 0;
    machine.EA = 0x4321;
    EXPECT_EQ(step(0x8810), step::Breakpoint);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(machine.GR[i], 0x100 + i) << i;
    EXPECT_EQ(machine.GR[0], 0);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.nextPR, 0x8817);
    EXPECT_EQ(machine.EA, -1);
}

TEST_F(ExecutorExpansions, OtherKindsMakePlainPushAndPop) {
    put(0x8800, {0x7002, 0x0010, 0x7130});
    setKind(0x8800, kind::RPop);
    setKind(0x8802, kind::RPush);
    numberRegisters();
    EXPECT_EQ(step(0x8800), 0);  // PUSH #0010,GR2
    EXPECT_EQ(machine.SP, 0x8FFF);
    EXPECT_EQ(machine.word(0x8FFF), 0x112);
    EXPECT_EQ(machine.nextPR, 0x8802);
    EXPECT_EQ(step(0x8802), 0);  // POP GR3
    EXPECT_EQ(machine.GR[3], 0x112);
    EXPECT_EQ(machine.GR[7], 0x107);
    EXPECT_EQ(machine.nextPR, 0x8803);
}

TEST_F(ExecutorExpansions, JumpIntoTheMiddleRunsOrdinaryWords) {
    putRpush(kind::RPush);
    numberRegisters();
    EXPECT_EQ(step(0x8802), 0);  // PUSH 0,GR2 alone
    EXPECT_EQ(machine.SP, 0x8FFF);
    EXPECT_EQ(machine.word(0x8FFF), 0x102);
    EXPECT_EQ(machine.nextPR, 0x8804);

    putRpop(kind::RPop);
    EXPECT_EQ(step(0x8811), 0);  // POP GR6 alone
    EXPECT_EQ(machine.GR[6], 0x102);
    EXPECT_EQ(machine.GR[7], 0x107);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.nextPR, 0x8812);

    putInOut(kind::In, 1);
    EXPECT_EQ(step(0x8804), 0);  // LAD GR1,#8900
    EXPECT_EQ(machine.GR[1], 0x8900);
    EXPECT_EQ(step(0x8808), 0);  // SVC 1
    EXPECT_EQ(calls.svcNumbers, std::vector<std::int32_t>{1});
    EXPECT_EQ(calls.ins, 0);
}

TEST_F(ExecutorCopy, CopiesWordByWordAndEndsOnTheLastDestination) {
    put(0x8800, {0xA003, 0x8100, 0x8200});
    put(0x8200, {11, 22, 33, 44}, kind::Constant);
    machine.EA = 0x4321;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.word(0x8100), 11);
    EXPECT_EQ(machine.word(0x8101), 22);
    EXPECT_EQ(machine.word(0x8102), 33);
    EXPECT_EQ(machine.word(0x8103), 0);
    EXPECT_EQ(machine.EA, 0x8102);
    EXPECT_EQ(machine.nextPR, 0x8803);
    EXPECT_EQ(fr(), "???");

    put(0x8800, {0xA003, 0x8201, 0x8200});  // overlapping: the first word spreads upward
    step(0x8800);
    EXPECT_EQ(machine.word(0x8201), 11);
    EXPECT_EQ(machine.word(0x8202), 11);
    EXPECT_EQ(machine.word(0x8203), 11);
    EXPECT_EQ(calls.warnings.size(), 3u);  // the destination words are constants
}

TEST_F(ExecutorCopy, CountZeroCopiesNothing) {
    put(0x8800, {0xA000, 0x8100, 0x8200});
    put(0x8200, {11}, kind::Constant);
    machine.EA = 0x4321;
    const auto memory = machine.memory;
    EXPECT_EQ(step(0x8800), 0);
    EXPECT_EQ(machine.nextPR, 0x8803);
    EXPECT_EQ(machine.EA, 0x4321);
    EXPECT_TRUE(machine.memory == memory);
}

TEST_F(ExecutorCopy, FirstFailureStopsAndKeepsWhatWasCopied) {
    put(0x8800, {0xA003, 0x8100, 0x8200});
    put(0x8200, {11, 22, 33}, kind::Free);
    put(0x8101, {0x1234});  // an instruction word in the destination
    EXPECT_EQ(step(0x8800), 9);
    EXPECT_EQ(error.number(), 405);
    EXPECT_EQ(machine.EA, 0x8101);
    EXPECT_EQ(machine.word(0x8100), 11);
    EXPECT_EQ(machine.word(0x8101), 0x1234);
    EXPECT_EQ(machine.word(0x8102), 0);

    error.clear();
    put(0x8800, {0xA003, 0x8300, 0x8FFE});  // the source runs past the area
    put(0x8FFE, {55, 66}, kind::Free);
    EXPECT_EQ(step(0x8800), 9);
    EXPECT_EQ(error.number(), 404);
    EXPECT_EQ(error.ea, 0x9000);
    EXPECT_EQ(machine.EA, 0x9000);
    EXPECT_EQ(machine.word(0x8300), 55);
    EXPECT_EQ(machine.word(0x8301), 66);
    EXPECT_EQ(machine.word(0x8302), 0);
}

TEST_F(ExecutorCopy, AtTheAreaEndItsLastWordIsTheStackBottom) {
    put(0x8FFE, {0xA001, 0x8100});  // the third word is the stack-bottom word, #E000
    EXPECT_EQ(step(0x8FFE), 9);
    EXPECT_EQ(error.number(), 404);
    EXPECT_EQ(machine.EA, 0xE000);
    EXPECT_EQ(machine.word(0x8100), 0);

    put(0x8FFE, {0xA000});
    EXPECT_EQ(step(0x8FFE), 0);
    EXPECT_EQ(machine.nextPR, 0x9001);
}

}  // namespace
}  // namespace kv::testing
