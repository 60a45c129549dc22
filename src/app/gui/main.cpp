// kavora2: the workbench window.

#include <QApplication>

#include "gui/KvStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavora2"));
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kavora.Kavora2"));
    const kv::StartupInfo startup{kv::ProgramFolder(), kv::CommandLineText(QApplication::arguments())};
    const std::unique_ptr<kv::Workbench> workbench = kv::KvStart(startup);
    return QApplication::exec();
}
