// kavora2: the workbench window.

#include <QApplication>

#include "gui/KvStart.h"
#include "gui/QtTranslation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavora2"));
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kavora.Kavora2"));
    if (!kv::LoadQtTranslation(app))
        qWarning("Qt's Japanese translation (qtbase_ja.qm) is missing: Qt's own texts stay English");
    const kv::StartupInfo startup{kv::ProgramFolder(), kv::CommandLineText(QApplication::arguments())};
    const std::unique_ptr<kv::FormMain> window = kv::KvStart(startup);
    return QApplication::exec();
}
