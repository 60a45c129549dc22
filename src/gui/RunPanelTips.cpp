// The tool tips of the program-line list: how often the line's instruction was executed in the
// current run.

#include <QHelpEvent>
#include <QToolTip>

#include "assembler/AssemblyState.h"
#include "gui/RunPanel.h"
#include "machine/MachineState.h"
#include "simulator/InstructionCounts.h"

namespace kv {

namespace {

// The first word of an instruction, or of an IN, OUT, RPUSH or RPOP expansion.
bool HoldsInstruction(std::uint16_t wordKind) {
    const std::uint16_t k = wordKind & 0x0F;
    return k == kind::Instruction || (k >= kind::In && k <= kind::RPop);
}

}  // namespace

QString RunPanel::LineTip(int line) const {
    if (!counts_ || line < 1 || line > lineCount()) return QString();
    const std::int32_t address = assembly_.line(line).address;
    if (!machine_.inArea(address)) return QString();
    const std::uint64_t count = counts_->at(address);
    if (count == 0 && !HoldsInstruction(machine_.kindAt(address))) return QString();
    return QStringLiteral("実行回数：%1回").arg(count);
}

// Rows past the last line shown stay without a tip.
bool RunPanel::showLineTip(int row, QWidget* cell, QEvent* event) {
    const QString tip = row < visibleRowLimit_ ? LineTip(firstVisibleLine_ + row) : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, cell);
    }
    return true;
}

}  // namespace kv
