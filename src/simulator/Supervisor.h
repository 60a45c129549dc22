#pragma once
// Input and output of a running program. The executor hands the IN and OUT expansions and SVC over
// to this class, which does the whole transfer at once: through the console in Run and Trace,
// through input and message boxes in Start, Step and Auto, and for IN through the virtual file
// device when it is chosen. Characters move as code page 932 codes, one per word.

#include <QString>
#include <cstdint>

#include "simulator/Executor.h"
#include "simulator/RunMode.h"

namespace kv {

struct ErrorState;
struct MachineState;
class Host;
class RunNotes;
class VirtualFileDevice;

class Supervisor : public SupervisorCalls {
public:
    static constexpr int kMaxRecord = 256;

    // runMode is run control's mode, read at each call.
    Supervisor(MachineState& machine, ErrorState& error, VirtualFileDevice& device, RunNotes& notes, Host& host,
               const RunMode& runMode)
        : m_(machine), error_(error), device_(device), notes_(notes), host_(host), runMode_(runMode) {}

    StepResult PerformIn() override;
    StepResult PerformOut() override;
    StepResult PerformSvc() override;
    void WarnConstantWrite() override;
    void ReportInternalError(const QString& place, int number) override;

    // The console line an IN waits for: a single carriage return while it waits; the console
    // window replaces it with the typed line, or with the empty text when the run is ended.
    const QString& PendingInput() const { return pendingInput_; }
    void setPendingInput(const QString& text) { pendingInput_ = text; }
    // The number of texts OUT has written, and the last of them.
    std::uint64_t outputs() const { return outputs_; }
    const QString& lastOutput() const { return lastOutput_; }

private:
    bool consoleMode() const;
    bool autoMode() const;
    // The area and length addresses of the expansion at PR; false (error 402) when either lies
    // outside the user area.
    bool transferAddresses(std::int32_t& area, std::int32_t& length);
    QString waitForConsoleLine();
    StepResult storeText(const QString& text, std::int32_t area, std::int32_t length);
    QString outputText(std::int32_t area, std::int32_t count, StepResult& result) const;
    void showRegisters(bool hex);

    MachineState& m_;
    ErrorState& error_;
    VirtualFileDevice& device_;
    RunNotes& notes_;
    Host& host_;
    const RunMode& runMode_;
    QString pendingInput_;
    std::uint64_t outputs_ = 0;
    QString lastOutput_;
};

}  // namespace kv
