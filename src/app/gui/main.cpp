// kavora2: the workbench window.

#include <QApplication>

#include "gui/KvStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavora2"));
    const kv::StartupInfo startup{kv::ProgramFolder(), kv::CommandLineText(QApplication::arguments())};
    const std::unique_ptr<kv::FormMain> window = kv::KvStart(startup);
    return QApplication::exec();
}
