#include <cstdio>

#include "app/cli/CliHost.h"
#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "app/cli/RunProgram.h"
#include "filedevice/RecordFile.h"
#include "simulator/ExecutionProfile.h"
#include "workbench/Workbench.h"

namespace kv::cli {

namespace {

struct RunOptions {
    QString file, settingsFile, recordsFile;
    bool trace = false;
    bool profile = false;
    int endOfFile = -1;
    qint64 maxSteps = 0;
};

// Reads the options; returns an error text, empty when they are all right.
QString parseRunOptions(QStringList args, RunOptions& o) {
    QString value;
    for (int i = 0; i < args.size();) {
        const QString& a = args[i];
        if (a == QLatin1String("--trace")) {
            o.trace = true;
            args.removeAt(i);
        } else if (a == QLatin1String("--profile")) {
            o.profile = true;
            args.removeAt(i);
        } else if (a == QLatin1String("--records")) {
            if (!takeValue(args, i, o.recordsFile)) return QStringLiteral("--records needs a file");
        } else if (a == QLatin1String("--settings")) {
            if (!takeValue(args, i, o.settingsFile)) return QStringLiteral("--settings needs a file");
        } else if (a == QLatin1String("--eof")) {
            if (!takeValue(args, i, value) || (value != QLatin1String("-1") && value != QLatin1String("0")))
                return QStringLiteral("--eof needs -1 or 0");
            o.endOfFile = value.toInt();
        } else if (a == QLatin1String("--max-steps")) {
            bool ok = false;
            if (!takeValue(args, i, value) || (o.maxSteps = value.toLongLong(&ok), !ok) || o.maxSteps < 1)
                return QStringLiteral("--max-steps needs a positive number");
        } else {
            ++i;
        }
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return QStringLiteral("run needs exactly one FILE (try --help)");
    o.file = args[0];
    return QString();
}

// The record text as the input device window's "開く" loads a data file: the file's text with its
// line breaks, so that a file ending in "[END]" and a line break is complete.
bool loadRecords(const QString& path, VirtualFileDevice& device) {
    const RecordFileResult file = ReadRecordFile(path);
    if (!file.ok) return false;
    device.recordText = file.text;
    device.inputDevice = InputDevice::VirtualFile;
    return true;
}

int exitStatus(StepResult result) {
    if (result == step::NormalEnd) return 0;
    if (result == step::StopRequested) return 4;
    return 3;
}

}  // namespace

int RunCommand(QStringList args) {
    return RunProgram(std::move(args), RunHooks());
}

int RunProgram(QStringList args, const RunHooks& hooks) {
    RunOptions o;
    const QString problem = parseRunOptions(args, o);
    if (!problem.isEmpty()) return usageError(problem);

    CliHost host(stderr);
    Workbench bench(host, programFolder());
    if (!loadSettings(bench, o.settingsFile))
        return usageError(QStringLiteral("cannot read settings file ") + o.settingsFile);
    QString source;
    if (!loadSource(bench, o.file, source)) return usageError(QStringLiteral("cannot read ") + o.file);
    bench.device.endOfFileValue = static_cast<std::int16_t>(o.endOfFile);
    if (!o.recordsFile.isEmpty() && !loadRecords(o.recordsFile, bench.device))
        return usageError(QStringLiteral("cannot read ") + o.recordsFile);
    if (hooks.beforeRun && !hooks.beforeRun(bench.session, host)) return 2;

    const AssembleOutcome outcome = bench.Assemble(source);
    if (!outcome.assembled || !outcome.linked) return 1;

    RunControl& run = bench.run;
    host.onLine = [&run](const QString& line) { run.DeliverConsoleLine(line); };
    host.onEndOfInput = [&run] { run.ConsoleStop(); };
    run.setStepLimit(o.maxSteps);
    run.PrepareRunMode();
    if (o.trace) run.RunTrace();
    else run.RunAll();
    if (hooks.afterRun) hooks.afterRun(bench.session, host);
    if (o.profile)
        host.consoleAppend(ProfileText(run.counts(), bench.session.machine, bench.session.assembly));
    return exitStatus(run.lastResult());
}

}  // namespace kv::cli
