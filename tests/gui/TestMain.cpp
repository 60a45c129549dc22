// The window tests of the main window, one test object after another.

#include <QApplication>
#include <QTest>

#include "gui/QtTranslation.h"

int RunFormMainTest(int argc, char** argv);
int RunFormMainFilesTest(int argc, char** argv);
int RunFileCommandsTest(int argc, char** argv);
int RunFormMainTextTest(int argc, char** argv);
int RunQtTextsTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kv::LoadQtTranslation(app);
    QTEST_SET_MAIN_SOURCE_PATH
    int failed = RunFormMainTest(argc, argv);
    failed += RunFormMainFilesTest(argc, argv);
    failed += RunFileCommandsTest(argc, argv);
    failed += RunFormMainTextTest(argc, argv);
    failed += RunQtTextsTest(argc, argv);
    return failed;
}
