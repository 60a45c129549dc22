#include "app/cli/Options.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/cli/CliHost.h"
#include "workbench/ProgramFile.h"
#include "workbench/Session.h"

namespace kv::cli {

bool takeValue(QStringList& args, int index, QString& value) {
    if (index + 1 >= args.size()) return false;
    value = args.takeAt(index + 1);
    args.removeAt(index);
    return true;
}

int usageError(const QString& message) {
    std::fprintf(stderr, "kavora2-cli: %s\n", qPrintable(message));
    return 2;
}

bool loadSettings(Session& session, const QString& settingsFile) {
    SetDefaults(session.settings, 15.0, QCoreApplication::applicationDirPath());
    if (!settingsFile.isEmpty()) {
        if (!QFileInfo(settingsFile).isReadable()) return false;
        ReadSettings(session.settings, settingsFile);
    }
    session.applySettings();
    return true;
}

bool loadSource(Session&, const QString& path, QString& source, CliHost& host) {
    const ProgramText program = ReadProgramFile(path, host);
    if (program.status != 0) return false;
    source = program.text;
    return true;
}

}  // namespace kv::cli
