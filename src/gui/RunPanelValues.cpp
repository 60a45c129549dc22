// The register tab, the memory words and the stack, refreshed from the machine state. The values the
// last instruction changed are shown in bold.

#include <QComboBox>
#include <QScrollBar>
#include <QSignalBlocker>

#include "machine/MachineState.h"
#include "host/Host.h"
#include "simulator/WordDisplay.h"
#include "gui/RunPanel.h"

namespace kv {

void RunPanel::ShowRegisters(int ea) {
    const MachineState& m = machine_;
    RegisterTab& r = registers_;
    r.pr->setText(FormatHexWord(m.PR));
    r.nextPr->setText(FormatHexWord(m.nextPR));
    r.ea->setText(ea < 0 ? QString() : FormatHexWord(ea));
    const QString fr = m.FR();
    r.frBits->setText(fr);
    r.frWord->setText(FormatFlagWord(fr, host_));
    r.frBits->setBold(changed_.flags);
    r.frWord->setBold(changed_.flags);
    for (int i = 0; i < 8; ++i) {
        r.rows[i].show(m.GR[i], host_);
        r.rows[i].setBold(changed_.registers[i]);
    }
    WordCells& atEA = r.rows[8];
    if (ea < 0)
        atEA.clear();
    else if (!m.inArea(ea))
        atEA.showUnknown();
    else
        atEA.show(m.word(ea), host_);
    atEA.setBold(ea >= 0 && changed_.word(ea));
}

void RunPanel::ShowMemoryWords(int firstAddress) {
    const MachineState& m = machine_;
    for (int i = 0; i < int(memory_.words.size()); ++i) {
        const std::int32_t a = firstAddress + i;
        if (m.inArea(a))
            memory_.words[i].show(a, m.word(a), host_);
        else
            memory_.words[i].clear();
        memory_.words[i].setBold(changed_.word(a));
    }
    const QSignalBlocker quiet(memory_.wordScroll);
    memory_.wordScroll->setValue(firstAddress - m.userStart);
}

// The stack view scrolls from SP up to the stack-bottom word just above the area.
void RunPanel::ShowStack(int firstAddress) {
    const MachineState& m = machine_;
    memory_.sp->setText(FormatHexWord(m.SP));
    memory_.sp->setBold(changed_.stackPointer);
    for (int i = 0; i < int(memory_.stack.size()); ++i) {
        const std::int32_t a = firstAddress + i;
        if (a <= m.userEnd + 1 && m.holds(a))
            memory_.stack[i].show(a, m.word(a), host_);
        else
            memory_.stack[i].clear();
        memory_.stack[i].setBold(changed_.word(a));
    }
    const QSignalBlocker quiet(memory_.stackScroll);
    memory_.stackScroll->setRange(m.SP - m.userStart, (m.userEnd - m.userStart) + 2);
    memory_.stackScroll->setValue(firstAddress - m.userStart);
}

}  // namespace kv
