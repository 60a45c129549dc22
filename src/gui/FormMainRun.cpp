// Run mode's commands of the main window: the run buttons, the trace with its options window, and
// the console window that runs open.

#include <QTimer>

#include "gui/frmRun.h"
#include "gui/frmTrOption.h"
#include "gui/FormMain.h"

namespace kv {

void FormMain::Command4_Click(int index) {
    switch (index) {
        case 0: bench_.run.RunAll(); break;
        case 1: TraceCommand(); break;
        case 2: bench_.run.StartStep(); break;
        case 3: bench_.run.StepButton(); break;
        case 4: bench_.run.StartAuto(); break;
        case 5: bench_.run.EndButton(); break;
        case 7: ShowDumpWindow(); break;
        default: break;
    }
}

// "トレース" of both windows: the options window first when its option asks for it.
void FormMain::TraceCommand() {
    bool accepted = true;
    if (bench_.trace.showWindow) accepted = ShowTraceOptions();
    host_.letEventsRun();
    if (accepted) bench_.run.RunTrace();
}

bool FormMain::ShowTraceOptions() {
    frmTrOption window(bench_.trace, bench_.session.machine, host_, this);
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
    return new frmRun(bench_.run, font_, std::move(commands));
}

void FormMain::endRunForExit() {
    host_.setAutoInterval(0);
    bench_.run.ConsoleStop();
    host_.closeConsole();
}

}  // namespace kv
