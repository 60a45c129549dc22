// ExecuteMany against ExecuteOne: two machines start alike, one steps through ExecuteOne alone, the
// other as the run loop does (ExecuteMany, ExecuteOne for what it leaves), and they must end alike
// in every word, kind, register, flag, error code, supervisor call and count - on programs written
// for each instruction and edge, and on many random ones.

#include <random>
#include <utility>

#include "ExecutorFixture.h"

namespace kv::testing {
namespace {

struct Side {
    MachineState machine;
    ErrorState error;
    Settings settings;
    RecordingHost host;
    AssemblyState assembly;
    RunNotes notes{host, machine, assembly};
    RecordingCalls calls{machine, error};
    Executor executor{machine, error, settings, notes, calls};
};

struct Outcome {
    StepResult result = 0;
    int executed = 0;
};

// Steps until a result other than 0, the OS return address or the limit.
Outcome stepOneByOne(Side& s, int limit) {
    Outcome o;
    while (o.executed < limit) {
        o.result = s.executor.ExecuteOne();
        ++o.executed;
        if (o.result != 0) break;
        s.machine.PR = s.machine.nextPR;
        if (s.machine.PR == kOsReturn) break;
    }
    return o;
}

// The same through ExecuteMany in stretches of at most budget instructions.
Outcome stepInStretches(Side& s, int limit, int budget) {
    Outcome o;
    s.executor.ForgetDecoded();
    while (o.executed < limit) {
        int done = static_cast<int>(s.executor.ExecuteMany(std::min(budget, limit - o.executed)));
        EXPECT_LE(done, std::min(budget, limit - o.executed));
        if (done == 0) {
            o.result = s.executor.ExecuteOne();
            done = 1;
        }
        o.executed += done;
        if (o.result != 0) break;
        s.machine.PR = s.machine.nextPR;
        if (s.machine.PR == kOsReturn) break;
    }
    return o;
}

void expectSame(const Side& a, const Side& b, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(a.machine.memory == b.machine.memory);
    EXPECT_TRUE(a.machine.wordKinds == b.machine.wordKinds);
    EXPECT_TRUE(a.machine.GR == b.machine.GR);
    EXPECT_EQ(a.machine.SP, b.machine.SP);
    EXPECT_EQ(a.machine.PR, b.machine.PR);
    EXPECT_EQ(a.machine.nextPR, b.machine.nextPR);
    EXPECT_EQ(a.machine.EA, b.machine.EA);
    EXPECT_EQ(a.machine.FR(), b.machine.FR());
    EXPECT_EQ(a.error.number(), b.error.number());
    EXPECT_EQ(a.calls.ins, b.calls.ins);
    EXPECT_EQ(a.calls.outs, b.calls.outs);
    EXPECT_EQ(a.calls.svcNumbers, b.calls.svcNumbers);
    EXPECT_EQ(a.calls.warnings.size(), b.calls.warnings.size());
    EXPECT_EQ(a.calls.internalErrors, b.calls.internalErrors);
}

// A machine as a test sets it up, given to both sides: words of kind 15 from addresses, then the
// changes below.
struct MachineAtStart {
    using Words = std::vector<std::pair<std::int32_t, std::vector<std::int32_t>>>;
    explicit MachineAtStart(Words w = {}) : words(std::move(w)) {}
    MachineAtStart& withKinds(std::vector<std::pair<std::int32_t, std::uint16_t>> k) {
        kinds = std::move(k);
        return *this;
    }
    MachineAtStart& withRegisters(std::array<std::int32_t, 8> r) {
        gr = r;
        return *this;
    }
    MachineAtStart& withStack(std::int32_t stackPointer) {
        sp = stackPointer;
        return *this;
    }
    MachineAtStart& withFlags(char o, char s, char z) {
        of = o;
        sf = s;
        zf = z;
        return *this;
    }
    MachineAtStart& withFrSwitch(int value) {
        frSwitch = value;
        return *this;
    }
    MachineAtStart& from(std::int32_t address) {
        pr = address;
        return *this;
    }
    MachineAtStart& inArea(std::int32_t start) {
        userStart = start;
        return *this;
    }

    Words words;
    std::vector<std::pair<std::int32_t, std::uint16_t>> kinds;
    std::int32_t userStart = 0x8000;
    std::array<std::int32_t, 8> gr{0, 0, 0, 0, 0, 0, 0, 0};
    std::int32_t sp = -1;  // -1: the stack bottom after ResetForRun
    char of = '?', sf = '?', zf = '?';
    int frSwitch = 1;
    std::int32_t pr = 0x8000;
};

void prepare(Side& s, const MachineAtStart& setup) {
    s.machine.setUserStart(setup.userStart);
    s.machine.ResetForRun();
    s.settings.frSwitch = setup.frSwitch;
    for (const auto& [address, words] : setup.words)
        for (std::size_t i = 0; i < words.size(); ++i) {
            s.machine.word(address + static_cast<std::int32_t>(i)) = words[i];
            s.machine.wordKinds[address + i - setup.userStart] = kind::Instruction;
        }
    for (const auto& [address, k] : setup.kinds) s.machine.wordKinds[address - setup.userStart] = k;
    for (int i = 0; i < 8; ++i) s.machine.GR[i] = setup.gr[i];
    if (setup.sp >= 0) s.machine.SP = setup.sp;
    s.machine.OF = setup.of;
    s.machine.SF = setup.sf;
    s.machine.ZF = setup.zf;
    s.machine.PR = setup.pr;
}

// Runs the setup both ways with each budget; returns the outcome of the way through ExecuteOne.
Outcome expectBothWaysAlike(const MachineAtStart& setup, int limit, const std::string& what) {
    auto reference = std::make_unique<Side>();
    prepare(*reference, setup);
    const Outcome expected = stepOneByOne(*reference, limit);
    for (const int budget : {1, 2, 5, 16384}) {
        auto side = std::make_unique<Side>();
        prepare(*side, setup);
        const Outcome outcome = stepInStretches(*side, limit, budget);
        const std::string label = what + ", budget " + std::to_string(budget);
        EXPECT_EQ(outcome.result, expected.result) << label;
        EXPECT_EQ(outcome.executed, expected.executed) << label;
        expectSame(*reference, *side, label);
    }
    return expected;
}

// Programs that exercise each quiet instruction and each way of leaving an instruction to
// ExecuteOne; the comment names what the last steps meet.
TEST(ExecuteMany, WrittenProgramsRunAsWithExecuteOne) {
    struct Case {
        const char* what;
        MachineAtStart setup;
        StepResult result;  // as the way through ExecuteOne ends
    };
    using M = MachineAtStart;
    const Case cases[] = {
        {"counting loop to the normal end",
         M({{0x8000, {0x1220, 10, 0x1210, 0, 0x1211, 1, 0x4512, 0x6200, 0x8004, 0x8100}}}), step::NormalEnd},
        {"arithmetic, logic and compares in both forms, overflow both ways",
         M({{0x8000,
             {0x1010, 0x8040, 0x2010, 0x8041, 0x2110, 0x8041, 0x2210, 0x8042, 0x2310, 0x8042, 0x2412,
              0x2512, 0x2612, 0x2712, 0x3010, 0x8043, 0x3110, 0x8043, 0x3210, 0x8043, 0x3412, 0x3512,
              0x3612, 0x4010, 0x8041, 0x4110, 0x8041, 0x4412, 0x4512, 0x1412, 0x6600, 0x8000, 0x8100}},
            {0x8040, {0x7FFF, 0x8001, 0xFFFF, 0x0F0F}}})
             .withKinds({{0x8040, kind::Constant},
                         {0x8041, kind::Constant},
                         {0x8042, kind::Constant},
                         {0x8043, kind::Constant}})
             .withRegisters({0, 0, 0x9234, 0, 0, 0, 0, 0}),
         step::NormalEnd},
        {"overflow both ways, seen by JOV and in FR at the end",
         M({{0x8000,
             {0x1010, 0x8040, 0x2010, 0x8041, 0x6600, 0x8008, 0x1300, 0x0000, 0x2110, 0x8041, 0x6600, 0x800E,
              0x1300, 0x0000, 0x2610, 0x8100}},
            {0x8040, {0x7FFF, 0x0001}}}),
         step::NormalEnd},
        {"the same under the FR switch 0",
         M({{0x8000, {0x1010, 0x8040, 0x2210, 0x8041, 0x2310, 0x8041, 0x2612, 0x2712, 0x8100}},
            {0x8040, {0x7FFF, 0x8001}}})
             .withRegisters({0, 0, 0xC000, 0, 0, 0, 0, 0})
             .withFrSwitch(0),
         step::NormalEnd},
        {"shifts by 0, 1, 15, 16 and 17, with an index",
         M({{0x8000, {0x5010, 0, 0x5010, 1, 0x5110, 15, 0x5240, 16, 0x5350, 17, 0x5021, 0,
                      0x5121, 3, 0x5221, 0, 0x5321, 1,  0x5160, 1,  0x5170, 16, 0x8100}}})
             .withRegisters({0, 0xC001, 0x8000, 0x0003, 0x8001, 0xFFFF, 0x9235, 0x8000}),
         step::NormalEnd},
        {"conditional jumps on flags not yet set, then set",
         M({{0x8000,
             {0x6100, 0x8040, 0x6200, 0x8040, 0x6300, 0x8040, 0x6500, 0x8040, 0x6600, 0x8040, 0x1410,
              0x6200, 0x8040, 0x6500, 0x8040, 0x6300, 0x8014, 0x8100, 0x0000, 0x0000, 0x6400, 0x8011}},
            {0x8040, {0x8100}}}),
         step::NormalEnd},
        {"flags set one by one before the run",
         M({{0x8000, {0x6100, 0x8004, 0x8100, 0x0000, 0x6500, 0x8002, 0x6600, 0x8002, 0x0000, 0x8100}}})
             .withFlags('1', '1', '?'),
         step::NormalEnd},
        {"ST into a free word, into a constant (warning) and into an instruction (405)",
         M({{0x8000, {0x1110, 0x8040, 0x1110, 0x8041, 0x1110, 0x8000}}, {0x8040, {0, 0}}})
             .withKinds({{0x8040, kind::Free}, {0x8041, kind::Constant}})
             .withRegisters({0, 0x1234, 0, 0, 0, 0, 0, 0}),
         9},
        {"operand outside the area (404) through an index",
         M({{0x8000, {0x1012, 0x0100}}}).withRegisters({0, 0, 0x0001, 0, 0, 0, 0, 0}), 9},
        {"operand and ST target outside the area without an index (404)",
         M({{0x8000, {0x1010, 0x8004, 0x1010, 0x0100}}, {0x8004, {0x1110, 0xA000}}}), 9},
        {"ST outside the area without an index (404)", M({{0x8000, {0x1110, 0x9000}}}), 9},
        {"register fields above 7", M({{0x8000, {0x1480}}}), 4},
        {"index field above 7 in a jump", M({{0x8000, {0x6408, 0x8000}}}), 5},
        {"PUSH, CALL, POP and RET, a breakpoint on the POP after the return",
         M({{0x8000, {0x7000, 0x1234, 0x8000, 0x8010, 0x7120, 0x8100}},
            {0x8010, {0x7000, 0x0055, 0x7130, 0x8100}}})
             .withKinds({{0x8004, kind::Instruction | kind::Breakpoint}}),
         step::Breakpoint},
        {"POP past the stack bottom", M({{0x8000, {0x7110}}}), 3},
        {"RET past the stack bottom: the internal fault, then a return to #0000",
         M({{0x8000, {0x8100, 0x8100}}}).withStack(0x9001), 1},
        {"PUSH below the area",
         M({{0x8010, {0x7000, 0x0001, 0x6400, 0x8010}}}).withStack(0x8001).from(0x8010), 3},
        {"a stack that grows into its own code",
         M({{0x8000, {0x7000, 0x0001, 0x6400, 0x8000}}}).withStack(0x8005), 1},
        {"a jump out of the area", M({{0x8000, {0x1210, 0x0001, 0x6401, 0x7000}}}), 1},
        {"a jump below an area at #9000", M({{0x9000, {0x6400, 0x0100}}}).inArea(0x9000).from(0x9000), 1},
        {"a jump to the OS return address", M({{0x8000, {0x0000, 0x6400, 0xE000}}}), 0},
        {"IN, OUT, RPUSH and RPOP expansions, SVC, COPY, the register blocks and invalid codes",
         M({{0x8000,
             {0x7000, 0, 0x7000, 0, 0x7000, 0, 0x7100, 0xF000, 16, 0xA002, 0x8040, 0x8050, 0xF100, 0xF300,
              0xF217, 0xF417, 0x1300}},
            {0x8050, {7, 8}}})
             .withKinds(
                 {{0x8000, kind::In}, {0x8002, kind::Out}, {0x8004, kind::RPush}, {0x8006, kind::RPop}}),
         3},
        {"the last word of the area cannot start an instruction",
         M({{0x8FFD, {0x0000, 0x0000}}}).from(0x8FFD), 1},
        {"an area at #9000",
         M({{0x9000, {0x1220, 3, 0x1210, 0, 0x1211, 1, 0x4512, 0x6200, 0x9004, 0x8100}}})
             .inArea(0x9000)
             .from(0x9000),
         step::NormalEnd},
    };
    for (const Case& c : cases) {
        const Outcome o = expectBothWaysAlike(c.setup, 500, c.what);
        EXPECT_EQ(o.result, c.result) << c.what;
    }
}

// The run loop counts each instruction's executions; its decoded program must survive counting
// being switched on and off between stretches.
TEST(ExecuteMany, CountingSwitchedBetweenStretchesRunsAlike) {
    const MachineAtStart setup(
        {{0x8000, {0x1220, 10, 0x1210, 0, 0x1211, 1, 0x4512, 0x6200, 0x8004, 0x8100}}});
    Side reference, side;
    prepare(reference, setup);
    prepare(side, setup);
    const Outcome expected = stepOneByOne(reference, 500);
    std::vector<std::uint64_t> counts(0x10000, 0);
    std::int64_t counted = 0;
    Outcome o;
    side.executor.ForgetDecoded();
    for (int stretch = 0; o.executed < 500; ++stretch) {
        const bool counting = stretch % 2 == 0;
        side.executor.setInstructionCounts(counting ? counts.data() : nullptr);
        std::int64_t done = side.executor.ExecuteMany(7);
        if (counting) counted += done;
        if (done == 0) {
            o.result = side.executor.ExecuteOne();
            done = 1;
        }
        o.executed += static_cast<int>(done);
        if (o.result != 0) break;
        side.machine.PR = side.machine.nextPR;
    }
    EXPECT_EQ(o.result, expected.result);
    EXPECT_EQ(o.executed, expected.executed);
    expectSame(reference, side, "counting on and off");
    std::uint64_t total = 0;
    for (const std::uint64_t c : counts) total += c;
    EXPECT_EQ(total, static_cast<std::uint64_t>(counted));
    EXPECT_GT(counted, 0);
}

// Random words, biased towards the instructions that run quietly, with valid and invalid register
// fields, addresses near the program, all kinds of words and a few breakpoints; random registers,
// flags, stack pointer and FR switch.
TEST(ExecuteMany, RandomProgramsRunAsWithExecuteOne) {
    static const std::int32_t kCodes[] = {0x00, 0x10, 0x11, 0x12, 0x14, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                                          0x26, 0x27, 0x30, 0x31, 0x32, 0x34, 0x35, 0x36, 0x40, 0x41, 0x44,
                                          0x45, 0x50, 0x51, 0x52, 0x53, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66,
                                          0x70, 0x71, 0x80, 0x81, 0xA0, 0xF0, 0xF1, 0xF2, 0x13, 0x90};
    static const std::uint16_t kKinds[] = {kind::Instruction, kind::Instruction, kind::Instruction,
                                           kind::Free,        kind::Constant,    kind::In,
                                           kind::Out,         kind::RPush,       kind::RPop};
    std::mt19937 random(20240615);
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 400; ++round) {
        MachineAtStart setup;
        setup.userStart = below(4) == 0 ? 0x9000 : 0x8000;
        const std::int32_t start = setup.userStart;
        const std::int32_t origin = start + (below(8) == 0 ? 0xFC0 : 0);
        std::vector<std::int32_t> words;
        for (int i = 0; i < 48; ++i) {
            const int pick = below(10);
            if (pick < 6) {
                const std::int32_t fields = below(12) == 0 ? below(256) : (below(8) << 4) | below(8);
                words.push_back(kCodes[below(std::size(kCodes))] << 8 | fields);
            } else if (pick < 8) {
                words.push_back(origin + below(64));  // an address in or near the program
            } else if (pick < 9) {
                words.push_back(below(20));  // a shift count, a small number
            } else {
                words.push_back(below(0x10000));
            }
        }
        setup.words.push_back({origin, words});
        for (int i = 0; i < 48; ++i)
            if (below(4) == 0)
                setup.kinds.push_back(
                    {origin + i, static_cast<std::uint16_t>(kKinds[below(std::size(kKinds))] |
                                                            (below(40) == 0 ? kind::Breakpoint : 0))});
        for (std::int32_t& r : setup.gr) r = below(3) == 0 ? below(64) : below(0x10000);
        static const char kFlags[] = {'0', '1', '?'};
        setup.of = kFlags[below(3)];
        setup.sf = kFlags[below(3)];
        setup.zf = kFlags[below(3)];
        setup.frSwitch = below(2);
        if (below(3) == 0) setup.sp = origin + below(80);
        setup.pr = origin + below(8);
        expectBothWaysAlike(setup, 300, "round " + std::to_string(round));
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
}  // namespace kv::testing
