// kavora2-cli convert: the workbench's old-CASL conversion and format on the command line.

#include <cstdio>

#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "assembler/Catalogue.h"
#include "editor/LineCheck.h"
#include "editor/LoopSlice.h"
#include "editor/OldCaslConversion.h"
#include "editor/TextLines.h"
#include "host/QuietHost.h"
#include "workbench/ProgramFile.h"
#include "workbench/TextFiles.h"
#include "workbench/Workbench.h"

namespace kv::cli {

namespace {

struct ConvertOptions {
    QString file, output, settingsFile, mode;
};

// Reads the options; returns an error text, empty when they are all right.
QString parseConvertOptions(QStringList args, ConvertOptions& o) {
    for (int i = 0; i < args.size();) {
        const QString& a = args[i];
        if (a == QLatin1String("--mode")) {
            if (!takeValue(args, i, o.mode) || (o.mode != QLatin1String("0") && o.mode != QLatin1String("1")))
                return QStringLiteral("--mode needs 0 or 1");
        } else if (a == QLatin1String("-o")) {
            if (!takeValue(args, i, o.output) || o.output.isEmpty()) return QStringLiteral("-o needs a file");
        } else if (a == QLatin1String("--settings")) {
            if (!takeValue(args, i, o.settingsFile)) return QStringLiteral("--settings needs a file");
        } else {
            ++i;
        }
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1String("-")))
        return QStringLiteral("convert needs exactly one FILE (try --help)");
    o.file = args[0];
    return QString();
}

void writeError(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

// Lists every line of the converted text that fails the grammar, numbered as the lines of the
// written file (the header is line 1). Returns how many there were.
int listGrammarErrors(LineChecker& checker, const QString& text, const QString& name) {
    int errors = 0;
    int number = 1;
    for (qsizetype position = 0; position < text.size(); ++number) {
        const TextLine line = LineAt(text, position);
        position = line.next;
        const QString source = text.mid(line.start, line.length);
        const LineClass outcome = checker.check(source).resultClass;
        if (outcome == LineClass::Statement || outcome == LineClass::Comment || outcome == LineClass::Empty)
            continue;
        ++errors;
        const CatalogueText catalogue = Catalogue(checker.error());
        writeError(QStringLiteral("%1:%2: [%3] %4: \"%5\"")
                       .arg(name)
                       .arg(number + 1)
                       .arg(checker.error().number())
                       .arg(catalogue.message, source));
    }
    return errors;
}

bool writeOutput(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == size_t(bytes.size());
        return std::fflush(stdout) == 0 && written;
    }
    return WriteTextFile(path, bytes) == WriteProblem::None;
}

}  // namespace

int ConvertCommand(QStringList args) {
    ConvertOptions o;
    const QString problem = parseConvertOptions(args, o);
    if (!problem.isEmpty()) return usageError(problem);

    // Old programs have no header line: the workbench's notice about it would only be noise here.
    QuietHost quiet;
    Workbench bench(quiet, programFolder());
    if (!loadSettings(bench, o.settingsFile))
        return usageError(QStringLiteral("cannot read settings file ") + o.settingsFile);
    const ProgramText program = ReadProgramFile(o.file, quiet);
    if (program.status != 0) return usageError(QStringLiteral("cannot read ") + o.file);

    const ConversionComments comments =
        ConversionCommentsFrom(o.mode.isEmpty() ? bench.session.settings.conversionComments : o.mode.toInt());
    LineChecker& checker = bench.checker;
    QString text = program.text;
    if (text.size() > 1) {
        LoopSlice slice(quiet);
        const QString converted = ConvertOldCasl(text, BuildOldMnemonicMap(), comments, slice);
        text = FormatAndCheckAll(checker, converted, {}).text;
    }
    if (!writeOutput(o.output, EncodeProgramFile(text).bytes))
        return usageError(QStringLiteral("cannot write ") +
                          (o.output.isEmpty() ? QStringLiteral("standard output") : o.output));
    return listGrammarErrors(checker, text, o.output.isEmpty() ? QStringLiteral("-") : o.output) > 0 ? 1 : 0;
}

}  // namespace kv::cli
