#include <cstdio>

#include "app/cli/CliHost.h"
#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "assembler/Listings.h"
#include "workbench/Workbench.h"

namespace kv::cli {

int AsmCommand(QStringList args) {
    QString list = QStringLiteral("asm");
    QString settingsFile;
    for (int i = 0; i < args.size();) {
        if (args[i] == QLatin1String("--list")) {
            if (!takeValue(args, i, list)) return usageError(QStringLiteral("--list needs asm, alt or afk"));
        } else if (args[i] == QLatin1String("--settings")) {
            if (!takeValue(args, i, settingsFile)) return usageError(QStringLiteral("--settings needs a file"));
        } else {
            ++i;
        }
    }
    if (list != QLatin1String("asm") && list != QLatin1String("alt") && list != QLatin1String("afk"))
        return usageError(QStringLiteral("--list needs asm, alt or afk"));
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return usageError(QStringLiteral("asm needs exactly one FILE (try --help)"));

    CliHost host(stdout);
    Workbench bench(host, programFolder());
    if (!loadSettings(bench, settingsFile)) return usageError(QStringLiteral("cannot read settings file ") + settingsFile);
    QString source;
    if (!loadSource(bench, args[0], source)) return usageError(QStringLiteral("cannot read ") + args[0]);

    const AssembleOutcome outcome = bench.Assemble(source);
    if (outcome.assembled) {
        const QString listing = list == QLatin1String("alt")   ? BuildAddressList(bench.session.assembly)
                                : list == QLatin1String("afk") ? BuildFNotationList(bench.session.assembly)
                                                               : outcome.assemblyList;
        host.consoleAppend(QStringLiteral("\n") + listing);
    }
    return outcome.assembled && outcome.linked ? 0 : 1;
}

}  // namespace kv::cli
