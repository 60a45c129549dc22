// kavora2-cli dump: a run as "run" does it, then an advanced dump into the console transcript.

#include <QStringList>

#include "app/cli/CliHost.h"
#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "app/cli/RunProgram.h"
#include "dump/AdvancedDump.h"
#include "dump/DumpEntries.h"
#include "workbench/Session.h"

namespace kv::cli {

namespace {

// The dump option's value, ADDR,N[,LETTERS] or ADDR,W,L[,LETTER], as the dialog's entries.
// Returns an error text, empty when the value is well formed (the numbers are checked later, as
// the dialog checks them).
QString ReadDumpValue(DumpLayout layout, const QString& value, DumpEntries& e) {
    const QStringList parts = value.split(QLatin1Char(','));
    const int numbers = layout == DumpLayout::Radix ? 1 : 2;
    if (parts.size() < 1 + numbers || parts.size() > 2 + numbers)
        return layout == DumpLayout::Radix ? QStringLiteral("--radix needs ADDR,COUNT[,COLUMNS]")
                                           : QStringLiteral("--2d and --bits need ADDR,WIDTH,LINES[,FORM]");
    e.layout = layout;
    // "#" starts a comment in a shell: the address may come without it.
    e.address = parts[0].startsWith(QLatin1Char('#')) ? parts[0] : QLatin1Char('#') + parts[0];
    const QString form = parts.size() > 1 + numbers ? parts.last() : QString();
    switch (layout) {
        case DumpLayout::Radix: {
            e.count = parts[1];
            if (form.isEmpty()) return QString();
            const QString letters = QStringLiteral("bsuhc");
            for (int c = 0; c < 5; ++c) e.columns[c] = form.contains(letters[c]);
            for (QChar letter : form)
                if (!letters.contains(letter)) return QStringLiteral("radix columns are letters of bsuhc");
            return QString();
        }
        case DumpLayout::Array: {
            e.arrayWidth = parts[1];
            e.arrayLines = parts[2];
            const int notation = QStringLiteral("suhc").indexOf(form);
            if (form.isEmpty()) return QString();
            if (form.size() != 1 || notation < 0)
                return QStringLiteral("the --2d notation is one of s, u, h, c");
            e.notation = ArrayNotation(notation);
            return QString();
        }
        case DumpLayout::Bits:
            e.bitWidth = parts[1];
            e.bitLines = parts[2];
            if (form.isEmpty() || form == QLatin1String("d")) return QString();
            if (form != QLatin1String("s")) return QStringLiteral("the --bits form is d or s");
            e.style = BitStyle::Squares;
            return QString();
    }
    return QString();
}

// Takes the one dump option off the arguments.
QString TakeDumpOption(QStringList& args, DumpEntries& e) {
    const QStringList names{QStringLiteral("--radix"), QStringLiteral("--2d"), QStringLiteral("--bits")};
    bool found = false;
    for (int i = 0; i < args.size();) {
        const int layout = names.indexOf(args[i]);
        if (layout < 0) {
            ++i;
            continue;
        }
        QString value;
        if (found) return QStringLiteral("dump takes one of --radix, --2d, --bits");
        if (!takeValue(args, i, value)) return args[i] + QStringLiteral(" needs a value (try --help)");
        const QString problem = ReadDumpValue(DumpLayout(layout), value, e);
        if (!problem.isEmpty()) return problem;
        found = true;
    }
    return found ? QString() : QStringLiteral("dump needs --radix, --2d or --bits (try --help)");
}

}  // namespace

int DumpCommand(QStringList args) {
    DumpEntries entries;
    const QString problem = TakeDumpOption(args, entries);
    if (!problem.isEmpty()) return usageError(problem);
    DumpRequest request;
    RunHooks hooks;
    // The dialog's checks, before the run: a dump that cannot be written is not worth the run.
    hooks.beforeRun = [&](Session& session, CliHost& host) {
        const DumpCheck check = CheckDumpEntries(entries, session.machine);
        if (!check.ok) host.messageBox(check.text, check.title, BoxIcon::Exclamation, BoxButtons::Ok);
        request = check.request;
        return check.ok;
    };
    hooks.afterRun = [&](Session& session, CliHost& host) { WriteDump(host, session.machine, request); };
    return RunProgram(std::move(args), hooks);
}

}  // namespace kv::cli
