#pragma once
// The run panel Picture400 of the main window: the run buttons along the top; under them on the left
// the program's lines with their addresses (the line of the instruction just executed in yellow,
// breakpoints in red), on the right the two-tab control SSTab400, whose tab "レジスタ" shows PR, EA,
// FR, GR0-GR7 and the word at the effective address, and whose tab "メモリ" shows the top of the stack
// and five words of memory. Run control refreshes it through the host after runs and steps.
//
// The code is split by concern: RunPanel.cpp (building and the events), RunPanelTabs.cpp (the two
// tabs), RunPanelValues.cpp (registers, memory, stack), RunPanelLines.cpp (the program-line list and
// breakpoints), RunPanelLayout.cpp (the run-mode half of ArrangePanels and ApplyFontAndRows),
// RunPanelStepBack.cpp (the button "戻る") and RunPanelTips.cpp (the execution counts in the program
// lines' tool tips).

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "gui/FixedFont.h"
#include "gui/RunPanelCells.h"
#include "gui/Twips.h"
#include "host/ChangedValues.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace kv {

struct AssemblyState;
struct MachineState;
struct RunButtons;
class Host;
class InstructionCounts;

// The mark colours of the address cells (0xRRGGBB, as the listing lines keep them).
inline constexpr std::uint32_t kBreakpointColour = 0xFF0000;

class RunPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 51;  // rows 0 to 50 of the program-line list

    RunPanel(MachineState& machine, AssemblyState& assembly, Host& host, const FixedFont& font, Twips twips,
             QWidget* parent);

    // The run buttons Command4 0 to 5 call this with their index.
    std::function<void(int)> onCommand;
    // "戻る", beside "ステップ".
    std::function<void()> onStepBack;
    // Called with the address of the entry chosen in Combo460 (the area's start when none is), when
    // the list is filled and when the learner chooses an entry.
    std::function<void(int)> onMemoryAddressChosen;

    // Entering run mode: the label list of the memory view, the program-line scroll bar from line 1
    // and the list from line 1.
    void EnterRunMode();
    // The run-mode halves of ArrangePanels and ApplyFontAndRows (the panel already has its size).
    // The program-line list gets the room for its address column and the source columns up to
    // sourceColumns (label, instruction and operand); the tab control gives way first: its font
    // gets smaller, then it gets narrower than its pages, which then scroll.
    void Arrange();
    void ApplyFontAndRows(int fontSize, int sourceColumns);

    void ShowRegisters(int ea);
    void ShowMemoryWords(int firstAddress);
    void ShowStack(int firstAddress);
    void ShowProgramLines(int firstLine);
    void HighlightCurrentLine();
    // A click on address cell i of Label401.
    void ToggleBreakpoint(int row);
    void ClearAllBreakpoints();
    void SetRegisterBoxes(const bool used[8]);
    void SetRunButtons(const RunButtons& buttons);
    void SetStepBackEnabled(bool enabled);
    // The values the last instruction changed: the refreshes that follow show them in bold.
    void SetChangedValues(const ChangedValues& changed) { changed_ = changed; }
    // The execution counts that the program lines' tool tips show.
    void SetCounts(const InstructionCounts* counts) { counts_ = counts; }
    // The tool tip of program line n: its count when it holds an instruction, else empty.
    QString LineTip(int line) const;
    // The address (item data) of the entry chosen in Combo460; the area's start when none is.
    int SelectedMemoryAddress() const;

    int firstVisibleLine() const { return firstVisibleLine_; }
    int visibleRowLimit() const { return visibleRowLimit_; }
    int highlightedRow() const { return highlightedRow_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The wheel over the program-line list scrolls it.
    void wheelEvent(QWheelEvent* event) override;

private:
    struct RegisterTab {
        ValueCell* pr = nullptr;      // PR: the instruction just executed
        ValueCell* nextPr = nullptr;  // →PR: the instruction to execute next
        ValueCell* ea = nullptr;
        ValueCell* frBits = nullptr;
        ValueCell* frWord = nullptr;
        std::array<QCheckBox*, 8> boxes{};  // Check450
        std::array<QWidget*, 9> frames{};   // Frame450: GR0-GR7 and M(EA)
        std::array<WordCells, 9> rows;
    };
    struct MemoryTab {
        ValueCell* sp = nullptr;
        std::array<WordCells, 3> stack;
        QScrollBar* stackScroll = nullptr;  // VScroll462
        QComboBox* labels = nullptr;        // Combo460
        std::array<WordCells, 5> words;
        QScrollBar* wordScroll = nullptr;  // VScroll461
    };

    // RunPanel.cpp
    void buildLineList();
    void buildButtons();

    // RunPanelStepBack.cpp
    QPushButton* buildStepBackButton(QWidget* row);
    // RunPanelTips.cpp: the tool tip of a row of the program-line list.
    bool showLineTip(int row, QWidget* cell, QEvent* event);

    // RunPanelLayout.cpp
    // The run buttons in rows from the top left, as many to a row as the panel's width holds.
    void placeButtons();
    // The rows of the program-line list under the buttons, as many as fit.
    void placeRows();
    // The tab control right, the list's scroll bar and the cover panel left of it.
    void placeTabs();
    // The tab control's font: the largest from the pane's size down to the smallest that lets the
    // tab control show its pages whole in the width; the smallest when none does.
    void chooseTabFont(int width);
    QSize tabSizeAt(int pointSize);
    void applyTabFont(int pointSize);

    // RunPanelTabs.cpp
    QWidget* buildRegisterTab();
    QWidget* buildMemoryTab();

    // RunPanelLines.cpp
    int lineCount() const;
    void paintCell(QLabel* cell, std::uint32_t colour);
    static std::uint32_t colourOf(const QLabel* cell);

    MachineState& machine_;
    AssemblyState& assembly_;
    Host& host_;
    FixedFont font_;
    Twips twips_;

    std::array<QLabel*, kRows> addressCells_{};  // Label401
    std::array<QLabel*, kRows> sourceCells_{};   // Label402
    QLabel* measure_ = nullptr;                  // Label490
    QScrollBar* lineScroll_ = nullptr;           // VScroll400
    QWidget* cover_ = nullptr;                   // Picture410
    QWidget* buttons_ = nullptr;                 // the row of Command4
    std::array<QPushButton*, 6> commands_{};
    QPushButton* stepBack_ = nullptr;  // "戻る"
    QTabWidget* tabs_ = nullptr;  // SSTab400
    RegisterTab registers_;
    MemoryTab memory_;

    int fontSize_ = 0;                // points of the list (the pane font size)
    int sourceColumns_ = 40;          // columns of the source the list makes room for
    int listTop_ = 0;                 // pixels: row 0 of the list, under the buttons
    int tabPixels_ = 0;               // pixel size of the tab control's font
    std::map<int, QSize> tabSizes_;   // the tab control's whole size by the pixel size of its font

    int firstVisibleLine_ = 1;
    int visibleRowLimit_ = kRows - 1;
    int highlightedRow_ = 0;
    ChangedValues changed_;
    const InstructionCounts* counts_ = nullptr;
};

}  // namespace kv
