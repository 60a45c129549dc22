#include "gui/frmDmpOption.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dump/AdvancedDump.h"
#include "host/Host.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"

namespace kv {

namespace {

const QColor kChosen(255, 255, 0);
const QString kAddressTip =
    QStringLiteral("入力したアドレスからダンプします。ラベルを選ぶと、そのアドレスが入ります。");

QLineEdit* Field(QWidget* parent, const QString& name, int width = 60) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

QRadioButton* Choice(QWidget* parent, const QString& name, const QString& caption, QButtonGroup* group) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setAutoFillBackground(true);
    button->setBackgroundRole(QPalette::Window);
    group->addButton(button);
    return button;
}

// A field with its caption before it and its hint after it, on one row of a grid.
void FieldRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* field, const QString& hint) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(hint, parent), row, 2);
}

}  // namespace

frmDmpOption::frmDmpOption(const MachineState& machine, Host& host, QWidget* parent)
    : QDialog(parent), machine_(machine), host_(host) {
    setObjectName(QStringLiteral("frmDmpOption"));
    setWindowTitle(QStringLiteral("高機能メモリダンプのオプション"));
    buildControls();
    setEntries(DefaultDumpEntries(machine_));
}

void frmDmpOption::buildControls() {
    auto* outer = new QVBoxLayout(this);
    auto* address = new QGridLayout;
    address->addWidget(new QLabel(QStringLiteral("先頭アドレス"), this), 0, 0);
    text1_ = Field(this, QStringLiteral("Text1"), 80);
    text1_->setToolTip(kAddressTip);
    address->addWidget(text1_, 0, 1);
    address->addWidget(new QLabel(QStringLiteral("(#hhhh　16進数４けたで指定）"), this), 0, 2);
    address->addWidget(new QLabel(QStringLiteral("ラベル"), this), 1, 0);
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setToolTip(kAddressTip);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    address->addWidget(combo1_, 1, 1, 1, 2, Qt::AlignLeft);
    outer->addLayout(address);
    connect(combo1_, &QComboBox::activated, this, [this](int index) { Combo1_Click(index); });

    auto* layouts = new QButtonGroup(this);
    const QStringList captions{QStringLiteral("基数ダンプ"), QStringLiteral("２次元配列ダンプ"),
                               QStringLiteral("ビットダンプ")};
    frames_ = {buildRadixFrame(), buildArrayFrame(), buildBitFrame()};
    for (int i = 0; i < 3; ++i) {
        option1_[i] = Choice(this, QStringLiteral("Option1_%1").arg(i), captions[i], layouts);
        outer->addWidget(option1_[i], 0, Qt::AlignLeft);
        outer->addWidget(frames_[i]);
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { ChooseLayout(DumpLayout(i)); });
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("OKを押すとコンソールに出力されます。"), this));
    bottom->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    outer->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QGroupBox* frmDmpOption::buildRadixFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    text2_ = Field(frame, QStringLiteral("Text2"));
    FieldRow(grid, 0, QStringLiteral("語数"), text2_, QStringLiteral("(10進数で指定。256語以内）"));
    auto* columns = new QHBoxLayout;
    const QStringList captions{QStringLiteral("２進数"), QStringLiteral("算術10進数"),
                               QStringLiteral("論理10進数"), QStringLiteral("16進数"),
                               QStringLiteral("文字")};
    for (int i = 0; i < 5; ++i) {
        check1_[i] = new QCheckBox(captions[i], frame);
        check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        columns->addWidget(check1_[i]);
    }
    columns->addStretch();
    grid->addLayout(columns, 1, 0, 1, 3);
    return frame;
}

QGroupBox* frmDmpOption::buildArrayFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(frame);
    text3_ = Field(frame, QStringLiteral("Text3"));
    text4_ = Field(frame, QStringLiteral("Text4"));
    FieldRow(grid, 0, QStringLiteral("１行の語数"), text3_, QStringLiteral("(10進数で指定。20語以内）"));
    FieldRow(grid, 1, QStringLiteral("行数"), text4_, QStringLiteral("(10進数で指定。50行以内）"));
    auto* notations = new QButtonGroup(frame);
    auto* row = new QHBoxLayout;
    const QStringList captions{QStringLiteral("算術10進数"), QStringLiteral("論理10進数"),
                               QStringLiteral("16進数"), QStringLiteral("文字")};
    for (int i = 0; i < 4; ++i) {
        option2_[i] = Choice(frame, QStringLiteral("Option2_%1").arg(i), captions[i], notations);
        row->addWidget(option2_[i]);
    }
    row->addStretch();
    grid->addLayout(row, 2, 0, 1, 3);
    return frame;
}

QGroupBox* frmDmpOption::buildBitFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(frame);
    text5_ = Field(frame, QStringLiteral("Text5"));
    text6_ = Field(frame, QStringLiteral("Text6"));
    FieldRow(grid, 0, QStringLiteral("１行の語数"), text5_, QStringLiteral("(10進数で指定。５語以内）"));
    FieldRow(grid, 1, QStringLiteral("行数"), text6_, QStringLiteral("(10進数で指定。50行以内）"));
    auto* styles = new QButtonGroup(frame);
    auto* row = new QHBoxLayout;
    option3_[0] = Choice(frame, QStringLiteral("Option3_0"), QStringLiteral("１と０で表示"), styles);
    option3_[1] = Choice(frame, QStringLiteral("Option3_1"), QStringLiteral("１は■、0は□で表示"), styles);
    row->addWidget(option3_[0]);
    row->addWidget(option3_[1]);
    row->addStretch();
    grid->addLayout(row, 2, 0, 1, 3);
    return frame;
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
