#pragma once
// The memory dump window frmDump, caption "メモリダンプ": the user area in two panels side by side,
// on the left one word per row in five notations, on the right eight words per row in hexadecimal
// with their characters. Each panel shows 16 rows and scrolls on its own (VScroll1, VScroll2) over
// the whole area. Memory is read only when a panel is drawn; "閉じる" closes the window.

#include <QDialog>
#include <array>

#include "dump/DumpPanels.h"

class QLabel;
class QScrollBar;

namespace kv {

class FixedFont;
struct MachineState;

class frmDump : public QDialog {
    Q_OBJECT

  public:
    frmDump(const MachineState& machine, const FixedFont& font, QWidget* parent = nullptr);

    // Draws the left panel from an address and sets VScroll1 to it.
    void ShowWords(int firstAddress);
    // Draws the right panel from an address (rounded down to a multiple of 8) and sets VScroll2.
    void ShowLines(int firstAddress);

    // The text of a cell: left panel columns 0 to 5 (address, binary, signed, unsigned, hex,
    // character), right panel columns 0 to 2 (address, words, characters).
    QString wordCell(int row, int column) const;
    QString lineCell(int row, int column) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildWordPanel(const FixedFont& font);
    QWidget* buildLinePanel(const FixedFont& font);

    const MachineState& machine_;
    std::array<std::array<QLabel*, 6>, kDumpRows> wordCells_{};
    std::array<std::array<QLabel*, 3>, kDumpRows> lineCells_{};
    QScrollBar* vScroll1_ = nullptr;
    QScrollBar* vScroll2_ = nullptr;
    QWidget* wordPanel_ = nullptr;
    QWidget* linePanel_ = nullptr;
};

}  // namespace kv
