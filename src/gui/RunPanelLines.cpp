// The program-line list: the lines from the first visible one, the highlighted line of the
// instruction just executed, and the breakpoints set by a click on an address cell.

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "gui/RunPanel.h"

namespace kv {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0xFFFF00;

// " 8000:" for a line that occupies memory, "     :" for one that does not.
QString AddressText(const ListingLine& line) {
    if (line.address < 0) return QStringLiteral("     :");
    return QLatin1Char(' ') + HexWord(line.address) + QLatin1Char(':');
}

}  // namespace

int RunPanel::lineCount() const {
    return int(assembly_.listing.size());
}

void RunPanel::paintCell(QLabel* cell, std::uint32_t colour) {
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    cell->setPalette(palette);
}

std::uint32_t RunPanel::colourOf(const QLabel* cell) {
    return cell->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
}

void RunPanel::EnterRunMode() {
    QComboBox* labels = memory_.labels;
    labels->clear();
    for (const NamedAddress& entry : assembly_.labelList) labels->addItem(entry.name, entry.address);
    tabSizes_.clear();  // the label list is as wide as its longest entry
    if (onMemoryAddressChosen) onMemoryAddressChosen(SelectedMemoryAddress());
    const QSignalBlocker quiet(lineScroll_);
    lineScroll_->setRange(1, std::max(1, lineCount() - 1));
    lineScroll_->setValue(1);
    ShowProgramLines(1);
}

void RunPanel::ShowProgramLines(int first) {
    paintCell(sourceCells_[highlightedRow_], kWhite);
    const int n = lineCount();
    if (n < first) {
        first = n - 1;
        if (n - 2 < 0) first = 1;
    }
    firstVisibleLine_ = first;
    {
        const QSignalBlocker quiet(lineScroll_);
        lineScroll_->setValue(first);
    }
    const int last = std::min(first + visibleRowLimit_ - 1, n);
    for (int i = 0; i <= visibleRowLimit_; ++i) {
        const int line = first + i;
        if (line > last) {
            addressCells_[i]->clear();
            sourceCells_[i]->clear();
            paintCell(addressCells_[i], kWhite);
            continue;
        }
        const ListingLine& listed = assembly_.line(line);
        paintCell(addressCells_[i], listed.colour);
        addressCells_[i]->setText(AddressText(listed));
        sourceCells_[i]->setText(listed.text);
    }
}

void RunPanel::HighlightCurrentLine() {
    paintCell(sourceCells_[highlightedRow_], kWhite);
    const QString key = QLatin1Char(' ') + HexWord(machine_.PR) + QLatin1Char(':');
    for (int i = 0; i <= visibleRowLimit_; ++i)
        if (addressCells_[i]->text() == key) {
            paintCell(sourceCells_[i], kYellow);
            highlightedRow_ = i;
            return;
        }
    for (int line = 1; line <= lineCount(); ++line)
        if (AddressText(assembly_.line(line)) == key) {
            ShowProgramLines(line);
            paintCell(sourceCells_[0], kYellow);
            highlightedRow_ = 0;
            return;
        }
}

// Lines without an address (and the generated heading of a literal pool) cannot take a breakpoint.
void RunPanel::ToggleBreakpoint(int row) {
    const int line = firstVisibleLine_ + row;
    if (line < 1 || line > lineCount()) return;
    ListingLine& listed = assembly_.listing[line - 1];
    const int d = listed.address - machine_.userStart;
    if (listed.address < 0 || d < 0 || d > MachineState::kAreaWords || listed.colour == kLiteralHeadingColour)
        return;
    if (listed.colour == kBreakpointColour) {
        listed.colour = kWhite;
        machine_.setBreakpoint(listed.address, false);
    } else {
        listed.colour = kBreakpointColour;
        machine_.setBreakpoint(listed.address, true);
    }
    paintCell(addressCells_[row], listed.colour);
}

void RunPanel::ClearAllBreakpoints() {
    for (ListingLine& listed : assembly_.listing)
        if (listed.colour != kLiteralHeadingColour) listed.colour = kWhite;
    for (int i = 0; i <= visibleRowLimit_; ++i)
        if (colourOf(addressCells_[i]) != kLiteralHeadingColour) paintCell(addressCells_[i], kWhite);
    machine_.clearBreakpoints();
}

}  // namespace kv
