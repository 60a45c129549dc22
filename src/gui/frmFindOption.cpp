#include "gui/frmFindOption.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/NamedWidgets.h"
namespace kv {

namespace {

QLineEdit* TextBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(400);
    return box;
}

}  // namespace

frmFindOption::frmFindOption(FindMode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("frmFindOption"));
    setWindowTitle(QStringLiteral("検索と置換"));
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* fields = new QGridLayout;
    label1_ = Named<QLabel>(QStringLiteral("Label1"), QStringLiteral("検索語"), this);
    text1_ = TextBox(QStringLiteral("Text1"), this);
    label2_ = Named<QLabel>(QStringLiteral("Label2"), QStringLiteral("置換語"), this);
    text2_ = TextBox(QStringLiteral("Text2"), this);
    label1_->setBuddy(text1_);
    label2_->setBuddy(text2_);
    fields->addWidget(label1_, 0, 0);
    fields->addWidget(text1_, 0, 1);
    fields->addWidget(label2_, 1, 0);
    fields->addWidget(text2_, 1, 1);
    outer->addLayout(fields);
    label3_ = Named<QLabel>(QStringLiteral("Label3"), QString(), this);
    label3_->setWordWrap(true);
    outer->addWidget(label3_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto [ok, cancel] =
        AddOkCancel(buttons, this, QStringLiteral("OKButton"), QStringLiteral("CancelButton"));
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
    Form_Activate();
}

void frmFindOption::Form_Load() {
    label3_->setText(QStringLiteral(
        "　コメントも検索や置換の対象にし、検索語や置換語を青色にします。このため、コメントの文字も黒色に"
        "なり、検索語と置換語の長さが異なる場合、文字位置がずれます。\n"
        "　検索や置換結果を確認後、整形ボタンを押してください。"));
}

// The caption and the replacement word follow the mode; both texts start empty.
void frmFindOption::Form_Activate() {
    const bool replace = mode_ == FindMode::Replace;
    setWindowTitle(replace ? QStringLiteral("置換") : QStringLiteral("検索"));
    label2_->setEnabled(replace);
    text2_->setEnabled(replace);
    searchText_.clear();
    replaceText_.clear();
    text1_->setFocus();
}

void frmFindOption::OKButton_Click() {
    searchText_ = text1_->text();
    replaceText_ = mode_ == FindMode::Replace ? text2_->text() : QString();
    accept();
}

}  // namespace kv
