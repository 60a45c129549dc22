#include "workbench/ProgramDocument.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "assembler/Catalogue.h"
#include "host/Host.h"
#include "machine/CodePage932.h"
#include "settings/Settings.h"
#include "workbench/ProgramFile.h"
#include "workbench/RecentFiles.h"

namespace kv {

namespace {

const QString kBoxTitle = QStringLiteral("『KavoraⅡ』");

QString WithCrLf(const QString& text) { return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }

}  // namespace

ProgramDocument::ProgramDocument(Settings& settings, ErrorState& error, Boxes& boxes, FileDialogs& dialogs,
                                 Events& events, QString programFolder)
    : settings_(settings),
      error_(error),
      boxes_(boxes),
      dialogs_(dialogs),
      events_(events),
      programFolder_(std::move(programFolder)),
      dialogFolder_(settings.sourceFolder) {}

QString ProgramDocument::programFolderFile(const QString& name) const { return QDir(programFolder_).filePath(name); }

void ProgramDocument::diskError(const QString& path) {
    boxes_.messageBox(QStringLiteral("ファイルに書き込めませんでした。\n") + QDir::toNativeSeparators(path),
                      QStringLiteral("ディスクエラー"), BoxIcon::Exclamation);
}

void ProgramDocument::Shown(const QString& path) {
    modified_ = false;
    fileName_ = path;
    AddRecentFile(path);
}

void ProgramDocument::AddRecentFile(const QString& path) { kv::AddRecentFile(settings_.recentFiles, path); }

bool ProgramDocument::Save(const QString& text) {
    if (untitled()) {
        const bool written = SaveAs(text);
        modified_ = false;
        return written;
    }
    const BoxAnswer answer =
        boxes_.messageBox(QStringLiteral("「") + fileName_ + QStringLiteral("」で上書きしてよろしいですか？"),
                          QStringLiteral("確認"), BoxIcon::None, BoxButtons::YesNo);
    if (answer == BoxAnswer::Yes && !WriteProgramFile(fileName_, text)) {
        diskError(fileName_);
        return false;
    }
    modified_ = false;
    return answer == BoxAnswer::Yes;
}

bool ProgramDocument::SaveAs(const QString& text) {
    const QString path = dialogs_.chooseSaveFile({QStringLiteral("CASLⅡプログラムファイルの保存"),
                                                  QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2"), dialogFolder_,
                                                  QString()});
    if (path.isEmpty()) return false;
    if (!WriteProgramFile(path, text)) {
        diskError(path);
        return false;
    }
    Shown(path);
    return true;
}

std::optional<QString> ProgramDocument::ReadRecentFile(int index) {
    const std::optional<QString> text = ReadProgram(settings_.recentFiles[index]);
    if (!text) {
        error_.raise(ErrorCode::FileNotFound);
        ReportError(error_, boxes_, ReportStyle::Box);
    }
    return text;
}

QString ProgramDocument::CommandLineProgram(const QString& commandLine) {
    QString path = commandLine;
    if (path.startsWith(QLatin1Char('"'))) path = path.mid(1, path.size() - 2);
    if (path.right(4).toUpper() != QStringLiteral(".CS2")) return QString();
    return path;
}

std::optional<QString> ProgramDocument::ReadProgram(const QString& path) {
    const ProgramText program = ReadProgramFile(path, boxes_);
    if (program.status != 0) return std::nullopt;
    return program.text;
}

std::optional<QString> ProgramDocument::ReadInitialFile() const {
    if (settings_.loadInitialFile != 1 && settings_.firstStart != 1) return std::nullopt;
    QFile file(programFolderFile(QString::fromUtf16(kInitialFileName)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return cp932::decodeTextFile(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool ProgramDocument::WriteInitialFile(const QString& text) const {
    QSaveFile file(programFolderFile(QString::fromUtf16(kInitialFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(cp932::encode(WithCrLf(text)));
    return file.commit();
}

void ProgramDocument::EnterSourceFolder() {
    if (!QDir::setCurrent(settings_.sourceFolder)) {
        settings_.sourceFolder = programFolder_;
        QDir::setCurrent(settings_.sourceFolder);
    }
    dialogFolder_ = settings_.sourceFolder;
}

bool ProgramDocument::ConfirmClose(const QString& text) {
    if (!modified_) return true;
    const BoxAnswer answer = boxes_.messageBox(QStringLiteral("プログラムが変更されています。\n保存しますか？"),
                                               kBoxTitle, BoxIcon::None, BoxButtons::YesNoCancel);
    if (answer == BoxAnswer::Cancel) return false;
    if (answer == BoxAnswer::No) return true;
    // Yes: the window closes once the program is in its file; when nothing was written (the
    // learner cancelled the dialog or declined to overwrite, or the disk refused) it stays open.
    const bool saved = Save(text);
    events_.letEventsRun();
    if (!saved) modified_ = true;
    return saved;
}

}  // namespace kv
