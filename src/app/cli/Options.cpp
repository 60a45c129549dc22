#include "app/cli/Options.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "host/Host.h"
#include "workbench/ProgramFile.h"
#include "workbench/Workbench.h"

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

QString programFolder() { return QCoreApplication::applicationDirPath(); }

// Without a screen the default window size is converted at 15 twips a pixel (96 dots an inch).
bool loadSettings(Workbench& bench, const QString& settingsFile) { return bench.LoadSettingsFrom(settingsFile, 15.0); }

bool loadSource(Workbench& bench, const QString& path, QString& source) {
    const ProgramText program = ReadProgramFile(path, bench.host());
    if (program.status != 0) return false;
    source = program.text;
    return true;
}

}  // namespace kv::cli
