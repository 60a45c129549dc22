// Program files of the main window: new, template, open, merge, save, print, the recent files, the
// files read at start-up, and what closing the window writes. The rules are the program
// document's; the window shows their results.

#include <QElapsedTimer>
#include <QPrinter>

#include "gui/FormMain.h"
#include "gui/Printing.h"
#include "gui/SourceEditor.h"

namespace kv {

void FormMain::New() {
    edit_.editor->clearText();
    edit_.editor->setTypingColour();
    edit_.editor->setFocus();
}

void FormMain::NewFromTemplate() {
    const std::optional<QStringList> lines = bench_.document.ReadTemplate();
    if (!lines) return;
    edit_.editor->clearText();
    QElapsedTimer slice;
    slice.start();
    for (const QString& line : *lines) {
        edit_.editor->AppendColouredLine(line);
        if (slice.elapsed() < 16) continue;
        slice.restart();
        host_.letEventsRun();
    }
    SetWindowTitle(QStringLiteral("新規"));
}

void FormMain::Open() {
    if (const std::optional<OpenedProgram> program = bench_.document.ChooseAndReadProgramFile())
        showProgramText(program->path, program->text);
}

// The file's text follows the editor's text; a line break keeps the last line of the one and the
// first line of the other apart.
void FormMain::Merge() {
    const std::optional<OpenedProgram> program = bench_.document.ChooseAndReadProgramFile();
    if (!program) return;
    QString text = edit_.editor->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    edit_.editor->setPlainText(text + program->text);
    FormatAndCheckAll();
    bench_.document.Merged(program->path);
    RefreshRecentMenu();
    SetWindowTitle(program->path);
}

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

void FormMain::StoreTemplate() { bench_.document.StoreTemplate(edit_.editor->toPlainText()); }

void FormMain::PrintText(const QString& text, const QFont& font) {
    QPrinter printer;
    if (!host_.choosePrinter(printer)) return;
    if (!PrintPlainText(printer, text, font))
        host_.messageBox(QStringLiteral("印刷できませんでした。\nプリンタの設定を確かめてください。"),
                         QStringLiteral("プリンタエラー"), BoxIcon::Exclamation);
}

void FormMain::PrintSource() { PrintText(edit_.editor->toPlainText(), edit_.editor->font()); }

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
