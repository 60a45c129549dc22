#pragma once
// The cells of the run panel's tabs: framed white labels that show one value each, and the row of
// the five notations of a machine word (hexadecimal, signed and unsigned decimal, character and
// binary), with an address cell in front of it on the memory tab.

#include <QLabel>
#include <QString>
#include <array>
#include <cstdint>

class QHBoxLayout;

namespace kv {

class Host;

// A value cell. Its width is that of its design text in the cell's font, so that a value of any
// length fits and the rows line up.
class ValueCell : public QLabel {
    Q_OBJECT

public:
    ValueCell(const QString& name, const QString& designText, const QString& tip, QWidget* parent);
    // Re-measures the width after the font changed.
    void fitToDesign();
    // A value the last instruction changed shows in bold; the cell keeps its size.
    void setBold(bool bold);

private:
    QString design_;
};

// The five cells of one value row and, on the memory tab, its address cell.
class WordCells {
public:
    WordCells() = default;
    // Adds the cells to a row layout; names are prefix + "_Hex", "_Signed", "_Unsigned", "_Char",
    // "_Binary" (and "_Address").
    WordCells(QHBoxLayout* row, QWidget* parent, const QString& prefix, bool withAddress);

    // The five notations of a word.
    void show(std::int32_t value, Host& host);
    // The address cell (four hexadecimal digits) and the word.
    void show(std::int32_t address, std::int32_t value, Host& host);
    // The word at an address outside the memory area: question marks.
    void showUnknown();
    void clear();
    // The five notations in bold (the address cell stays as it is).
    void setBold(bool bold);

    ValueCell* address() const { return address_; }
    const std::array<ValueCell*, 5>& cells() const { return cells_; }

private:
    ValueCell* address_ = nullptr;
    std::array<ValueCell*, 5> cells_{};
};

}  // namespace kv
