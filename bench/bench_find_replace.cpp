// Find, replace and the old-CASL conversion on big texts, in the core and in the editor: 40,000
// occurrences found and coloured, 40,000 replaced and the coloured text put back as one undo step,
// and an old program of 10,000 lines converted, formatted and put into the editor. Prints the times.
// Runs on the offscreen platform unless another one is set.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "editor/FindReplace.h"
#include "editor/LoopSlice.h"
#include "editor/OldCaslConversion.h"
#include "gui/GuiHost.h"
#include "gui/SourceEditor.h"
#include "settings/Settings.h"

namespace {

QString Occurrences(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i) text += QStringLiteral(" LD GR1,A ;A A A A A A A A A\n");
    return text;
}

QString OldProgram(int lines) {
    const QStringList shapes{QStringLiteral("L%1\tLEA\tGR1,%1\t; count"), QStringLiteral("\tADD\tGR1,D%1"),
                             QStringLiteral("N%1\tJPZ\tL%1"), QStringLiteral("; comment line %1"),
                             QStringLiteral("E%1\tEXIT")};
    QString text;
    for (int i = 0; i < lines; ++i) text += shapes[i % shapes.size()].arg(i % 1000) + QLatin1Char('\n');
    return text;
}

long long Lap(QElapsedTimer& timer) {
    return static_cast<long long>(timer.restart());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kv::InstructionTable table;
    kv::Settings settings;
    kv::LineChecker checker(table, settings);
    kv::GuiHost host(nullptr);
    kv::SourceEditor editor(checker, host);
    editor.resize(800, 600);
    editor.show();
    kv::LoopSlice slice(host);
    QElapsedTimer timer;

    editor.setPlainText(Occurrences(4000));
    QCoreApplication::processEvents();
    timer.start();
    const QVector<kv::TextRange> found = kv::FindAll(editor.toPlainText(), QStringLiteral("A"), slice);
    const long long find = Lap(timer);
    editor.markFound(found);
    QCoreApplication::processEvents();
    const long long mark = Lap(timer);
    const kv::ReplacedText replaced =
        kv::ReplaceAll(editor.toPlainText(), QStringLiteral("A"), QStringLiteral("BB"), slice);
    const long long replace = Lap(timer);
    editor.rewriteText(replaced.text, replaced.runs);
    QCoreApplication::processEvents();
    const long long rewrite = Lap(timer);
    std::printf("find: %d occurrences found in %lld ms, coloured in %lld ms\n",
                static_cast<int>(found.size()), find, mark);
    std::printf("replace: %lld occurrences replaced in %lld ms, coloured text into the editor in %lld ms\n",
                static_cast<long long>(replaced.count), replace, rewrite);

    constexpr int kLines = 10000;
    editor.setPlainText(OldProgram(kLines));
    QCoreApplication::processEvents();
    timer.restart();
    const QString converted = kv::ConvertOldCasl(editor.toPlainText(), kv::BuildOldMnemonicMap(),
                                                 kv::ConversionComments::Shown, slice);
    const long long convert = Lap(timer);
    const kv::FormattedText formatted = kv::FormatAndCheckAll(checker, converted, nullptr);
    const long long format = Lap(timer);
    editor.rewriteText(formatted.text, formatted.runs);
    QCoreApplication::processEvents();
    const long long show = Lap(timer);
    std::printf(
        "conversion: %d old lines converted in %lld ms, %d lines formatted in %lld ms, into the "
        "editor in %lld ms\n",
        kLines, convert, static_cast<int>(converted.count(QLatin1Char('\n'))), format, show);
    return 0;
}
