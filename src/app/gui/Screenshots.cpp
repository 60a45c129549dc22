// kavora2-screenshots OUTPUT_FOLDER: starts the workbench exactly as kavora2 does, on a fresh program
// folder holding the files of resources/ and a settings file that loads the initial file (so that
// it starts with the sample program) in a 1000 x 700 window, clicks its buttons and saves pictures
// of the window as the screen shows it:
//   edit-mode.png          the sample program in the editor
//   file-menu.png          the file menu open over it
//   assemble-success.png   after "アセンブル"
//   assemble-failure.png   after "アセンブル" on the sample with two faulty lines
//   edit-after-failure.png back in edit mode, the faulty lines in red
//   find-replace.png       the same after "検索" of LOOP (in blue), the replace window over it
//   title-window.png       the version window of the Help menu
//   run-registers.png      run mode on a second program after "スタート" and eight steps, with a
//                          breakpoint set: the register tab and the highlighted line
//   run-memory.png         the same on the memory tab, its label list at DATA
//   run-step-back.png      the same after "戻る": the addition before it executed last, GR1 and FR
//                          in bold, the run menu open with "1ステップ戻る"
//   console-run.png        the console after "実行" with a line typed for IN and the output
//   trace-options.png      the trace options window with the program line chosen
//   console-trace.png      the console after "トレース"
//   options-dialog.png     the options dialog on its tab "COMETⅡ"
//   dump-window.png        the memory dump window after the run
//   console-dump.png       a radix dump of DATA written into the console
//   file-device.png        the input device window with the virtual file device chosen
//   run-default-size.png   run mode in the default window size (800 x 574) after "スタート" and six
//                          "ステップ": whole program lines beside the tab control
//   run-console-front.png  the screen after "実行" pressed in that window while the console lay
//                          behind it: the console came to the front for IN and shows the run
//   run-counts.png         the main window after the trace: the tool tip of the loop's addition
//                          with its execution count

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "gui/ConsoleEdit.h"
#include "gui/KvStart.h"
#include "gui/QtTranslation.h"
#include "gui/SourceEditor.h"
#include "gui/frmFileIO.h"
#include "gui/frmRun.h"
#include "settings/Settings.h"

namespace {

void Settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Shoot(QWidget& window, const QString& path) {
    Settle(600);
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    const bool saved = picture.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "saved" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
    return saved;
}

// A part of the screen as it shows, windows in their stacking order.
bool ShootScreen(QWidget& anyWindow, const QRect& part, const QString& path) {
    Settle(600);
    const QPixmap picture =
        anyWindow.screen()->grabWindow(0, part.x(), part.y(), part.width(), part.height());
    const bool saved = picture.save(path);
    std::printf("%s %s (%dx%d)\n", saved ? "saved" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
    return saved;
}

// The screen where the window is, with whatever lies over it (a pop-up menu, a dialog in front of it).
bool ShootArea(QWidget& window, const QString& path) {
    return ShootScreen(window, window.frameGeometry(), path);
}

void Click(QWidget& window, const char* name) {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// Reads a name, adds up five words and greets: input, output, a loop and memory worth showing.
const QString kRunProgram = QStringLiteral(
    "; 名前を読み、DATAの5語を合計して、あいさつを表示します。\n"
    "MAIN START\n"
    " IN NAME,LEN ;名前を読む\n"
    " LAD GR1,0 ;合計\n"
    " LAD GR2,0 ;添字\n"
    "LOOP ADDA GR1,DATA,GR2 ;合計に加える\n"
    " LAD GR2,1,GR2\n"
    " CPA GR2,=5\n"
    " JMI LOOP\n"
    " ST GR1,SUM\n"
    " OUT HELLO,HLEN ;あいさつ\n"
    " OUT NAME,LEN ;読んだ名前\n"
    " RET\n"
    "NAME DS 20\n"
    "LEN DS 1\n"
    "HELLO DC 'Hello,'\n"
    "HLEN DC 6\n"
    "DATA DC 10,-3,#00FF,'A',32\n"
    "SUM DS 1\n"
    " END\n");

// Presses the keys of a text and Enter in a widget, as the learner types them.
void TypeLine(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(widget, &enter);
}

// A left click on a widget.
void ClickOn(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

// The tool tip of a widget, as resting the mouse on it shows it.
void ShowToolTip(QWidget* widget) {
    const QPoint inside(widget->width() / 4, widget->height() / 2);
    QHelpEvent help(QEvent::ToolTip, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &help);
}

// Replaces the first occurrence of a text in the editor.
void Replace(QTextEdit& editor, const QString& from, const QString& to) {
    QTextCursor found = editor.document()->find(from);
    if (!found.isNull()) found.insertText(to);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kv::LoadQtTranslation(app);
    if (argc != 2) {
        std::fputs("usage: kavora2-screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    // Absolute: the workbench changes the current folder as it starts.
    const QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QTemporaryDir programFolder;
    const QDir shipped(QStringLiteral(KAVORA_RESOURCES));
    for (const QString& name : {QString::fromUtf16(kv::kInitialFileName), QStringLiteral("KvTemp.txt"),
                                QStringLiteral("Kavora2.htm")})
        QFile::copy(shipped.filePath(name), QDir(programFolder.path()).filePath(name));

    // A settings file that asks for the initial file and a window wide enough for the assembly list.
    kv::Settings settings;
    const kv::Twips twips = kv::Twips::OfScreen();
    kv::SetDefaults(settings, twips.perPixel(), programFolder.path());
    settings.loadInitialFile = 1;
    settings.windowWidth = twips.fromPixels(1000);
    settings.windowHeight = twips.fromPixels(700);
    kv::WriteSettings(settings,
                      QDir(programFolder.path()).filePath(QString::fromLatin1(kv::kSettingsFileName)));

    const std::unique_ptr<kv::FormMain> started = kv::KvStart({programFolder.path(), QString()});
    kv::FormMain& window = *started;
    window.move(0, 0);
    bool ok = Shoot(window, output.filePath(QStringLiteral("edit-mode.png")));

    QMenu* file = window.findChild<QMenu*>(QStringLiteral("mn10"));
    file->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(file->menuAction()).bottomLeft()));
    ok = ShootArea(window, output.filePath(QStringLiteral("file-menu.png"))) && ok;
    file->close();

    Click(window, "Command002");
    ok = Shoot(window, output.filePath(QStringLiteral("assemble-success.png"))) && ok;

    Click(window, "Command001");
    kv::SourceEditor& editor = window.editor();
    Replace(editor, QStringLiteral("GR1,3"), QStringLiteral("GR8,3"));
    Replace(editor, QStringLiteral("RET       "), QStringLiteral("RETURN    "));
    Click(window, "Command002");
    ok = Shoot(window, output.filePath(QStringLiteral("assemble-failure.png"))) && ok;

    Click(window, "Command001");
    ok = Shoot(window, output.filePath(QStringLiteral("edit-after-failure.png"))) && ok;

    // "検索" of LOOP, then "置換" of GR8 by GR1 with its window over the editor; the boxes that
    // report the counts answer themselves.
    kv::GuiHost& host = window.host();
    host.boxHandler = [](const kv::BoxRequest&) { return kv::BoxAnswer::Ok; };
    host.modalHandler = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("LOOP"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    };
    window.findChild<QAction*>(QStringLiteral("mn25"))->trigger();
    host.modalHandler = [&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("GR8"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("GR1"));
        dialog.show();
        dialog.move(window.geometry().right() - dialog.frameGeometry().width() - 20,
                    window.geometry().top() + 300);
        ok = ShootArea(window, output.filePath(QStringLiteral("find-replace.png"))) && ok;
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    };
    window.findChild<QAction*>(QStringLiteral("mn26"))->trigger();

    window.host().modalHandler = [&](QDialog& dialog) {
        dialog.show();
        ok = Shoot(dialog, output.filePath(QStringLiteral("title-window.png"))) && ok;
        dialog.close();
    };
    window.findChild<QAction*>(QStringLiteral("mn93"))->trigger();

    window.host().modalHandler = [&](QDialog& dialog) {
        dialog.findChild<QTabWidget*>(QStringLiteral("SSTab900"))->setCurrentIndex(1);
        dialog.show();
        ok = Shoot(dialog, output.filePath(QStringLiteral("options-dialog.png"))) && ok;
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    };
    window.findChild<QAction*>(QStringLiteral("mn45"))->trigger();

    // Run mode: the boxes of the step modes answer themselves; IN in a step reads "CASL".
    host.inputHandler = [](const QString&, const QString&) { return QStringLiteral("CASL"); };
    editor.setPlainText(kRunProgram);
    window.FormatAndCheckAll();
    Click(window, "Command002");
    Click(window, "Command003");
    ClickOn(window.findChild<QLabel*>(QStringLiteral("Label401_9")));  // ST GR1,SUM
    Click(window, "Command4_2");
    for (int i = 0; i < 8; ++i) Click(window, "Command4_3");
    ok = Shoot(window, output.filePath(QStringLiteral("run-registers.png"))) && ok;
    window.findChild<QTabWidget*>(QStringLiteral("SSTab400"))->setCurrentIndex(1);
    auto* labels = window.findChild<QComboBox*>(QStringLiteral("Combo460"));
    const int data = labels->findText(QStringLiteral("DATA"), Qt::MatchContains);
    labels->setCurrentIndex(data);
    emit labels->activated(data);
    ok = Shoot(window, output.filePath(QStringLiteral("run-memory.png"))) && ok;
    window.findChild<QTabWidget*>(QStringLiteral("SSTab400"))->setCurrentIndex(0);
    Click(window, "CommandStepBack");
    QMenu* runMenu = window.findChild<QMenu*>(QStringLiteral("mn50"));
    runMenu->popup(
        window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(runMenu->menuAction()).bottomLeft()));
    ok = ShootArea(window, output.filePath(QStringLiteral("run-step-back.png"))) && ok;
    runMenu->close();

    // "実行" without the breakpoint: the console asks for the name, which comes typed 0.3 s later.
    Click(window, "Command4_5");
    window.findChild<QAction*>(QStringLiteral("mn5A"))->trigger();
    QTimer::singleShot(300, &window,
                       [&host] { TypeLine(&host.console()->console(), QStringLiteral("Kavora")); });
    Click(window, "Command4_0");
    kv::frmRun& console = *host.console();
    console.move(40, 60);
    ok = Shoot(console, output.filePath(QStringLiteral("console-run.png"))) && ok;

    // "トレース" with the program line in the records, on a cleared console.
    host.modalHandler = [&](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckPROG"))->setChecked(true);
        dialog.show();
        ok = Shoot(dialog, output.filePath(QStringLiteral("trace-options.png"))) && ok;
        dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QTimer::singleShot(300, &window,
                           [&host] { TypeLine(&host.console()->console(), QStringLiteral("CASL")); });
    };
    console.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    Click(window, "Command4_1");
    console.resize(1000, 520);
    ok = Shoot(console, output.filePath(QStringLiteral("console-trace.png"))) && ok;

    host.modalHandler = [&](QDialog& dialog) {
        dialog.show();
        dialog.move(20, 40);
        ok = Shoot(dialog, output.filePath(QStringLiteral("dump-window.png"))) && ok;
        dialog.close();
    };
    window.findChild<QAction*>(QStringLiteral("mn55"))->trigger();

    // A radix dump of the five words from DATA, chosen in the label list, on a cleared console.
    console.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    host.modalHandler = [&](QDialog& dialog) {
        auto* labelList = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
        const int entry = labelList->findText(QStringLiteral("DATA"), Qt::MatchContains);
        labelList->setCurrentIndex(entry);
        emit labelList->activated(entry);
        dialog.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("6"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    };
    console.findChild<QPushButton*>(QStringLiteral("Command7"))->click();
    console.resize(760, 300);
    ok = Shoot(console, output.filePath(QStringLiteral("console-dump.png"))) && ok;

    host.modalHandler = [&](QDialog& dialog) {
        auto& device = static_cast<kv::frmFileIO&>(dialog);
        device.findChild<QRadioButton*>(QStringLiteral("Option2_1"))->click();
        device.recordText().setPlainText(
            QStringLiteral("[Kavora]\n[CASL II]\n[END]\n\n[テストしないレコード]\n"));
        dialog.show();
        dialog.move(20, 40);
        ok = Shoot(dialog, output.filePath(QStringLiteral("file-device.png"))) && ok;
        dialog.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    };
    window.findChild<QAction*>(QStringLiteral("mn59"))->trigger();

    // The main window in front again: how often the loop's addition ran in the trace.
    console.hide();
    window.raise();
    window.activateWindow();
    Settle(300);
    ShowToolTip(window.findChild<QLabel*>(QStringLiteral("Label402_5")));  // LOOP ADDA GR1,DATA,GR2
    ok = ShootArea(window, output.filePath(QStringLiteral("run-counts.png"))) && ok;

    // The default window size; steps with the registers the program uses.
    kv::Settings defaults;
    kv::SetDefaults(defaults, twips.perPixel(), programFolder.path());
    window.resize(twips.toPixels(defaults.windowWidth), twips.toPixels(defaults.windowHeight));
    window.raise();
    Click(window, "Command4_2");
    for (int i = 0; i < 6; ++i) Click(window, "Command4_3");
    ok = Shoot(window, output.filePath(QStringLiteral("run-default-size.png"))) && ok;
    Click(window, "Command4_5");

    // The console, cleared, behind the main window; "実行" brings it to the front, where IN waits for
    // the name.
    console.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    console.resize(640, 360);
    console.move(300, 250);
    window.raise();
    window.activateWindow();
    Settle(300);
    QTimer::singleShot(500, &window,
                       [&host] { TypeLine(&host.console()->console(), QStringLiteral("Kavora")); });
    Click(window, "Command4_0");
    const QRect both = window.frameGeometry().united(console.frameGeometry());
    ok = ShootScreen(window, both, output.filePath(QStringLiteral("run-console-front.png"))) && ok;
    return ok ? 0 : 1;
}
