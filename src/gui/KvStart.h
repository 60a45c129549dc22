#pragma once
// The start of the workbench: the title window, the instruction table, the settings and the main
// window, in that order.

#include <QString>
#include <QStringList>
#include <memory>

#include "gui/FormMain.h"
#include "workbench/ProgramFolder.h"

namespace kv {

struct Session;

// The running workbench: the one session and its main window.
class Workbench {
public:
    explicit Workbench(const StartupInfo& startup);
    ~Workbench();

    Session& session() { return *session_; }
    FormMain& window() { return *window_; }

private:
    std::unique_ptr<Session> session_;
    std::unique_ptr<FormMain> window_;
};

// Shows the title window without waiting, builds the instruction table, sets the defaults and reads
// the settings file, loads and shows the main window, closes the title window and gives the focus
// to the editor.
std::unique_ptr<Workbench> KvStart(const StartupInfo& startup);

// The command line after the program's name, as one text.
QString CommandLineText(const QStringList& arguments);

}  // namespace kv
