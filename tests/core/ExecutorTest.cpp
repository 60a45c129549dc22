// The executor's flags and instructions: one step at a time on words loaded at #8000.

#include "ExecutorFixture.h"

namespace kv::testing {
namespace {

class ExecutorFlags : public ExecutorTest {};
class ExecutorInstructions : public ExecutorTest {};
class ExecutorShifts : public ExecutorTest {};

TEST_F(ExecutorFlags, LoadSetsSignAndZeroAndClearsOverflow) {
    put(0x8000, {0x1412});  // LD GR1,GR2
    setFlags('1', '0', '0');
    machine.GR[2] = 0x8000;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.GR[1], 0x8000);
    EXPECT_EQ(fr(), "010");
    machine.GR[2] = 0;
    step(0x8000);
    EXPECT_EQ(fr(), "001");
    machine.GR[2] = 0x7FFF;
    step(0x8000);
    EXPECT_EQ(fr(), "000");
    EXPECT_EQ(machine.GR[1], 0x7FFF);
}

TEST_F(ExecutorFlags, ArithmeticOverflowsOutsideTheSignedRange) {
    put(0x8000, {0x2412, 0x2512});  // ADDA GR1,GR2; SUBA GR1,GR2
    const auto adda = [&](std::int32_t a, std::int32_t b) {
        machine.GR[1] = a;
        machine.GR[2] = b;
        EXPECT_EQ(step(0x8000), 0);
        return machine.GR[1];
    };
    const auto suba = [&](std::int32_t a, std::int32_t b) {
        machine.GR[1] = a;
        machine.GR[2] = b;
        EXPECT_EQ(step(0x8001), 0);
        return machine.GR[1];
    };
    EXPECT_EQ(adda(0x7FFF, 1), 0x8000);
    EXPECT_EQ(fr(), "110");
    EXPECT_EQ(suba(0x8000, 1), 0x7FFF);
    EXPECT_EQ(fr(), "100");
    EXPECT_EQ(adda(0xFFFF, 1), 0);
    EXPECT_EQ(fr(), "001");
    EXPECT_EQ(adda(0x8000, 0x8000), 0);  // -32768 + -32768
    EXPECT_EQ(fr(), "101");
    EXPECT_EQ(suba(1, 2), 0xFFFF);
    EXPECT_EQ(fr(), "010");
    EXPECT_EQ(suba(0x7FFF, 0xFFFF), 0x8000);  // 32767 - (-1)
    EXPECT_EQ(fr(), "110");
    EXPECT_EQ(adda(0x0003, 0xFFFE), 1);  // 3 + (-2)
    EXPECT_EQ(fr(), "000");
}

TEST_F(ExecutorFlags, LogicalOverflowsOutsideTheUnsignedRangeAndFollowsTheFrSwitch) {
    put(0x8000, {0x2612, 0x2712});  // ADDL GR1,GR2; SUBL GR1,GR2
    const auto run2 = [&](std::int32_t pr, std::int32_t a, std::int32_t b) {
        machine.GR[1] = a;
        machine.GR[2] = b;
        EXPECT_EQ(step(pr), 0);
        return machine.GR[1];
    };
    EXPECT_EQ(run2(0x8000, 0xFFFF, 1), 0);
    EXPECT_EQ(fr(), "101");
    EXPECT_EQ(run2(0x8001, 0, 1), 0xFFFF);
    EXPECT_EQ(fr(), "110");
    EXPECT_EQ(run2(0x8000, 0x7FFF, 1), 0x8000);  // no overflow for the unsigned reading
    EXPECT_EQ(fr(), "010");
    EXPECT_EQ(run2(0x8000, 0x8000, 0x8000), 0);
    EXPECT_EQ(fr(), "101");
    EXPECT_EQ(run2(0x8001, 5, 3), 2);
    EXPECT_EQ(fr(), "000");

    settings.frSwitch = 0;
    EXPECT_EQ(run2(0x8001, 0, 1), 0xFFFF);
    EXPECT_EQ(fr(), "100");
    EXPECT_EQ(run2(0x8000, 0x7FFF, 1), 0x8000);
    EXPECT_EQ(fr(), "000");
    EXPECT_EQ(run2(0x8000, 0xFFFF, 1), 0);
    EXPECT_EQ(fr(), "101");
}

TEST_F(ExecutorFlags, FrSwitchZeroLeavesTheOtherInstructionsAlone) {
    settings.frSwitch = 0;
    put(0x8000, {0x2412, 0x4512, 0x1412});  // ADDA, CPL, LD GR1,GR2
    machine.GR[1] = 0x7FFF;
    machine.GR[2] = 1;
    step(0x8000);
    EXPECT_EQ(fr(), "110");
    machine.GR[1] = 0x0001;
    machine.GR[2] = 0x0002;
    step(0x8001);
    EXPECT_EQ(fr(), "010");
    machine.GR[2] = 0x8000;
    step(0x8002);
    EXPECT_EQ(fr(), "010");
}

TEST_F(ExecutorFlags, CompareReadsSignedOrUnsignedAndKeepsTheRegisters) {
    put(0x8000, {0x4412, 0x4512});  // CPA GR1,GR2; CPL GR1,GR2
    const auto compare = [&](std::int32_t pr, std::int32_t a, std::int32_t b) {
        setFlags('1', '?', '?');
        machine.GR[1] = a;
        machine.GR[2] = b;
        EXPECT_EQ(step(pr), 0);
        EXPECT_EQ(machine.GR[1], a);
        EXPECT_EQ(machine.GR[2], b);
        return fr();
    };
    EXPECT_EQ(compare(0x8000, 0xFFFF, 1), "010");
    EXPECT_EQ(compare(0x8001, 0xFFFF, 1), "000");
    EXPECT_EQ(compare(0x8000, 0x1234, 0x1234), "001");
    EXPECT_EQ(compare(0x8001, 0x1234, 0x1234), "001");
    EXPECT_EQ(compare(0x8000, 0x7FFF, 0x8000), "000");
    EXPECT_EQ(compare(0x8001, 0x7FFF, 0x8000), "010");
    EXPECT_EQ(compare(0x8000, 0x8000, 0x7FFF), "010");
    EXPECT_EQ(compare(0x8001, 0x8000, 0x7FFF), "000");
}

TEST_F(ExecutorFlags, SettersWorkOnTheExactResult) {
    executor.SetFlagsArithmetic(-32769);  // cut to #7FFF
    EXPECT_EQ(fr(), "100");
    executor.SetFlagsArithmetic(65536);
    EXPECT_EQ(fr(), "101");
    executor.SetFlagsLogical(-1);
    EXPECT_EQ(fr(), "110");
    executor.SetFlagsLogical(65535);
    EXPECT_EQ(fr(), "010");
    executor.SetFlagsCompare(-70000);
    EXPECT_EQ(fr(), "010");
    executor.SetFlagsLoad(0x8000);
    EXPECT_EQ(fr(), "010");
}

TEST_F(ExecutorInstructions, NopOnlyMovesOn) {
    put(0x8000, {0x0000, 0x0012});
    machine.EA = 0x1234;
    machine.GR[1] = 5;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.nextPR, 0x8001);
    EXPECT_EQ(machine.EA, -1);
    EXPECT_EQ(fr(), "???");
    EXPECT_EQ(machine.GR[1], 5);
    EXPECT_EQ(step(0x8001), 0);  // register fields do not matter to NOP
    EXPECT_EQ(machine.nextPR, 0x8002);
}

TEST_F(ExecutorInstructions, LoadStoreAndLoadAddress) {
    put(0x8000, {0x1012, 0x8010,    // LD GR1,#8010,GR2
                 0x1010, 0x8010,    // LD GR1,#8010 (index field 0: GR0 is not added)
                 0x1130, 0x8020,    // ST GR3,#8020
                 0x1245, 0xFFFF});  // LAD GR4,#FFFF,GR5
    put(0x8010, {0x1111, 0, 0, 0, 0, 0xABCD, -1}, kind::Constant);
    machine.GR[2] = 5;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.EA, 0x8015);
    EXPECT_EQ(machine.GR[1], 0xABCD);
    EXPECT_EQ(machine.nextPR, 0x8002);
    EXPECT_EQ(fr(), "010");

    machine.GR[2] = 6;  // the stored -1 reads as #FFFF
    step(0x8000);
    EXPECT_EQ(machine.GR[1], 0xFFFF);

    machine.GR[0] = 5;
    step(0x8002);
    EXPECT_EQ(machine.EA, 0x8010);
    EXPECT_EQ(machine.GR[1], 0x1111);
    EXPECT_EQ(fr(), "000");

    machine.GR[3] = 0x8765;
    setFlags('1', '0', '1');
    EXPECT_EQ(step(0x8004), 0);
    EXPECT_EQ(machine.word(0x8020), 0x8765);
    EXPECT_EQ(machine.EA, 0x8020);
    EXPECT_EQ(machine.nextPR, 0x8006);
    EXPECT_EQ(fr(), "101");

    machine.GR[5] = 2;  // #FFFF + 2 wraps to 1; LAD checks no range
    EXPECT_EQ(step(0x8006), 0);
    EXPECT_EQ(machine.GR[4], 1);
    EXPECT_EQ(machine.EA, 1);
    EXPECT_EQ(machine.nextPR, 0x8008);
    EXPECT_EQ(fr(), "101");
}

TEST_F(ExecutorInstructions, RegisterFormsUseTheSecondRegisterAndHaveNoAddress) {
    put(0x8000, {0x1412, 0x2412, 0x2512, 0x2612, 0x2712, 0x3412, 0x3512, 0x3612, 0x4412, 0x4512});
    const std::int32_t expected[] = {0x0003, 0x0008, 0x0002, 0x0008, 0x0002, 0x0001, 0x0007, 0x0006, 5, 5};
    for (int i = 0; i < 10; ++i) {
        machine.GR[1] = 5;
        machine.GR[2] = 3;
        machine.EA = 0x4444;
        EXPECT_EQ(step(0x8000 + i), 0) << i;
        EXPECT_EQ(machine.GR[1], expected[i]) << i;
        EXPECT_EQ(machine.GR[2], 3) << i;
        EXPECT_EQ(machine.EA, -1) << i;
        EXPECT_EQ(machine.nextPR, 0x8001 + i) << i;
    }
    EXPECT_EQ(fr(), "000");  // CPL 5,3
}

TEST_F(ExecutorInstructions, AddressFormsReadTheOperandAtEA) {
    // ADDA, SUBA, ADDL, SUBL, AND, OR, XOR, CPA, CPL, each GR1,#8100,GR2.
    const std::int32_t codes[] = {0x2012, 0x2112, 0x2212, 0x2312, 0x3012, 0x3112, 0x3212, 0x4012, 0x4112};
    const std::int32_t results[] = {0xEFF0, 0xF1F0, 0xEFF0, 0xF1F0, 0xF000, 0xFFF0, 0x0FF0, 0xF0F0, 0xF0F0};
    const char* flags[] = {"010", "010", "110", "110", "010", "010", "000", "010", "010"};
    put(0x8101, {0xFF00}, kind::Constant);
    machine.GR[2] = 1;
    for (int i = 0; i < 9; ++i) {
        put(0x8000, {codes[i], 0x8100});
        machine.GR[1] = 0xF0F0;
        EXPECT_EQ(step(0x8000), 0) << i;
        EXPECT_EQ(machine.GR[1], results[i]) << i;
        EXPECT_EQ(fr(), flags[i]) << i;
        EXPECT_EQ(machine.EA, 0x8101) << i;
        EXPECT_EQ(machine.nextPR, 0x8002) << i;
    }
}

TEST_F(ExecutorInstructions, ConditionalJumpsFollowTheFlagTexts) {
    struct Case {
        std::int32_t code;
        char of, sf, zf;
        bool taken;
    };
    const Case cases[] = {
        {0x6100, '0', '1', '0', true},  {0x6100, '0', '0', '0', false}, {0x6100, '?', '?', '?', false},
        {0x6200, '0', '0', '0', true},  {0x6200, '0', '0', '1', false}, {0x6200, '?', '?', '?', false},
        {0x6300, '0', '0', '1', true},  {0x6300, '0', '0', '0', false}, {0x6300, '?', '?', '?', false},
        {0x6400, '?', '?', '?', true},  {0x6400, '0', '0', '0', true},  {0x6500, '0', '0', '0', true},
        {0x6500, '0', '0', '1', false}, {0x6500, '0', '1', '0', false}, {0x6500, '?', '?', '?', false},
        {0x6500, '0', '0', '?', false}, {0x6500, '1', '?', '0', false}, {0x6600, '1', '0', '0', true},
        {0x6600, '0', '0', '0', false}, {0x6600, '?', '?', '?', false},
    };
    for (const Case& c : cases) {
        put(0x8000, {c.code, 0x8123});
        setFlags(c.of, c.sf, c.zf);
        const std::string before = fr();
        EXPECT_EQ(step(0x8000), 0);
        EXPECT_EQ(machine.nextPR, c.taken ? 0x8123 : 0x8002) << std::hex << c.code << " " << before;
        EXPECT_EQ(fr(), before);
        EXPECT_EQ(machine.EA, 0x8123);
    }
}

TEST_F(ExecutorInstructions, JumpsAddTheIndexAndCheckNoRange) {
    put(0x8000, {0x6401, 0x8000, 0x6400, 0x0005});  // JUMP #8000,GR1; JUMP #0005
    machine.GR[1] = 4;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.nextPR, 0x8004);
    EXPECT_EQ(step(0x8002), 0);
    EXPECT_EQ(machine.nextPR, 5);
}

TEST_F(ExecutorInstructions, FlagsAreNeverTestedBeforeTheyAreSet) {
    // After a reset: JMI, JNZ, JZE, JPL, JOV all fall through; only JUMP jumps.
    put(0x8000,
        {0x6100, 0x8100, 0x6200, 0x8100, 0x6300, 0x8100, 0x6500, 0x8100, 0x6600, 0x8100, 0x6400, 0x8200});
    machine.ResetForRun();
    int steps = 0;
    put(0x8200, {0x8100});  // RET
    EXPECT_EQ(run(20, &steps), step::NormalEnd);
    EXPECT_EQ(steps, 7);
}

TEST_F(ExecutorInstructions, PushPopCallAndReturn) {
    put(0x8000, {0x7001, 0x1230,  // PUSH #1230,GR1
                 0x7130,          // POP GR3
                 0x8002, 0x8010,  // CALL #8010,GR2
                 0x8100});        // RET
    machine.GR[1] = 4;
    EXPECT_EQ(step(0x8000), 0);
    EXPECT_EQ(machine.SP, 0x8FFF);
    EXPECT_EQ(machine.word(0x8FFF), 0x1234);
    EXPECT_EQ(machine.EA, 0x1234);
    EXPECT_EQ(machine.nextPR, 0x8002);

    machine.word(0x8FFF) = -1;
    EXPECT_EQ(step(0x8002), 0);
    EXPECT_EQ(machine.GR[3], 0xFFFF);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.EA, -1);
    EXPECT_EQ(machine.nextPR, 0x8003);

    machine.GR[2] = 0x10;
    EXPECT_EQ(step(0x8003), 0);
    EXPECT_EQ(machine.SP, 0x8FFF);
    EXPECT_EQ(machine.word(0x8FFF), 0x8005);
    EXPECT_EQ(machine.EA, 0x8020);
    EXPECT_EQ(machine.nextPR, 0x8020);

    EXPECT_EQ(step(0x8005), 0);
    EXPECT_EQ(machine.nextPR, 0x8005);
    EXPECT_EQ(machine.SP, 0x9000);
    EXPECT_EQ(machine.EA, -1);
    EXPECT_EQ(fr(), "???");
}

TEST_F(ExecutorInstructions, ReturnToTheOsEndsTheRun) {
    put(0x8000, {0x8100});
    EXPECT_EQ(step(0x8000), step::NormalEnd);
    EXPECT_EQ(machine.SP, 0x9001);
    EXPECT_EQ(machine.nextPR, 0xE000);
    EXPECT_TRUE(calls.internalErrors.empty());
}

TEST_F(ExecutorInstructions, SupervisorCallNumberIsTheEffectiveAddress) {
    put(0x8000, {0xF002, 0x000F, 0xF000, 0x0001});  // SVC 15,GR2; SVC 1
    machine.GR[2] = 1;
    calls.svcResult = 3;
    EXPECT_EQ(step(0x8000), 3);
    calls.svcResult = 0;
    EXPECT_EQ(step(0x8002), 0);
    EXPECT_EQ(calls.svcNumbers, (std::vector<std::int32_t>{16, 1}));
    EXPECT_EQ(machine.nextPR, 0x8004);
}

TEST_F(ExecutorInstructions, CountingLoopRunsToTheNormalEnd) {
    put(0x8000, {0x1210, 0x0003,  // LAD GR1,3
                 0x1220, 0x0000,  // LAD GR2,0
                 0x2421,          // LOOP ADDA GR2,GR1
                 0x2110, 0x8020,  // SUBA GR1,=1
                 0x6200, 0x8004,  // JNZ LOOP
                 0x8100});        // RET
    put(0x8020, {1}, kind::Constant);
    machine.ResetForRun();
    int steps = 0;
    EXPECT_EQ(run(100, &steps), step::NormalEnd);
    EXPECT_EQ(steps, 12);
    EXPECT_EQ(machine.GR[1], 0);
    EXPECT_EQ(machine.GR[2], 6);
    EXPECT_EQ(fr(), "001");
    EXPECT_EQ(machine.SP, 0x9001);
}

// A shift of GR1 by a count and what it must give.
struct Shift {
    std::int32_t code, value, count, result;
    const char* flags;
};

TEST_F(ExecutorShifts, CountsOverflowBitsAndEdges) {
    const Shift shifts[] = {
        {0x5010, 0x8000, 0, 0x8000, "010"},      {0x5310, 0x0000, 0, 0x0000, "001"},
        {0x5010, 0xC001, 1, 0x8002, "110"},      {0x5010, 0x4000, 1, 0x0000, "101"},
        {0x5010, 0x0001, 15, 0x0000, "101"},     {0x5010, 0xFFFF, 16, 0x8000, "010"},
        {0x5010, 0xFFFF, 17, 0x8000, "010"},     {0x5010, 0x7FFF, 16, 0x0000, "001"},
        {0x5010, 0x0003, 2, 0x000C, "000"},      {0x5010, 0x2001, 2, 0x0004, "100"},
        {0x5110, 0x8000, 16, 0xFFFF, "110"},     {0x5110, 0x7FFF, 16, 0x0000, "001"},
        {0x5110, 0x8001, 1, 0xC000, "110"},      {0x5110, 0xFFFF, 1, 0xFFFF, "110"},
        {0x5110, 0x0004, 2, 0x0001, "000"},      {0x5110, 0x0006, 2, 0x0001, "100"},
        {0x5110, 0x8000, 15, 0xFFFF, "010"},     {0x5110, 0x8000, 40, 0xFFFF, "110"},
        {0x5210, 0x8001, 1, 0x0002, "100"},      {0x5210, 0x0001, 16, 0x0000, "101"},
        {0x5210, 0x0001, 17, 0x0000, "101"},     {0x5210, 0x0001, 15, 0x8000, "010"},
        {0x5210, 0xFFFE, 16, 0x0000, "001"},     {0x5210, 0x0003, 2, 0x000C, "000"},
        {0x5310, 0x8000, 16, 0x0000, "101"},     {0x5310, 0x0003, 1, 0x0001, "100"},
        {0x5310, 0x8000, 1, 0x4000, "000"},      {0x5310, 0xFFFF, 15, 0x0001, "100"},
        {0x5310, 0x7FFF, 0xFFFF, 0x0000, "001"},
    };
    for (const Shift& s : shifts) {
        put(0x8000, {s.code, s.count});
        machine.GR[1] = s.value;
        setFlags('1', '?', '?');
        EXPECT_EQ(step(0x8000), 0);
        EXPECT_EQ(machine.GR[1], s.result) << std::hex << s.code << " " << s.value << " by " << s.count;
        EXPECT_EQ(fr(), s.flags) << std::hex << s.code << " " << s.value << " by " << s.count;
        EXPECT_EQ(machine.nextPR, 0x8002);
    }
}

TEST_F(ExecutorShifts, CountIsTheEffectiveAddressWithIndex) {
    put(0x8000, {0x5212, 0x0001,    // SLL GR1,1,GR2
                 0x5312, 0xFFFF});  // SRL GR1,#FFFF,GR2
    machine.GR[1] = 1;
    machine.GR[2] = 2;
    step(0x8000);
    EXPECT_EQ(machine.GR[1], 8);
    EXPECT_EQ(machine.EA, 3);
    machine.GR[2] = 1;  // #FFFF + 1 wraps to a count of 0
    setFlags('1', '1', '1');
    step(0x8002);
    EXPECT_EQ(machine.GR[1], 8);
    EXPECT_EQ(fr(), "000");
}

}  // namespace
}  // namespace kv::testing
