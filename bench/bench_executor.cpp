// Speed of the executor: three programs, loaded as machine words, run the way the run loop does it
// (ExecuteMany for what runs quietly, ExecuteOne for the rest, PR := nextPR, stop on a result other
// than 0), and one instruction at a time through ExecuteOne as Start, Step and Auto do. Prints
// millions of instructions per second of processor time for each program, the median of several
// repetitions, and the total of each way, with the figures of the executor before ExecuteMany
// (ExecuteOne alone, measured on the same machine) for comparison.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <vector>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/Executor.h"

namespace {

constexpr long long kInstructionsPerRepetition = 30'000'000;
constexpr int kRepetitions = 7;

struct Program {
    const char* name;
    double before;  // M instructions/s through ExecuteOne before ExecuteMany, on this machine (see README)
    // Address, words, kind of the words.
    struct Block {
        std::int32_t address;
        std::vector<std::int32_t> words;
        std::uint16_t wordKind;
    };
    std::vector<Block> blocks;
};

// LAD GR2,0; LAD GR1,0; LOOP LAD GR1,1,GR1; CPL GR1,GR2; JNZ LOOP; RET - 65536 rounds.
const Program kCounting{"counting loop (LAD, CPL, JNZ)",
                        175.2,
                        {{0x8000,
                          {0x1220, 0x0000, 0x1210, 0x0000, 0x1211, 0x0001, 0x4512, 0x6200, 0x8004, 0x8100},
                          kv::kind::Instruction}}};

// 1000 x 1000 rounds of an inner loop that counts GR2 and sums it into GR3.
//       LAD  GR1,0
// OUTER LAD  GR2,0
// INNER ADDA GR2,ONE
//       ADDA GR3,GR2
//       CPA  GR2,LIMIT
//       JNZ  INNER
//       ADDA GR1,ONE
//       CPA  GR1,LIMIT
//       JNZ  OUTER
//       RET
const Program kNested{"nested loop (ADDA, CPA, JNZ)",
                      129.5,
                      {{0x8000,
                        {0x1210, 0x0000, 0x1220, 0x0000, 0x2020, 0x8020, 0x2432, 0x4020, 0x8021, 0x6200,
                         0x8004, 0x2010, 0x8020, 0x4010, 0x8021, 0x6200, 0x8002, 0x8100},
                        kv::kind::Instruction},
                       {0x8020, {1, 1000}, kv::kind::Constant}}};

// 100 times: copy 1024 words from SRC to DST, each plus one, walking an index register.
//       LAD  GR3,0
// AGAIN LAD  GR1,0
// LOOP  LD   GR2,SRC,GR1
//       LAD  GR2,1,GR2
//       ST   GR2,DST,GR1
//       LAD  GR1,1,GR1
//       CPA  GR1,COUNT
//       JNZ  LOOP
//       LAD  GR3,1,GR3
//       CPA  GR3,TIMES
//       JNZ  AGAIN
//       RET
const Program kWalking{
    "memory walk (LD, ST, LAD, index)",
    154.2,
    {{0x8000,
      {0x1230, 0x0000, 0x1210, 0x0000, 0x1021, 0x8100, 0x1222, 0x0001, 0x1121, 0x8500, 0x1211, 0x0001,
       0x4010, 0x8020, 0x6200, 0x8004, 0x1233, 0x0001, 0x4030, 0x8021, 0x6200, 0x8002, 0x8100},
      kv::kind::Instruction},
     {0x8020, {1024, 100}, kv::kind::Constant}}};

struct Machine {
    kv::MachineState machine;
    kv::ErrorState error;
    kv::Settings settings;
    kv::testing::RecordingHost host;
    kv::AssemblyState assembly;
    kv::RunNotes notes{host, machine, assembly};

    // IN, OUT and SVC never occur in these programs.
    struct NoCalls : kv::SupervisorCalls {
        kv::StepResult PerformIn() override { return 3; }
        kv::StepResult PerformOut() override { return 3; }
        kv::StepResult PerformSvc() override { return 3; }
        void WarnConstantWrite() override {}
        void ReportInternalError(const QString&, int) override {}
    } calls;
    kv::Executor executor{machine, error, settings, notes, calls};
    std::vector<std::uint64_t> counts = std::vector<std::uint64_t>(0x10000, 0);

    Machine(const Program& program, bool counting) {
        if (counting) executor.setInstructionCounts(counts.data());
        for (const auto& block : program.blocks)
            for (std::size_t i = 0; i < block.words.size(); ++i) {
                machine.word(block.address + static_cast<std::int32_t>(i)) = block.words[i];
                machine.wordKinds[block.address - machine.userStart + i] = block.wordKind;
            }
    }

    // Runs the program again and again from its start until the limit; returns the instructions
    // executed. Stops early (and says so) when a step fails.
    long long run(long long limit, bool many) {
        constexpr long long kStretch = 16384;  // the run loop's instructions between looks at the clock
        long long executed = 0;
        executor.ForgetDecoded();
        while (executed < limit) {
            machine.ResetForRun();
            kv::StepResult result = 0;
            while (executed < limit) {
                long long done = many ? executor.ExecuteMany(std::min(kStretch, limit - executed)) : 0;
                if (done == 0) {
                    result = executor.ExecuteOne();
                    done = 1;
                }
                executed += done;
                if (result != 0) break;
                machine.PR = machine.nextPR;
            }
            if (result != 0 && result != kv::step::NormalEnd) {
                std::printf("  stopped with result %d, error %d at %04X\n", result, error.number(), machine.PR);
                break;
            }
        }
        return executed;
    }
};

// The processor time of this thread: other programs running on a busy machine do not count.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Figure {
    double median = 0;
    long long instructions = 0;
    double seconds = 0;
};

Figure measure(const Program& program, bool many, bool counting) {
    Machine m(program, counting);
    std::vector<double> rates;
    Figure figure;
    for (int r = 0; r < kRepetitions; ++r) {
        const double start = cpuSeconds();
        const long long executed = m.run(kInstructionsPerRepetition, many);
        const double elapsed = cpuSeconds() - start;
        rates.push_back(executed / elapsed / 1e6);
        figure.instructions += executed;
        figure.seconds += elapsed;
    }
    std::sort(rates.begin(), rates.end());
    figure.median = rates[rates.size() / 2];
    std::printf("  %-36s %8.1f M instructions/s  (median of %d, %lld instructions each; before: %.1f)\n",
                program.name, figure.median, kRepetitions, kInstructionsPerRepetition, program.before);
    return figure;
}

// The total of the three programs one way.
double measureAll(bool many, bool counting) {
    long long instructions = 0;
    double seconds = 0;
    for (const Program* program : {&kCounting, &kNested, &kWalking}) {
        const Figure f = measure(*program, many, counting);
        instructions += f.instructions;
        seconds += f.seconds;
    }
    return instructions / seconds / 1e6;
}

// What counting each instruction's executions costs the run loop: rounds with and without the
// count alternate, so that a machine that slows down or speeds up meanwhile weighs on both alike;
// the medians of the rounds, and the time the count adds.
void measureCountingCost() {
    constexpr int kRounds = 15;
    double plainTotal = 0, countedTotal = 0;
    for (const Program* program : {&kCounting, &kNested, &kWalking}) {
        Machine plain(*program, false), counted(*program, true);
        std::vector<double> plainSeconds, countedSeconds;
        for (int r = 0; r < kRounds; ++r) {
            for (Machine* m : {&plain, &counted}) {
                const double start = cpuSeconds();
                m->run(kInstructionsPerRepetition, true);
                (m == &plain ? plainSeconds : countedSeconds).push_back(cpuSeconds() - start);
            }
        }
        std::sort(plainSeconds.begin(), plainSeconds.end());
        std::sort(countedSeconds.begin(), countedSeconds.end());
        const double p = plainSeconds[kRounds / 2], c = countedSeconds[kRounds / 2];
        plainTotal += p;
        countedTotal += c;
        std::printf("  %-36s %8.1f M instructions/s counting, %.1f without: %+.1f%% of the time\n", program->name,
                    kInstructionsPerRepetition / c / 1e6, kInstructionsPerRepetition / p / 1e6, (c / p - 1) * 100);
    }
    std::printf("  %-36s counting adds %+.1f%% to the run loop's time (medians of %d alternating rounds)\n",
                "total", (countedTotal / plainTotal - 1) * 100, kRounds);
}

}  // namespace

// The executor before ExecuteMany, every instruction through ExecuteOne, on this machine (2-core AMD
// EPYC, median of 5 runs of this program; see README).
constexpr double kPreviousTotal = 148.0;

int main() {
    std::printf("Run loop (ExecuteMany, ExecuteOne for the rest):\n");
    const double many = measureAll(true, false);
    std::printf("  %-36s %8.1f M instructions/s  (before: %.1f)\n", "total", many, kPreviousTotal);
    std::printf("Run loop counting each instruction's executions, as Run does, against the same loop without:\n");
    measureCountingCost();
    std::printf("Single steps (ExecuteOne):\n");
    const double one = measureAll(false, false);
    std::printf("  %-36s %8.1f M instructions/s  (before: %.1f)\n", "total", one, kPreviousTotal);
    return 0;
}
