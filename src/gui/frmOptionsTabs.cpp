// The three tabs of the options dialog and their controls.

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/NamedWidgets.h"
#include "gui/frmOptions.h"

namespace kv {

namespace {

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

std::array<QRadioButton*, 2> Pair(QWidget* parent, const QString& name, const QString& first,
                                  const QString& second) {
    auto* group = new QButtonGroup(parent);
    std::array<QRadioButton*, 2> pair{new QRadioButton(first, parent), new QRadioButton(second, parent)};
    for (int i = 0; i < 2; ++i) {
        pair[i]->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        group->addButton(pair[i]);
    }
    return pair;
}

QLabel* Note(QWidget* parent, const QString& text) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

}  // namespace

QWidget* frmOptions::buildGeneralTab() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);

    QGroupBox* frame1 = Frame(page, QStringLiteral("Frame1"), QStringLiteral("エディタ"));
    auto* editor = new QGridLayout(frame1);
    option1_ = Pair(frame1, QStringLiteral("Option1"),
                    QStringLiteral("構造化エディタ（文法チェックと整形処理あり）"),
                    QStringLiteral("普通のエディタ（字下げなどが必要な場合）"));
    editor->addWidget(option1_[0], 0, 0, 1, 2);
    editor->addWidget(option1_[1], 1, 0);
    editor->addWidget(Note(frame1, QStringLiteral("次期バージョンでサポート予定です。")), 1, 1);
    column->addWidget(frame1);

    QGroupBox* frame2 = Frame(page, QStringLiteral("Frame2"), QStringLiteral("起動時の設定"));
    auto* start = new QVBoxLayout(frame2);
    check3_ = Named<QCheckBox>(QStringLiteral("Check3"), QStringLiteral("起動時にウィンドウを最大化する。"),
                               frame2);
    check1_ = Named<QCheckBox>(QStringLiteral("Check1"),
                               QStringLiteral("起動時に「初期ファイル.txt」を読み込む。"), frame2);
    start->addWidget(check3_);
    start->addWidget(check1_);
    start->addWidget(Note(frame2, QStringLiteral("前回、終了時のプログラムを読み込むかどうかの指定です。")));
    column->addWidget(frame2);

    QGroupBox* frame4 =
        Frame(page, QStringLiteral("Frame4"), QStringLiteral("CASLⅡのソースプログラムのフォルダ"));
    auto* folder = new QHBoxLayout(frame4);
    text3_ = Named<QLineEdit>(QStringLiteral("Text3"), frame4);
    auto* browse = new QPushButton(QStringLiteral("参照"), frame4);
    browse->setObjectName(QStringLiteral("Command2"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] { Command2_Click(); });
    folder->addWidget(text3_, 1);
    folder->addWidget(browse);
    column->addWidget(frame4);
    column->addStretch();
    return page;
}

QWidget* frmOptions::buildCometTab() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);

    QGroupBox* frame3 = Frame(page, QStringLiteral("Frame3"), QStringLiteral("ユーザメモリなど"));
    auto* area = new QVBoxLayout(frame3);
    auto row = [frame3, area](std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        for (QWidget* widget : widgets) line->addWidget(widget);
        line->addStretch();
        area->addLayout(line);
    };
    auto label = [frame3](const QString& text) { return new QLabel(text, frame3); };
    text1_ = Named<QLineEdit>(QStringLiteral("Text1"), frame3);
    text1_->setFixedWidth(80);
    endLabel_ = label(QString());
    endLabel_->setObjectName(QStringLiteral("Label4"));
    sizeLabel_ = label(QStringLiteral("4096"));
    sizeLabel_->setObjectName(QStringLiteral("Label6"));
    text2_ = Named<QLineEdit>(QStringLiteral("Text2"), frame3);
    text2_->setFixedWidth(80);
    row({label(QStringLiteral("ユーザメモリ領域")), label(QStringLiteral("（#0000～#9000の16進数で指定）"))});
    row({label(QStringLiteral("先頭アドレス")), text1_, label(QStringLiteral("～")), endLabel_,
         label(QStringLiteral("までの")), sizeLabel_, label(QStringLiteral("語"))});
    row({label(QStringLiteral("GRとDS確保領域の初期値")), label(QStringLiteral("（#hhhhの16進数で指定）"))});
    row({text2_});
    column->addWidget(frame3);

    QGroupBox* frame5 = Frame(page, QStringLiteral("Frame5"),
                              QStringLiteral("システムオプション（通常は、触らないでください）"));
    auto* system = new QHBoxLayout(frame5);
    text4_ = Named<QLineEdit>(QStringLiteral("Text4"), frame5);
    text4_->installEventFilter(this);
    system->addWidget(text4_);
    column->addWidget(frame5);

    QGroupBox* frame6 = Frame(page, QStringLiteral("Frame6"), QStringLiteral("リテラルから生成されるDC行"));
    auto* literals = new QHBoxLayout(frame6);
    // Literals with the same text always share one DC line: the box only says so.
    check2_ =
        Named<QCheckBox>(QStringLiteral("Check2"), QStringLiteral("同じ値は、DC行を重複させない。"), frame6);
    check2_->setChecked(true);
    check2_->setEnabled(false);
    literals->addWidget(check2_);
    column->addWidget(frame6);
    column->addStretch();
    return page;
}

QWidget* frmOptions::buildOtherTab() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);

    QGroupBox* frame33 = Frame(page, QStringLiteral("Frame33"), QStringLiteral("オート実行時の速度"));
    auto* speed = new QHBoxLayout(frame33);
    slider1_ = new QSlider(Qt::Horizontal, frame33);
    slider1_->setObjectName(QStringLiteral("Slider1"));
    slider1_->setRange(0, 10);
    slider1_->setSingleStep(1);
    slider1_->setPageStep(5);
    slider1_->setTickPosition(QSlider::TicksBelow);
    // "速い" on the left: the fastest value 10 sits there.
    slider1_->setInvertedAppearance(true);
    slider1_->setInvertedControls(true);
    speed->addWidget(new QLabel(QStringLiteral("速い"), frame33));
    speed->addWidget(slider1_, 1);
    speed->addWidget(new QLabel(QStringLiteral("遅い"), frame33));
    column->addWidget(frame33);

    QGroupBox* frame32 = Frame(page, QStringLiteral("Frame32"), QStringLiteral("実行モードのF式表記"));
    auto* notation = new QHBoxLayout(frame32);
    option32_ =
        Pair(frame32, QStringLiteral("Option32"), QStringLiteral("表示する"), QStringLiteral("表示しない"));
    notation->addWidget(option32_[0]);
    notation->addWidget(option32_[1]);
    notation->addStretch();
    column->addWidget(frame32);

    QGroupBox* frame31 = Frame(page, QStringLiteral("Frame31"), QStringLiteral("CASL→CASLⅡ変換"));
    auto* conversion = new QVBoxLayout(frame31);
    option31_ =
        Pair(frame31, QStringLiteral("Option31"), QStringLiteral("変換前の行と変換後の行をコメントで示す"),
             QStringLiteral("コメントを残さない"));
    conversion->addWidget(option31_[0]);
    conversion->addWidget(option31_[1]);
    column->addWidget(frame31);
    column->addStretch();
    return page;
}

}  // namespace kv
