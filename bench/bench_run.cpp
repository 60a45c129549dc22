// Speed of run control: instructions per second of a Run and trace records per second of a traced
// run, on a host that draws nothing (Run counts each instruction's executions; bench_executor shows
// what the count costs); and what the step history of the step modes costs per recorded step, in
// time and in memory.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/InstructionCounts.h"
#include "simulator/RunControl.h"
#include "simulator/StepHistory.h"
#include "simulator/Trace.h"
#include "host/QuietHost.h"

namespace {

// Draws nothing; counts the trace text so the records cannot be optimised away.
class NullHost : public kv::QuietHost {
public:
    long long consoleCharacters = 0;
    void consoleWrite(kv::Rgb, const QString& text) override { consoleCharacters += text.size(); }
    void consoleAppend(const QString& text) override { consoleCharacters += text.size(); }
};

// An endless loop of a register addition, a load from memory and a jump back.
void placeLoop(kv::MachineState& m) {
    const std::int32_t words[] = {0x2412, 0x1030, 0x8010, 0x6400, 0x8000};
    for (int i = 0; i < 5; ++i) {
        m.memory[i] = words[i];
        m.wordKinds[i] = kv::kind::Instruction;
    }
    m.memory[0x10] = 1234;
    m.entryAddress = 0x8000;
}

// Processor time of the run, so that other programs on a busy machine do not count.
double measure(kv::RunControl& run, bool tracing, std::int64_t steps) {
    run.setStepLimit(steps);
    const std::clock_t start = std::clock();
    if (tracing) run.RunTrace();
    else run.RunAll();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

// The figures of run control before the run loop was rewritten, on the same machine (see README).
constexpr double kPreviousRun = 121.6;        // M instructions/s
constexpr double kPreviousTrace = 4'135'085;  // records/s

double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

// Recorded steps of the loop, one written word every fourth step, and steps of a 256-character IN.
void measureHistory(kv::MachineState& m) {
    kv::VirtualFileDevice device;
    kv::StepHistory history;
    history.Restart(m.userStart, true, m.userStart);
    const int steps = 200'000;
    const double start = cpuSeconds();
    for (int i = 0; i < steps; ++i) {
        history.Before(m, device);
        m.GR[1] = i & 0xFFFF;
        if (i % 4 == 0) m.memory[0x10] = i & 0xFFFF;
        m.PR = 0x8000 + (i & 3);
        history.After(m, nullptr);
    }
    const double seconds = cpuSeconds() - start;
    std::printf("Step history: %.1f us per recorded step (Before and After), %.0f bytes per step; "
                "%zu steps kept in %.1f MiB\n",
                seconds / steps * 1e6, double(history.bytes()) / double(history.steps()), history.steps(),
                history.bytes() / 1048576.0);
    kv::StepHistory input;
    input.Restart(m.userStart, true, m.userStart);
    for (int i = 0; i < 100; ++i) {
        input.Before(m, device);
        for (int c = 0; c <= 256; ++c) m.memory[0x100 + c] = (i + c) & 0xFF;
        input.After(m, nullptr);
    }
    std::printf("Step history: a 256-character IN takes %.0f bytes; 64 MiB hold the last %.0f of them\n",
                double(input.bytes()) / double(input.steps()),
                double(kv::StepHistory::kMaxBytes) / (double(input.bytes()) / double(input.steps())));
}

}  // namespace

int main() {
    kv::Settings settings;
    kv::MachineState machine;
    kv::AssemblyState assembly;
    kv::ErrorState error;
    kv::TraceOptions trace;
    trace.registers[1] = trace.registers[3] = true;
    kv::VirtualFileDevice device;
    NullHost host;
    kv::RunNotes notes(host, machine, assembly);
    kv::RunControl run(machine, assembly, error, settings, trace, device, notes, host);
    placeLoop(machine);

    const std::int64_t runSteps = 300'000'000;
    const double runSeconds = measure(run, false, runSteps);
    std::printf("Run:   %lld instructions in %.3f s of processor time = %.1f M instructions/s (before: %.1f)\n",
                static_cast<long long>(runSteps), runSeconds, runSteps / runSeconds / 1e6, kPreviousRun);

    const std::int64_t traceSteps = 2'000'000;
    const double traceSeconds = measure(run, true, traceSteps);
    std::printf("Trace: %lld records in %.3f s of processor time = %.0f records/s (before: %.0f; default options, GR1 "
                "and GR3; %lld characters)\n",
                static_cast<long long>(traceSteps), traceSeconds, traceSteps / traceSeconds, kPreviousTrace,
                host.consoleCharacters);
    std::printf("Run and Trace record no steps: %zu steps in the history after them\n", run.history().steps());

    placeLoop(machine);
    measureHistory(machine);
    return run.executedInstructions() == traceSteps && run.history().steps() == 0 ? 0 : 1;
}
