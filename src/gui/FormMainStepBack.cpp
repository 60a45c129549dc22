// Stepping back in run mode: the button "戻る" beside "ステップ" and the run menu's
// "1ステップ戻る(&B)" (Shift+F8) take back the last instruction of a stepped run; both are enabled
// only while there is one to take back. The program lines' tool tips show how often each line ran.

#include <QAction>
#include <QKeySequence>

#include "gui/FormMain.h"
#include "gui/RunPanel.h"

namespace kv {

void FormMain::StepBackCommand() {
    if (bench_.mode() == Mode::Run) bench_.run.StepBack();
}

void FormMain::setUpStepBack(QAction* entry) {
    entry->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    entry->setEnabled(false);
    host_.attachStepBack(entry);
    runPanel_->onStepBack = [this] { StepBackCommand(); };
    runPanel_->SetCounts(&bench_.run.counts());
}

}  // namespace kv
