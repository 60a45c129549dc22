// The button "戻る" beside "ステップ": takes back the last instruction of a stepped run. It has no
// index of Command4, and is enabled only while there is a step to take back.

#include <QPushButton>

#include "gui/RunPanel.h"

namespace kv {

namespace {

constexpr int kButtonHeight = 28;  // pixels, as the run buttons

}  // namespace

QPushButton* RunPanel::buildStepBackButton(QWidget* row) {
    stepBack_ = new QPushButton(QStringLiteral("戻る"), row);
    stepBack_->setObjectName(QStringLiteral("CommandStepBack"));
    stepBack_->setToolTip(QStringLiteral("最後に実行した命令を取り消し、1ステップ前に戻る（Shift+F8）"));
    stepBack_->setFixedHeight(kButtonHeight);
    stepBack_->setEnabled(false);
    connect(stepBack_, &QPushButton::clicked, this, [this] {
        if (onStepBack) onStepBack();
    });
    return stepBack_;
}

void RunPanel::SetStepBackEnabled(bool enabled) {
    stepBack_->setEnabled(enabled);
}

}  // namespace kv
