#pragma once
// The steps of a stepped run that "戻る" can take back. Around each instruction of Start, Step and
// Auto the history takes the machine as it is before the instruction (registers, flags, PR, SP, EA,
// nextPR, the memory words and their kinds, the record reader of the virtual file device) and keeps
// only what the instruction changed: the registers before it, and the old values of the words it
// wrote. Taking a step back puts all of it back. Run and Trace record nothing.
//
// The history keeps the newest steps: at most a million, in at most 64 MiB; the oldest fall away.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>

#include "filedevice/VirtualFileDevice.h"
#include "host/ChangedValues.h"
#include "machine/MachineState.h"

namespace kv {

class StepHistory {
public:
    static constexpr std::size_t kMaxSteps = 1'000'000;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    explicit StepHistory(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes)
        : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

    // Where the learner stands when no step can be taken back: the panels show shownPR as the
    // instruction executed last; at the start of a run (runStart) nothing has been executed yet.
    struct Stop {
        std::int32_t shownPR = 0;
        bool runStart = true;
        // The step taken back wrote this text with OUT (outputTakenBack).
        bool outputTakenBack = false;
        QString output;
    };

    // Forgets every step; the learner stands at the given place in the machine's area.
    void Restart(std::int32_t shownPR, bool runStart, std::int32_t userStart);

    // Around one instruction: Before takes the machine as it is; After records what the
    // instruction changed, with the text it wrote when it was an OUT (null otherwise).
    void Before(const MachineState& m, const VirtualFileDevice& device);
    void After(const MachineState& m, const QString* output);

    // A step can be taken back: one is recorded, and the area has not moved since.
    bool CanStepBack(const MachineState& m) const { return !steps_.empty() && m.userStart == userStart_; }
    // Puts the machine and the record reader back as they were before the newest step, which is
    // forgotten. Returns where the learner stands then.
    Stop StepBack(MachineState& m, VirtualFileDevice& device);

    // What the newest step changed, compared with the machine now (nothing when none is recorded).
    ChangedValues LastChanges(const MachineState& now) const;

    std::size_t steps() const { return steps_.size(); }
    // The memory the recorded steps take.
    std::size_t bytes() const { return bytes_; }

private:
    // A general register's slot in the change log; slots below are memory indexes.
    static constexpr std::uint16_t kRegisterSlot = 0x8000;

    // The machine before one instruction, without the words it did not change.
    struct Step {
        std::int32_t PR, nextPR, EA, SP;
        VirtualFileDevice::ReaderPosition reader;
        std::uint32_t changes;  // entries of the change log that belong to this step
        char OF, SF, ZF;
        bool wroteOutput;  // one text of outputs_ belongs to this step
    };
    // A register or memory word before the instruction changed it (with its word kind).
    struct Change {
        std::uint16_t slot;
        std::uint16_t kind;
        std::int32_t value;
    };

    void dropOldest();
    static std::size_t textBytes(const QString& text) {
        return sizeof(QString) + 2 * std::size_t(text.size());
    }

    std::size_t maxSteps_, maxBytes_;
    std::int32_t userStart_ = 0;
    // Where the learner stands with no step left to take back.
    std::int32_t baseShownPR_ = 0;
    bool baseRunStart_ = true;
    std::deque<Step> steps_;
    std::deque<Change> changes_;
    std::deque<QString> outputs_;
    std::size_t bytes_ = 0;

    // The machine as Before found it.
    Step pending_{};
    std::array<std::int32_t, 8> registers_{};
    std::array<std::int32_t, MachineState::kWords> memory_{};
    std::array<std::uint16_t, MachineState::kWords> kinds_{};
};

}  // namespace kv
