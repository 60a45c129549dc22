// Program files of the main window: saving, the recent files, the files read at start-up, and what
// closing the window writes. The rules are the program document's; the window shows their results.

#include "gui/FormMain.h"
#include "gui/SourceEditor.h"

namespace kv {

bool FormMain::Save() {
    const bool written = bench_.document.Save(edit_.editor->toPlainText());
    if (written) SetWindowTitle(bench_.document.fileName());
    RefreshRecentMenu();
    return written;
}

bool FormMain::SaveAs() {
    const bool written = bench_.document.SaveAs(edit_.editor->toPlainText());
    if (written) SetWindowTitle(bench_.document.fileName());
    RefreshRecentMenu();
    return written;
}

void FormMain::AddRecentFile(const QString& path) {
    bench_.document.AddRecentFile(path);
    RefreshRecentMenu();
}

void FormMain::showProgramText(const QString& path, const QString& text) {
    edit_.editor->setPlainText(text);
    FormatAndCheckAll();
    bench_.document.Shown(path);
    RefreshRecentMenu();
    SetWindowTitle(path);
}

void FormMain::OpenRecentFile(int index) {
    const QString path = bench_.session.settings.recentFiles[index];
    if (const std::optional<QString> text = bench_.document.ReadRecentFile(index)) showProgramText(path, *text);
}

bool FormMain::openCommandLineFile() {
    const QString path = ProgramDocument::CommandLineProgram(startup_.commandLine);
    if (path.isEmpty()) return false;
    const std::optional<QString> text = bench_.document.ReadProgram(path);
    if (!text) return false;
    showProgramText(path, *text);
    return true;
}

void FormMain::loadInitialFile() {
    const std::optional<QString> text = bench_.document.ReadInitialFile();
    if (!text) return;
    edit_.editor->setPlainText(*text);
    FormatAndCheckAll();
}

bool FormMain::Form_Unload() {
    Settings& settings = bench_.session.settings;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        settings.windowTop = twips_.fromPixels(y());
        settings.windowLeft = twips_.fromPixels(x());
        settings.windowWidth = windowWidthTwips();
        settings.windowHeight = windowHeightTwips();
    }
    return bench_.Unload(edit_.editor->toPlainText());
}

}  // namespace kv
