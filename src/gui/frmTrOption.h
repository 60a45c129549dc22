#pragma once
// The trace options window frmTrOption, caption "トレースオプション": which columns a trace record
// has (next address, effective address and its contents, the flag register in two forms, chosen
// registers in chosen notations, up to ten memory words, the stack pointer and the top stack words,
// the program line and its F-notation) and whether the window shows before each trace. Loading fills
// the controls from the options; "OK" checks the memory addresses and stores every control;
// "キャンセル" stores nothing and refuses the trace; the close box stores nothing but lets the trace
// start with the old options.

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kv {

struct MachineState;
struct TraceOptions;
class Host;

class frmTrOption : public QDialog {
    Q_OBJECT

public:
    // Boxes about wrong addresses go through the host.
    frmTrOption(TraceOptions& options, const MachineState& machine, Host& host, QWidget* parent = nullptr);

    // True after "OK" and after the close box; false after "キャンセル".
    bool TraceOptionsAccepted() const { return accepted_; }

private:
    void buildControls();
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    TraceOptions& options_;
    const MachineState& machine_;
    Host& host_;
    bool accepted_ = true;

    QCheckBox* checkPR_ = nullptr;
    QCheckBox* checkEA_ = nullptr;
    QCheckBox* checkMEA_ = nullptr;
    QCheckBox* checkFR3_ = nullptr;
    QCheckBox* checkFRN_ = nullptr;
    std::array<QCheckBox*, 8> check1_{};
    std::array<QComboBox*, 8> combo1_{};
    QLineEdit* textADR_ = nullptr;
    QComboBox* comboADR_ = nullptr;
    QCheckBox* checkSP_ = nullptr;
    QCheckBox* checkMSP_ = nullptr;
    QComboBox* comboSP_ = nullptr;
    QCheckBox* checkPROG_ = nullptr;
    QCheckBox* checkFK_ = nullptr;
    QCheckBox* checkFlg_ = nullptr;
};

}  // namespace kv
