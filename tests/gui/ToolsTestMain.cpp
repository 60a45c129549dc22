// The window tests of the tools: the dump windows, the input device window and the options dialog.

#include <QApplication>
#include <QTest>

int RunDumpWindowTest(int argc, char** argv);
int RunDumpOptionsTest(int argc, char** argv);
int RunFileDeviceTest(int argc, char** argv);
int RunOptionsTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int failed = RunDumpWindowTest(argc, argv);
    failed += RunDumpOptionsTest(argc, argv);
    failed += RunFileDeviceTest(argc, argv);
    failed += RunOptionsTest(argc, argv);
    return failed;
}
