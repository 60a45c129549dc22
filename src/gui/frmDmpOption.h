#pragma once
// The advanced dump's options window frmDmpOption, caption "高機能メモリダンプのオプション": the
// start address (typed, or taken from the label list), one of three layouts (radix, two-dimensional
// array, bit dump) with its parameters, and OK, which checks them and writes the dump into the
// console. The chosen layout's option button is yellow and only its frame can be used. After a dump
// the window is hidden with its entries kept, so the next dump starts from the same choices;
// "キャンセル" (or the close box) ends it, and its owner starts the next one from the defaults.

#include <QDialog>
#include <QVector>
#include <array>

#include "assembler/AssemblyState.h"
#include "dump/DumpEntries.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace kv {

class Host;
struct MachineState;

class frmDmpOption : public QDialog {
    Q_OBJECT

  public:
    frmDmpOption(const MachineState& machine, Host& host, QWidget* parent = nullptr);

    // Combo1: a copy of the main window's label list, each entry with its address. The typed
    // address is kept.
    void SetLabels(const QVector<NamedAddress>& labels);
    // The controls as entries, and back.
    DumpEntries entries() const;
    void setEntries(const DumpEntries& entries);
    // A click on Option1: the layout's button turns yellow, its frame alone is enabled.
    void ChooseLayout(DumpLayout layout);

  private:
    void buildControls();
    QGroupBox* buildRadixFrame();
    QGroupBox* buildArrayFrame();
    QGroupBox* buildBitFrame();
    void Combo1_Click(int index);
    void OKButton_Click();

    const MachineState& machine_;
    Host& host_;

    QLineEdit* text1_ = nullptr;              // start address
    QComboBox* combo1_ = nullptr;             // label list
    std::array<QRadioButton*, 3> option1_{};  // layouts
    std::array<QGroupBox*, 3> frames_{};      // Frame1, Frame2, Frame3
    QLineEdit* text2_ = nullptr;              // radix: words
    std::array<QCheckBox*, 5> check1_{};      // radix: columns
    QLineEdit* text3_ = nullptr;              // array: words per line
    QLineEdit* text4_ = nullptr;              // array: lines
    std::array<QRadioButton*, 4> option2_{};  // array: notation
    QLineEdit* text5_ = nullptr;              // bits: words per line
    QLineEdit* text6_ = nullptr;              // bits: lines
    std::array<QRadioButton*, 2> option3_{};  // bits: style
};

}  // namespace kv
