// Speed of run control: instructions per second of a Run and trace records per second of a traced
// run, on a host that draws nothing.

#include <cstdio>
#include <ctime>

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/RunControl.h"
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
    return run.executedInstructions() == traceSteps ? 0 : 1;
}
