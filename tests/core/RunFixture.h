#pragma once
// Run control on a recording host, with helpers that place machine words by hand as the assembler
// writes them: instructions of kind 15, constants of kind 14, and the IN and OUT expansions whose
// first word has kind 1 or 2.

#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>
#include <memory>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/RunControl.h"
#include "simulator/Trace.h"

namespace kv::testing {

class RunFixture : public ::testing::Test {
protected:
    Settings settings;
    MachineState machine;
    AssemblyState assembly;
    ErrorState error;
    TraceOptions trace;
    VirtualFileDevice device;
    RecordingHost host;
    RunNotes notes{host, machine, assembly};
    RunControl run{machine, assembly, error, settings, trace, device, notes, host};

    RunFixture() { machine.ResetForRunMode(); }

    void put(std::int32_t address, std::initializer_list<std::int32_t> words,
             std::uint16_t wordKind = kind::Instruction) {
        for (const std::int32_t w : words) {
            machine.word(address) = w;
            machine.wordKinds[address - machine.userStart] = wordKind;
            ++address;
        }
    }

    void breakpointAt(std::int32_t address) { machine.wordKinds[address - machine.userStart] |= kind::Breakpoint; }

    // The 12 words of IN adr,len (first word of kind 1) or OUT adr,len (kind 2) at address.
    void putTransfer(std::int32_t address, std::uint16_t firstKind, std::int32_t area, std::int32_t length) {
        const std::int32_t svc = firstKind == kind::In ? 1 : 2;
        put(address, {0x7001, 0x0000, 0x7002, 0x0000, 0x1210, area, 0x1220, length, 0xF000, svc, 0x7120, 0x7110});
        machine.wordKinds[address - machine.userStart] = firstKind;
    }

    // The console lines an IN waits for, delivered one per wait as the console window's Enter does.
    void typeLines(const QStringList& lines) {
        auto queue = std::make_shared<QStringList>(lines);
        host.onWait = [this, queue] {
            if (queue->isEmpty()) {
                ADD_FAILURE() << "IN waited for more lines than were typed";
                run.ConsoleClosed();
                return;
            }
            run.DeliverConsoleLine(queue->takeFirst());
        };
    }

    std::int32_t at(std::int32_t address) const { return machine.word(address); }
};

}  // namespace kv::testing
