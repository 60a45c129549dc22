#pragma once
// Reading the command line of kavora2-cli.

#include <QString>
#include <QStringList>

namespace kv {
class Workbench;
}

namespace kv::cli {

// Takes the value after an option off the list; false when the option is last.
bool takeValue(QStringList& args, int index, QString& value);
// Prints "kavora2-cli: message" to standard error and returns 2.
int usageError(const QString& message);
// The folder whose files the tool would use as the workbench's own: the executable's.
QString programFolder();
// The defaults, then the settings file over them when one is named; false when it cannot be read.
bool loadSettings(Workbench& bench, const QString& settingsFile);
// Reads the program file; false (after a message) when it cannot be read.
bool loadSource(Workbench& bench, const QString& path, QString& source);

}  // namespace kv::cli
