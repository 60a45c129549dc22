// Program files of the main window: saving, the recent files, the files read at start-up, the
// current folder, and what closing the window writes.

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "gui/SourceEditor.h"
#include "machine/CodePage932.h"
#include "workbench/ProgramFile.h"
#include "workbench/RecentFiles.h"
#include "workbench/Session.h"
#include "gui/FormMain.h"

namespace kv {

namespace {

const QString kBoxTitle = QStringLiteral("『KavoraⅡ』");

QString WithCrLf(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

QString FormMain::programFolderFile(const QString& name) const {
    return QDir(startup_.programFolder).filePath(name);
}

void FormMain::diskError(const QString& path) {
    host_.messageBox(QStringLiteral("ファイルに書き込めませんでした。\n") + QDir::toNativeSeparators(path),
                     QStringLiteral("ディスクエラー"), BoxIcon::Exclamation);
}

bool FormMain::Save() {
    if (currentFileName_ == QString::fromUtf16(kUntitled)) {
        const bool written = SaveAs();
        programModified_ = false;
        return written;
    }
    const BoxAnswer answer = host_.messageBox(
        QStringLiteral("「") + currentFileName_ + QStringLiteral("」で上書きしてよろしいですか？"),
        QStringLiteral("確認"), BoxIcon::None, BoxButtons::YesNo);
    if (answer == BoxAnswer::Yes && !WriteProgramFile(currentFileName_, edit_.editor->toPlainText())) {
        diskError(currentFileName_);
        return false;
    }
    programModified_ = false;
    return answer == BoxAnswer::Yes;
}

bool FormMain::SaveAs() {
    const QString path =
        host_.chooseSaveFile({QStringLiteral("CASLⅡプログラムファイルの保存"),
                              QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2"), dialogFolder_, QString()});
    if (path.isEmpty()) return false;
    if (!WriteProgramFile(path, edit_.editor->toPlainText())) {
        diskError(path);
        return false;
    }
    currentFileName_ = path;
    AddRecentFile(path);
    SetWindowTitle(path);
    programModified_ = false;
    return true;
}

void FormMain::AddRecentFile(const QString& path) {
    kv::AddRecentFile(session_.settings.recentFiles, path);
    RefreshRecentMenu();
}

void FormMain::showProgramText(const QString& path, const QString& text) {
    edit_.editor->setPlainText(text);
    FormatAndCheckAll();
    programModified_ = false;
    currentFileName_ = path;
    AddRecentFile(path);
    SetWindowTitle(path);
}

void FormMain::OpenRecentFile(int index) {
    const QString path = session_.settings.recentFiles[index];
    const ProgramText program = ReadProgramFile(path, host_);
    if (program.status != 0) {
        session_.error.raise(ErrorCode::FileNotFound);
        ReportError(session_.error, host_, ReportStyle::Box);
        return;
    }
    showProgramText(path, program.text);
}

bool FormMain::openCommandLineFile() {
    QString path = startup_.commandLine;
    if (path.isEmpty()) return false;
    if (path.startsWith(QLatin1Char('"'))) path = path.mid(1, path.size() - 2);
    if (path.right(4).toUpper() != QStringLiteral(".CS2")) return false;
    const ProgramText program = ReadProgramFile(path, host_);
    if (program.status != 0) return false;
    showProgramText(path, program.text);
    return true;
}

void FormMain::loadInitialFile() {
    if (session_.settings.loadInitialFile != 1 && session_.settings.firstStart != 1) return;
    QFile file(programFolderFile(QString::fromUtf16(kInitialFileName)));
    if (!file.open(QIODevice::ReadOnly)) return;
    QString text = cp932::decodeTextFile(file.readAll());
    edit_.editor->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    FormatAndCheckAll();
}

void FormMain::enterSourceFolder() {
    Settings& settings = session_.settings;
    if (QDir::setCurrent(settings.sourceFolder)) return;
    settings.sourceFolder = startup_.programFolder;
    QDir::setCurrent(settings.sourceFolder);
}

bool FormMain::writeInitialFile() {
    QSaveFile file(programFolderFile(QString::fromUtf16(kInitialFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(cp932::encode(WithCrLf(edit_.editor->toPlainText())));
    return file.commit();
}

bool FormMain::Form_Unload() {
    Settings& settings = session_.settings;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        settings.windowTop = twips_.fromPixels(y());
        settings.windowLeft = twips_.fromPixels(x());
        settings.windowWidth = windowWidthTwips();
        settings.windowHeight = windowHeightTwips();
    }
    settings.trace = trace_.stored();
    WriteSettings(settings, programFolderFile(QString::fromLatin1(kSettingsFileName)));
    if (!writeInitialFile())
        host_.messageBox(QStringLiteral("初期設定ファイルを書き込めませんでした。"), kBoxTitle,
                         BoxIcon::None);
    if (!programModified_) return true;
    const BoxAnswer answer =
        host_.messageBox(QStringLiteral("プログラムが変更されています。\n保存しますか？"), kBoxTitle,
                         BoxIcon::None, BoxButtons::YesNoCancel);
    if (answer == BoxAnswer::Cancel) return false;
    if (answer == BoxAnswer::No) return true;
    // Yes: the window closes once the program is in its file; when nothing was written (the
    // learner cancelled the dialog or declined to overwrite, or the disk refused) it stays open.
    const bool saved = Save();
    host_.letEventsRun();
    if (!saved) programModified_ = true;
    return saved;
}

}  // namespace kv
