// Speed of run mode in the real window (offscreen): the 10^8-instruction program through "実行", a
// 10^5-instruction trace through "トレース" into the console, and how long "実行終了" takes to end an
// endless run and an endless trace. The command line's figure for the same program comes next to
// the window's when kavora2-cli has been built.
//   bench_gui_run [RUNS]

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/SourceEditor.h"
#include "gui/ConsoleEdit.h"
#include "gui/frmRun.h"
#include "workbench/Session.h"
#include "gui/FormMain.h"

namespace {

QString ProgramText(const char* name) {
    QFile file(QDir(QStringLiteral(KAVORA_BENCH_DIR)).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

const QString kEndless = QStringLiteral(
    "MAIN      START\n"
    "LOOP      LAD       GR1,1,GR1\n"
    "          JUMP      LOOP\n"
    "          END\n");

class Bench {
  public:
    Bench() {
        const kv::Twips twips = kv::Twips::OfScreen();
        kv::Settings settings;
        kv::SetDefaults(settings, twips.perPixel(), folder_.path());
        settings.windowWidth = twips.fromPixels(1000);
        settings.windowHeight = twips.fromPixels(700);
        kv::WriteSettings(settings, QDir(folder_.path()).filePath(QString::fromLatin1(kv::kSettingsFileName)));
        form_ = std::make_unique<kv::FormMain>(kv::StartupInfo{folder_.path(), QString()},
                                               kv::FixedFont::Choose(twips.dotsPerInch()), twips);
        kv::GuiHost& host = form_->host();
        host.boxHandler = [](const kv::BoxRequest&) { return kv::BoxAnswer::Ok; };
        host.modalHandler = [](QDialog&) {};  // the trace options window, accepted as it is
        form_->Form_Load();
        form_->show();
    }

    bool enterRunMode(const QString& program) {
        click("Command001");
        form_->editor().setPlainText(program);
        click("Command002");
        if (!button("Command003")->isEnabled()) return false;
        click("Command003");
        return true;
    }
    void click(const char* name) { button(name)->click(); }
    QPushButton* button(const char* name) {
        return form_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    kv::FormMain& form() { return *form_; }
    qint64 executed() { return form_->runControl().executedInstructions(); }
    int consoleLines() {
        kv::frmRun* console = form_->host().console();
        return console ? console->console().blockCount() : 0;
    }
    void clearConsole() {
        if (kv::frmRun* console = form_->host().console()) console->console().clearAll();
    }

  private:
    QTemporaryDir folder_;
    std::unique_ptr<kv::FormMain> form_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds of "実行" on the 10^8 program, and the instructions it executed.
double TimeRun(Bench& bench, qint64& instructions) {
    QElapsedTimer clock;
    clock.start();
    bench.click("Command4_0");
    QCoreApplication::processEvents();
    instructions = bench.executed();
    return clock.nsecsElapsed() / 1e9;
}

// Seconds of "トレース" on the 10^5 program until the console has shown every line, and the longest
// time the window went without handling its events meanwhile.
double TimeTrace(Bench& bench, int& lines, double& longestGap) {
    bench.clearConsole();
    QElapsedTimer clock, gap;
    QTimer heartbeat;
    longestGap = 0;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, gap.nsecsElapsed() / 1e6);
        gap.restart();
    });
    heartbeat.start(1);
    clock.start();
    gap.start();
    bench.click("Command4_1");
    QCoreApplication::processEvents();
    const double seconds = clock.nsecsElapsed() / 1e9;
    heartbeat.stop();
    lines = bench.consoleLines();
    return seconds;
}

// Milliseconds from the moment "実行終了" is due (200 ms after the start) to the end of the run,
// and from its click to the end.
void TimeStop(Bench& bench, const char* button, double& fromDue, double& fromClick) {
    QElapsedTimer clock, clicked;
    QTimer::singleShot(200, &bench.form(), [&] {
        clicked.start();
        bench.click("Command4_5");
    });
    clock.start();
    bench.click(button);
    fromDue = clock.nsecsElapsed() / 1e6 - 200;
    fromClick = clicked.nsecsElapsed() / 1e6;
}

// Seconds of kavora2-cli on the same program, or a negative number without the tool.
double TimeCli(const QString& program) {
    const QString cli = QStringLiteral(KAVORA_CLI);
    if (!QFileInfo::exists(cli)) return -1;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(cli, {QStringLiteral("run"), program});
    if (!process.waitForFinished(-1)) return -1;
    return clock.nsecsElapsed() / 1e9;
}

// The window's figures before the run loop was rewritten, on the same machine (see README).
constexpr double kPreviousRun = 83.2;        // 実行, M instructions/s
constexpr double kPreviousCli = 85.8;        // kavora2-cli run, M instructions/s
constexpr double kPreviousTrace = 266'133;  // トレース, lines/s

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    Bench bench;

    if (!bench.enterRunMode(ProgramText("loop1e8.cas"))) {
        std::fputs("loop1e8.cas did not assemble\n", stderr);
        return 1;
    }
    // The window and the command line take turns, so that a machine that slows down or speeds up
    // meanwhile weighs on both alike; each round's ratio is kept too.
    std::vector<double> runSeconds, cliSeconds, ratios;
    qint64 instructions = 0;
    const QString program = QDir(QStringLiteral(KAVORA_BENCH_DIR)).filePath(QStringLiteral("loop1e8.cas"));
    for (int i = 0; i < runs; ++i) {
        runSeconds.push_back(TimeRun(bench, instructions));
        if (const double s = TimeCli(program); s > 0) {
            cliSeconds.push_back(s);
            ratios.push_back(s / runSeconds.back());
        }
    }
    const double run = Median(runSeconds);
    std::printf("実行     loop1e8.cas: %lld instructions, median %.3f s of %d = %.1f M instructions/s (before: %.1f)\n",
                static_cast<long long>(instructions), run, runs, instructions / run / 1e6, kPreviousRun);
    if (!cliSeconds.empty()) {
        const double cli = Median(cliSeconds);
        std::printf("cli run  loop1e8.cas: median %.3f s of %d = %.1f M instructions/s (before: %.1f); window/cli %.2f\n",
                    cli, runs, instructions / cli / 1e6, kPreviousCli, cli / run);
        std::printf("         window/cli of each round, median %.2f\n", Median(ratios));
    }

    if (!bench.enterRunMode(ProgramText("loop1e5.cas"))) return 1;
    std::vector<double> traceSeconds;
    int lines = 0;
    double gap = 0, worstGap = 0;
    for (int i = 0; i < runs; ++i) {
        traceSeconds.push_back(TimeTrace(bench, lines, gap));
        worstGap = std::max(worstGap, gap);
    }
    const double trace = Median(traceSeconds);
    std::printf(
        "トレース loop1e5.cas: %d console lines, median %.3f s of %d = %.0f lines/s (before: %.0f); longest wait for "
        "events %.0f ms\n",
        lines, trace, runs, lines / trace, kPreviousTrace, worstGap);

    if (!bench.enterRunMode(kEndless)) return 1;
    double worstDue = 0, worstClick = 0;
    for (const char* button : {"Command4_0", "Command4_1"}) {
        for (int i = 0; i < runs; ++i) {
            double fromDue = 0, fromClick = 0;
            TimeStop(bench, button, fromDue, fromClick);
            worstDue = std::max(worstDue, fromDue);
            worstClick = std::max(worstClick, fromClick);
            bench.clearConsole();
        }
        std::printf("実行終了 of an endless %s: at most %.1f ms after it was due, %.1f ms after its click\n",
                    button == QLatin1String("Command4_0") ? "run" : "trace", worstDue, worstClick);
        worstDue = worstClick = 0;
    }
    return 0;
}
