#pragma once
// The part of "run" that other commands share: read the options of run, assemble, run, and let the
// command add its own work before and after the run.

#include <QStringList>
#include <functional>

namespace kv {
struct Session;
}

namespace kv::cli {

class CliHost;

struct RunHooks {
    // After the settings are read, before the program is assembled; false ends the command with
    // status 2 (after its own message).
    std::function<bool(Session&, CliHost&)> beforeRun;
    // After the run, whatever its end.
    std::function<void(Session&, CliHost&)> afterRun;
};

// Runs as "kavora2-cli run" does with the remaining arguments; returns its exit status.
int RunProgram(QStringList args, const RunHooks& hooks);

}  // namespace kv::cli
