// Run mode's commands of the main window: the run buttons, the trace with its options window, and
// the console window that runs open.

#include <QTimer>

#include "gui/frmRun.h"
#include "gui/frmTrOption.h"
#include "workbench/Session.h"
#include "gui/FormMain.h"

namespace kv {

void FormMain::Command4_Click(int index) {
    switch (index) {
        case 0: run_.RunAll(); break;
        case 1: TraceCommand(); break;
        case 2: run_.StartStep(); break;
        case 3: run_.StepButton(); break;
        case 4: run_.StartAuto(); break;
        case 5: run_.EndButton(); break;
        case 7: ShowDumpWindow(); break;
        default: break;
    }
}

// "トレース" of both windows: the options window first when its option asks for it.
void FormMain::TraceCommand() {
    bool accepted = true;
    if (trace_.showWindow) accepted = ShowTraceOptions();
    host_.letEventsRun();
    if (accepted) run_.RunTrace();
}

bool FormMain::ShowTraceOptions() {
    frmTrOption window(trace_, session_.machine, host_, this);
    host_.showModal(window);
    return window.TraceOptionsAccepted();
}

frmRun* FormMain::createConsole() {
    frmRun::Commands commands;
    commands.trace = [this] { TraceCommand(); };
    commands.dump = [this] { ShowDumpOptions(); };
    commands.showMainWindow = [this] {
        show();
        raise();
        activateWindow();
    };
    return new frmRun(run_, font_, std::move(commands));
}

void FormMain::endRunForExit() {
    host_.setAutoInterval(0);
    run_.ConsoleStop();
    host_.closeConsole();
}

}  // namespace kv
