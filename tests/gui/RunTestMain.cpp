// The window tests of run mode, one test object after another.

#include <QApplication>
#include <QTest>

#include "gui/QtTranslation.h"

int RunRunModeTest(int argc, char** argv);
int RunConsoleTest(int argc, char** argv);
int RunTraceOptionsTest(int argc, char** argv);
int RunRunPanelLayoutTest(int argc, char** argv);
int RunStepBackTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kv::LoadQtTranslation(app);
    QTEST_SET_MAIN_SOURCE_PATH
    int failed = RunRunModeTest(argc, argv);
    failed += RunConsoleTest(argc, argv);
    failed += RunTraceOptionsTest(argc, argv);
    failed += RunRunPanelLayoutTest(argc, argv);
    failed += RunStepBackTest(argc, argv);
    return failed;
}
