// The structured editor on a program of 10,000 lines: the format command (the check of every line
// and the rebuilt coloured text) and the colouring an assembly leaves. Prints the times.
// Runs on the offscreen platform unless another one is set.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "gui/SourceEditor.h"
#include "settings/Settings.h"
#include "gui/GuiHost.h"

namespace {

QString Program(int lines) {
    const QStringList shapes{QStringLiteral("loop%1 lad gr1,%1 ;count"), QStringLiteral(" ld gr2,data%1,gr1"),
                             QStringLiteral("; comment line %1"), QStringLiteral(" bad%1 gr1"),
                             QStringLiteral("d%1 dc 'text',#00FF ;data")};
    QString text;
    for (int i = 0; i < lines; ++i) text += shapes[i % shapes.size()].arg(i % 1000) + QLatin1Char('\n');
    return text;
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

    constexpr int kLines = 10000;
    const QString text = Program(kLines);
    QElapsedTimer timer;
    timer.start();
    const kv::FormattedText formatted = kv::FormatAndCheckAll(checker, text, nullptr);
    const qint64 check = timer.restart();
    editor.showFormatted(formatted);
    QCoreApplication::processEvents();
    const qint64 show = timer.restart();
    QVector<kv::LineColour> colouring;
    for (int line = 0; line < kLines; ++line) {
        colouring.push_back({line, 0, 20, kv::colours::Black});
        colouring.push_back({line, 20, 20, kv::colours::Comment});
    }
    editor.colourLines(colouring);
    QCoreApplication::processEvents();
    const qint64 colour = timer.restart();
    std::printf(
        "%d lines: check and rewrite %lld ms, coloured text into the editor %lld ms (%d runs), "
        "assembly colouring %lld ms (%d parts)\n",
        kLines, static_cast<long long>(check), static_cast<long long>(show),
        static_cast<int>(formatted.runs.size()), static_cast<long long>(colour),
        static_cast<int>(colouring.size()));
    return 0;
}
