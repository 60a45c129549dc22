// The window tests of run mode, one test object after another.

#include <QApplication>
#include <QTest>

int RunRunModeTest(int argc, char** argv);
int RunConsoleTest(int argc, char** argv);
int RunTraceOptionsTest(int argc, char** argv);
int RunStepBackTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int failed = RunRunModeTest(argc, argv);
    failed += RunConsoleTest(argc, argv);
    failed += RunTraceOptionsTest(argc, argv);
    failed += RunStepBackTest(argc, argv);
    return failed;
}
