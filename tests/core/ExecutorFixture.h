#pragma once
// One machine with its executor, a recording stand-in for the supervisor calls and helpers that
// load machine words and step like run control does.

#include <gtest/gtest.h>

#include <QString>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/Executor.h"

namespace kv::testing {

// Counts the IN, OUT and SVC hand-overs and answers them with the results a test sets; keeps what
// the error state held at each constant-area warning.
class RecordingCalls : public SupervisorCalls {
  public:
    RecordingCalls(const MachineState& machine, const ErrorState& error) : machine_(machine), error_(error) {}

    StepResult inResult = 0, outResult = 0, svcResult = 0;
    int ins = 0, outs = 0;
    std::vector<std::int32_t> svcNumbers;  // EA at each SVC
    std::vector<ErrorState> warnings;
    std::vector<std::pair<QString, int>> internalErrors;

    StepResult PerformIn() override {
        ++ins;
        return inResult;
    }
    StepResult PerformOut() override {
        ++outs;
        return outResult;
    }
    StepResult PerformSvc() override {
        svcNumbers.push_back(machine_.EA);
        return svcResult;
    }
    void WarnConstantWrite() override { warnings.push_back(error_); }
    void ReportInternalError(const QString& place, int number) override {
        internalErrors.emplace_back(place, number);
    }

  private:
    const MachineState& machine_;
    const ErrorState& error_;
};

class ExecutorTest : public ::testing::Test {
  protected:
    ExecutorTest() { machine.ResetForRun(); }

    // Writes the words from the address upward, each of the given kind.
    void put(std::int32_t address, std::initializer_list<std::int32_t> words,
             std::uint16_t wordKind = kind::Instruction) {
        for (const std::int32_t w : words) {
            machine.word(address) = w;
            machine.wordKinds[address - machine.userStart] = wordKind;
            ++address;
        }
    }
    void setKind(std::int32_t address, std::uint16_t wordKind) {
        machine.wordKinds[address - machine.userStart] = wordKind;
    }
    void setFlags(char of, char sf, char zf) {
        machine.OF = of;
        machine.SF = sf;
        machine.ZF = zf;
    }
    StepResult step(std::int32_t pr) {
        machine.PR = pr;
        return executor.ExecuteOne();
    }
    // Steps from PR as run control does until a step does not return 0 or the limit is reached.
    StepResult run(int limit, int* steps = nullptr) {
        StepResult result = 0;
        int n = 0;
        while (n < limit) {
            result = executor.ExecuteOne();
            ++n;
            if (result != 0) break;
            machine.PR = machine.nextPR;
        }
        if (steps) *steps = n;
        return result;
    }
    std::string fr() const { return machine.FR().toStdString(); }

    MachineState machine;
    ErrorState error;
    Settings settings;
    RecordingHost host;
    AssemblyState assembly;
    RunNotes notes{host, machine, assembly};
    RecordingCalls calls{machine, error};
    Executor executor{machine, error, settings, notes, calls};
};

}  // namespace kv::testing
