// kavora2-screenshots OUTPUT_FOLDER: starts the workbench exactly as kavora2 does, on a fresh program
// folder holding the files of resources/ and a settings file that loads the initial file (so that
// it starts with the sample program) in a 1000 x 700 window, clicks its buttons and saves pictures
// of the window as the screen shows it:
//   edit-mode.png          the sample program in the editor
//   assemble-success.png   after "アセンブル"
//   assemble-failure.png   after "アセンブル" on the sample with two faulty lines
//   edit-after-failure.png back in edit mode, the faulty lines in red
//   title-window.png       the version window of the Help menu

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>
#include <cstdio>

#include "editor/gui/SourceEditor.h"
#include "settings/Settings.h"
#include "workbench/gui/KvStart.h"

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

void Click(QWidget& window, const char* name) {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// Replaces the first occurrence of a text in the editor.
void Replace(QTextEdit& editor, const QString& from, const QString& to) {
    QTextCursor found = editor.document()->find(from);
    if (!found.isNull()) found.insertText(to);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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

    const std::unique_ptr<kv::Workbench> workbench = kv::KvStart({programFolder.path(), QString()});
    kv::FormMain& window = workbench->window();
    window.move(0, 0);
    bool ok = Shoot(window, output.filePath(QStringLiteral("edit-mode.png")));

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

    window.host().modalHandler = [&](QDialog& dialog) {
        dialog.show();
        ok = Shoot(dialog, output.filePath(QStringLiteral("title-window.png"))) && ok;
        dialog.close();
    };
    window.findChild<QAction*>(QStringLiteral("mn93"))->trigger();
    return ok ? 0 : 1;
}
