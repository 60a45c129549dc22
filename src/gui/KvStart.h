#pragma once
// The start of the workbench: the title window, the instruction table, the settings and the main
// window, in that order.

#include <QString>
#include <QStringList>
#include <memory>

#include "gui/FormMain.h"
#include "workbench/ProgramFolder.h"

namespace kv {

// Shows the title window without waiting; makes the main window, which builds the instruction
// table, sets the defaults and reads the settings file; loads and shows it, closes the title window
// and gives the focus to the editor.
std::unique_ptr<FormMain> KvStart(const StartupInfo& startup);

// The command line after the program's name, as one text.
QString CommandLineText(const QStringList& arguments);

}  // namespace kv
