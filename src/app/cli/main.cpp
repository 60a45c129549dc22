// kavora2-cli: the workbench's assembler, runner and old-CASL conversion on the command line.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/cli/Commands.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(kv::cli::kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("asm")) return kv::cli::AsmCommand(args);
    if (command == QLatin1String("run")) return kv::cli::RunCommand(args);
    if (command == QLatin1String("convert")) return kv::cli::ConvertCommand(args);
    if (command == QLatin1String("dump")) return kv::cli::DumpCommand(args);
    std::fprintf(stderr, "kavora2-cli: unknown command '%s' (try --help)\n", qPrintable(command));
    return 2;
}
