#include "gui/frmDmpOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "dump/AdvancedDump.h"
#include "host/Host.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"

namespace kv {

namespace {

const QColor kChosen(255, 255, 0);

}  // namespace

frmDmpOption::frmDmpOption(const MachineState& machine, Host& host, QWidget* parent)
    : QDialog(parent), machine_(machine), host_(host) {
    setObjectName(QStringLiteral("frmDmpOption"));
    setWindowTitle(QStringLiteral("高機能メモリダンプのオプション"));
    buildControls();
    setEntries(DefaultDumpEntries(machine_));
}

void frmDmpOption::SetLabels(const QVector<NamedAddress>& labels) {
    combo1_->clear();
    for (const NamedAddress& entry : labels) combo1_->addItem(entry.name, entry.address);
    combo1_->setCurrentIndex(labels.isEmpty() ? -1 : 0);
}

// Choosing a label writes its address into the start address, which the dump starts at.
void frmDmpOption::Combo1_Click(int index) {
    if (index >= 0) text1_->setText(FormatHexWord(combo1_->itemData(index).toInt()));
}

void frmDmpOption::ChooseLayout(DumpLayout layout) {
    for (int i = 0; i < 3; ++i) {
        const bool chosen = i == int(layout);
        option1_[i]->setChecked(chosen);
        QPalette palette = option1_[i]->parentWidget()->palette();
        if (chosen) palette.setColor(QPalette::Window, kChosen);
        option1_[i]->setPalette(palette);
        frames_[i]->setEnabled(chosen);
    }
}

DumpEntries frmDmpOption::entries() const {
    DumpEntries e;
    e.address = text1_->text();
    for (int i = 0; i < 3; ++i)
        if (option1_[i]->isChecked()) e.layout = DumpLayout(i);
    e.count = text2_->text();
    for (int i = 0; i < 5; ++i) e.columns[i] = check1_[i]->isChecked();
    e.arrayWidth = text3_->text();
    e.arrayLines = text4_->text();
    for (int i = 0; i < 4; ++i)
        if (option2_[i]->isChecked()) e.notation = ArrayNotation(i);
    e.bitWidth = text5_->text();
    e.bitLines = text6_->text();
    e.style = option3_[1]->isChecked() ? BitStyle::Squares : BitStyle::Digits;
    return e;
}

void frmDmpOption::setEntries(const DumpEntries& e) {
    text1_->setText(e.address);
    text2_->setText(e.count);
    for (int i = 0; i < 5; ++i) check1_[i]->setChecked(e.columns[i]);
    text3_->setText(e.arrayWidth);
    text4_->setText(e.arrayLines);
    option2_[int(e.notation)]->setChecked(true);
    text5_->setText(e.bitWidth);
    text6_->setText(e.bitLines);
    option3_[int(e.style)]->setChecked(true);
    ChooseLayout(e.layout);
}

// OK: a wrong entry shows its box and keeps the window open with the entries as typed.
void frmDmpOption::OKButton_Click() {
    const DumpCheck check = CheckDumpEntries(entries(), machine_);
    if (!check.ok) {
        host_.messageBox(check.text, check.title, BoxIcon::Exclamation);
        return;
    }
    WriteDump(host_, machine_, check.request);
    accept();
}

}  // namespace kv
