#include "gui/frmTrOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/NamedWidgets.h"
#include "host/Host.h"
#include "simulator/Trace.h"

namespace kv {

namespace {

QComboBox* Combo(const QString& name, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QGroupBox* Frame(const QString& caption, QWidget* parent) {
    return new QGroupBox(caption, parent);
}

// The notations by list index: binary, signed, unsigned, hexadecimal, character. The register
// lists write the binary entry with a full-width digit, the memory list with a half-width one.
QStringList Notations(const QString& binary) {
    return {binary, QStringLiteral("算術10進数表示"), QStringLiteral("論理10進数表示"),
            QStringLiteral("16進数表示"), QStringLiteral("文字表示")};
}

}  // namespace

frmTrOption::frmTrOption(TraceOptions& options, const MachineState& machine, Host& host, QWidget* parent)
    : QDialog(parent), options_(options), machine_(machine), host_(host) {
    setObjectName(QStringLiteral("frmTrOption"));
    setWindowTitle(QStringLiteral("トレースオプション"));
    buildControls();
    Form_Load();
}

void frmTrOption::buildControls() {
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    outer->addLayout(columns);

    QGroupBox* address = Frame(QStringLiteral("アドレス"), this);
    auto* a = new QVBoxLayout(address);
    a->addWidget(new QLabel(QStringLiteral("■命令語のアドレス（必須）"), address));
    checkPR_ = Named<QCheckBox>(QStringLiteral("CheckPR"), QStringLiteral("プログラムレジスタ：PR"), address);
    checkEA_ = Named<QCheckBox>(QStringLiteral("CheckEA"), QStringLiteral("実効アドレス：EA"), address);
    checkMEA_ =
        Named<QCheckBox>(QStringLiteral("CheckMEA"), QStringLiteral("実効アドレスの内容：M(EA)"), address);
    for (QCheckBox* box : {checkPR_, checkEA_, checkMEA_}) a->addWidget(box);
    left->addWidget(address);

    QGroupBox* flags = Frame(QStringLiteral("フラグレジスタ：FR"), this);
    auto* f = new QHBoxLayout(flags);
    checkFR3_ = Named<QCheckBox>(QStringLiteral("CheckFR3"), QStringLiteral("３ビット表示"), flags);
    checkFRN_ = Named<QCheckBox>(QStringLiteral("CheckFRN"), QStringLiteral("日本語表示"), flags);
    f->addWidget(checkFR3_);
    f->addWidget(checkFRN_);
    left->addWidget(flags);

    QGroupBox* registers = Frame(QStringLiteral("汎用レジスタ"), this);
    auto* r = new QGridLayout(registers);
    for (int i = 0; i < 8; ++i) {
        check1_[i] =
            Named<QCheckBox>(QStringLiteral("Check1_%1").arg(i), QStringLiteral("GR%1").arg(i), registers);
        combo1_[i] =
            Combo(QStringLiteral("Combo1_%1").arg(i), Notations(QStringLiteral("２進数表示")), registers);
        r->addWidget(check1_[i], i, 0);
        r->addWidget(combo1_[i], i, 1);
    }
    left->addWidget(registers);

    QGroupBox* memory = Frame(QStringLiteral("メモリ"), this);
    auto* m = new QGridLayout(memory);
    m->addWidget(new QLabel(QStringLiteral("アドレス"), memory), 0, 0);
    textADR_ = new QLineEdit(memory);
    textADR_->setObjectName(QStringLiteral("TextADR"));
    m->addWidget(textADR_, 0, 1);
    m->addWidget(new QLabel(QStringLiteral("#hhhh形式（hは16進数)で指定　"), memory), 1, 1);
    m->addWidget(new QLabel(QStringLiteral("（カンマで区切って複数可）"), memory), 2, 1);
    m->addWidget(new QLabel(QStringLiteral("（ハイフンで範囲を指定可）"), memory), 3, 1);
    comboADR_ = Combo(QStringLiteral("ComboADR"), Notations(QStringLiteral("2進数表示")), memory);
    m->addWidget(comboADR_, 4, 1, Qt::AlignLeft);
    right->addWidget(memory);

    QGroupBox* stack = Frame(QStringLiteral("スタック"), this);
    auto* s = new QGridLayout(stack);
    checkSP_ = Named<QCheckBox>(QStringLiteral("CheckSP"), QStringLiteral("スタックポインタ：SP"), stack);
    checkMSP_ =
        Named<QCheckBox>(QStringLiteral("CheckMSP"), QStringLiteral("スタックの最上段アドレスの内容"), stack);
    comboSP_ = Combo(QStringLiteral("ComboSP"),
                     {QStringLiteral("1語"), QStringLiteral("2語"), QStringLiteral("3語")}, stack);
    s->addWidget(checkSP_, 0, 0, 1, 2);
    s->addWidget(checkMSP_, 1, 0, 1, 2);
    s->addWidget(new QLabel(QStringLiteral("SPから"), stack), 2, 0, Qt::AlignRight);
    s->addWidget(comboSP_, 2, 1, Qt::AlignLeft);
    right->addWidget(stack);

    QGroupBox* source = Frame(QStringLiteral("ソース"), this);
    auto* p = new QVBoxLayout(source);
    checkPROG_ = Named<QCheckBox>(QStringLiteral("CheckPROG"), QStringLiteral("プログラム行"), source);
    checkFK_ = Named<QCheckBox>(QStringLiteral("CheckFK"), QStringLiteral("F式表記"), source);
    p->addWidget(checkPROG_);
    p->addWidget(checkFK_);
    right->addWidget(source);
    right->addStretch();

    auto* bottom = new QHBoxLayout;
    checkFlg_ = Named<QCheckBox>(QStringLiteral("CheckFlg"),
                                 QStringLiteral("トレース時に、この画面を毎回表示する。"), this);
    bottom->addWidget(checkFlg_);
    bottom->addStretch();
    const auto [ok, cancel] =
        AddOkCancel(bottom, this, QStringLiteral("Command1"), QStringLiteral("Command2"));
    outer->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frmTrOption::Form_Load() {
    const TraceOptions& o = options_;
    checkPR_->setChecked(o.nextAddress);
    checkEA_->setChecked(o.effectiveAddress);
    checkMEA_->setChecked(o.contentsOfEA);
    checkFR3_->setChecked(o.frBits);
    checkFRN_->setChecked(o.frJapanese);
    for (int i = 0; i < 8; ++i) {
        check1_[i]->setChecked(o.registers[i]);
        combo1_[i]->setCurrentIndex(o.registerNotation[i]);
    }
    textADR_->setText(o.memoryText);
    comboADR_->setCurrentIndex(o.memoryNotation);
    checkSP_->setChecked(o.stackPointer);
    checkMSP_->setChecked(o.topStack);
    comboSP_->setCurrentIndex(o.stackWords - 1);
    checkPROG_->setChecked(o.programLine);
    checkFK_->setChecked(o.fNotation);
    checkFlg_->setChecked(o.showWindow);
    accepted_ = true;
}

// OK: the memory addresses first; a wrong one keeps the window open.
void frmTrOption::Command1_Click() {
    const TraceAddressCheck check = CheckTraceAddresses(textADR_->text(), machine_);
    if (!check.ok()) {
        host_.messageBox(check.message, check.title, BoxIcon::Exclamation);
        return;
    }
    TraceOptions& o = options_;
    o.memoryText = textADR_->text();
    o.memoryRanges = check.ranges;
    o.nextAddress = checkPR_->isChecked();
    o.effectiveAddress = checkEA_->isChecked();
    o.contentsOfEA = checkMEA_->isChecked();
    o.frBits = checkFR3_->isChecked();
    o.frJapanese = checkFRN_->isChecked();
    for (int i = 0; i < 8; ++i) {
        o.registers[i] = check1_[i]->isChecked();
        o.registerNotation[i] = combo1_[i]->currentIndex();
    }
    o.memoryNotation = comboADR_->currentIndex();
    o.stackPointer = checkSP_->isChecked();
    o.topStack = checkMSP_->isChecked();
    o.stackWords = comboSP_->currentIndex() + 1;
    o.programLine = checkPROG_->isChecked();
    o.fNotation = checkFK_->isChecked();
    o.showWindow = checkFlg_->isChecked();
    accepted_ = true;
    accept();
}

void frmTrOption::Command2_Click() {
    accepted_ = false;
    reject();
}

}  // namespace kv
