// The controls of the advanced dump's options window: the start address and the label list, the
// three layouts with their frames, and the buttons.

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

#include "gui/NamedWidgets.h"
#include "gui/frmDmpOption.h"

namespace kv {

namespace {

const QString kAddressTip =
    QStringLiteral("入力したアドレスからダンプします。ラベルを選ぶと、そのアドレスが入ります。");

QLineEdit* Field(QWidget* parent, const QString& name, int width = 60) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

QRadioButton* Choice(QWidget* parent, const QString& name, const QString& caption, QButtonGroup* group) {
    auto* button = Named<QRadioButton>(name, caption, parent);
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
    const auto [ok, cancel] =
        AddOkCancel(bottom, this, QStringLiteral("OKButton"), QStringLiteral("CancelButton"));
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

}  // namespace kv
