#include "simulator/StepHistory.h"

namespace kv {

void StepHistory::Restart(std::int32_t shownPR, bool runStart, std::int32_t userStart) {
    steps_.clear();
    changes_.clear();
    outputs_.clear();
    bytes_ = 0;
    baseShownPR_ = shownPR;
    baseRunStart_ = runStart;
    userStart_ = userStart;
}

void StepHistory::Before(const MachineState& m, const VirtualFileDevice& device) {
    pending_ = Step{m.PR, m.nextPR, m.EA, m.SP, device.readerPosition(), 0, m.OF, m.SF, m.ZF, false};
    registers_ = m.GR;
    memory_ = m.memory;
    kinds_ = m.wordKinds;
}

// Compares the machine with the copy Before took; a word counts as changed when its value or its
// kind differs.
void StepHistory::After(const MachineState& m, const QString* output) {
    Step step = pending_;
    const std::size_t logged = changes_.size();
    for (int i = 0; i < 8; ++i)
        if (m.GR[i] != registers_[i])
            changes_.push_back({std::uint16_t(kRegisterSlot + i), 0, registers_[i]});
    for (int d = 0; d < MachineState::kWords; ++d)
        if (m.memory[d] != memory_[d] || m.wordKinds[d] != kinds_[d])
            changes_.push_back({std::uint16_t(d), kinds_[d], memory_[d]});
    step.changes = std::uint32_t(changes_.size() - logged);
    bytes_ += sizeof(Step) + step.changes * sizeof(Change);
    if (output) {
        step.wroteOutput = true;
        outputs_.push_back(*output);
        bytes_ += textBytes(*output);
    }
    steps_.push_back(step);
    while (!steps_.empty() && (steps_.size() > maxSteps_ || bytes_ > maxBytes_)) dropOldest();
}

void StepHistory::dropOldest() {
    const Step& oldest = steps_.front();
    changes_.erase(changes_.begin(), changes_.begin() + oldest.changes);
    bytes_ -= sizeof(Step) + oldest.changes * sizeof(Change);
    if (oldest.wroteOutput) {
        bytes_ -= textBytes(outputs_.front());
        outputs_.pop_front();
    }
    // The panels then show the dropped instruction as the one executed last.
    baseShownPR_ = oldest.PR;
    baseRunStart_ = false;
    steps_.pop_front();
}

StepHistory::Stop StepHistory::StepBack(MachineState& m, VirtualFileDevice& device) {
    Stop stop;
    if (steps_.empty()) return stop;
    const Step step = steps_.back();
    steps_.pop_back();
    for (std::uint32_t i = 0; i < step.changes; ++i) {
        const Change c = changes_.back();
        changes_.pop_back();
        if (c.slot >= kRegisterSlot) {
            m.GR[c.slot - kRegisterSlot] = c.value;
        } else {
            m.memory[c.slot] = c.value;
            m.wordKinds[c.slot] = c.kind;
        }
    }
    bytes_ -= sizeof(Step) + step.changes * sizeof(Change);
    m.PR = step.PR;
    m.nextPR = step.nextPR;
    m.EA = step.EA;
    m.SP = step.SP;
    m.OF = step.OF;
    m.SF = step.SF;
    m.ZF = step.ZF;
    device.RestoreReader(step.reader);
    if (step.wroteOutput) {
        stop.outputTakenBack = true;
        stop.output = outputs_.back();
        bytes_ -= textBytes(stop.output);
        outputs_.pop_back();
    }
    stop.shownPR = steps_.empty() ? baseShownPR_ : steps_.back().PR;
    stop.runStart = steps_.empty() && baseRunStart_;
    return stop;
}

ChangedValues StepHistory::LastChanges(const MachineState& now) const {
    ChangedValues changed;
    if (steps_.empty()) return changed;
    const Step& step = steps_.back();
    changed.flags = step.OF != now.OF || step.SF != now.SF || step.ZF != now.ZF;
    changed.stackPointer = step.SP != now.SP;
    for (auto c = changes_.end() - step.changes; c != changes_.end(); ++c) {
        if (c->slot >= kRegisterSlot)
            changed.registers[c->slot - kRegisterSlot] = true;
        else if (now.memory[c->slot] != c->value)
            changed.addresses.push_back(now.userStart + c->slot);
    }
    return changed;
}

}  // namespace kv
