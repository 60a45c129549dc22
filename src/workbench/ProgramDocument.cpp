#include "workbench/ProgramDocument.h"

#include <QDir>
#include <QFileInfo>

#include "assembler/Catalogue.h"
#include "host/Host.h"
#include "settings/Settings.h"
#include "workbench/ProgramFile.h"
#include "workbench/RecentFiles.h"
#include "workbench/TextFiles.h"

namespace kv {

namespace {

const QString kBoxTitle = QStringLiteral("『KavoraⅡ』");
const QString kDiskError = QStringLiteral("ディスクエラー");

QString WithCrLf(const QString& text) { return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }

// The save dialog of each listing: title and filter.
struct ListDialog {
    const char* kind;
    const char16_t* title;
    const char16_t* filter;
};
const ListDialog kListDialogs[] = {
    {"asm", u"アセンブルリストの保存", u"アセンブルファイル（*.asm）|*.asm"},
    {"alt", u"アドレスリストの保存", u"アドレスファイル（*.alt）|*.alt"},
    {"afk", u"F式表記リストの保存", u"F式表記ファイル（*.afk）|*.afk"},
};

// The characters a question about the encoding names, at most this many.
constexpr int kNamedCharacters = 5;

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

void ProgramDocument::readError(const QString& text) {
    boxes_.messageBox(text, kBoxTitle, BoxIcon::Exclamation);
}

void ProgramDocument::Shown(const QString& path) {
    modified_ = false;
    fileName_ = path;
    AddRecentFile(path);
}

void ProgramDocument::Merged(const QString& path) {
    fileName_ = path;
    AddRecentFile(path);
    modified_ = true;
}

void ProgramDocument::AddRecentFile(const QString& path) { kv::AddRecentFile(settings_.recentFiles, path); }

std::optional<OpenedProgram> ProgramDocument::ChooseAndReadProgramFile() {
    const QString path = dialogs_.chooseOpenFile(
        {QStringLiteral("CASLⅡのプログラムファイルを開く"),
         QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2|CASLファイル（*.cas）|*.cas|全てのファイル（*.*）|*.*"),
         dialogFolder_, QString()});
    if (path.isEmpty()) return std::nullopt;
    dialogFolder_ = QFileInfo(path).absolutePath();
    const ProgramText program = ReadProgramFile(path, boxes_);
    if (program.status == 0) return OpenedProgram{path, program.text};
    if (program.read.problem != ReadProblem::None) readError(ReadProblemText(program.read, path));
    return std::nullopt;
}

std::optional<QString> ProgramDocument::ReadRecentFile(int index) {
    const QString& path = settings_.recentFiles[index];
    const ProgramText program = ReadProgramFile(path, boxes_);
    if (program.status == 0) return program.text;
    if (program.read.problem == ReadProblem::Missing || program.read.problem == ReadProblem::None) {
        error_.raise(ErrorCode::FileNotFound);
        ReportError(error_, boxes_, ReportStyle::Box);
    } else {
        readError(ReadProblemText(program.read, path));
    }
    return std::nullopt;
}

QString ProgramDocument::CommandLineProgram(const QString& commandLine) {
    QString path = commandLine;
    if (path.startsWith(QLatin1Char('"'))) path = path.mid(1, path.size() - 2);
    if (path.right(4).toUpper() != QStringLiteral(".CS2")) return QString();
    return path;
}

std::optional<QString> ProgramDocument::ReadProgram(const QString& path) {
    const ProgramText program = ReadProgramFile(path, boxes_);
    if (program.status == 0) return program.text;
    return std::nullopt;
}

std::optional<cp932::FileEncoding> ProgramDocument::ChooseEncoding(const QString& text) {
    const QVector<cp932::UnstorableCharacter> unstorable = cp932::unstorableCharacters(text, kNamedCharacters + 1);
    if (unstorable.isEmpty()) return cp932::FileEncoding::CodePage932;
    QString question = QStringLiteral("次の文字は、シフトJIS（コードページ932）では保存できません。\n");
    for (int i = 0; i < unstorable.size() && i < kNamedCharacters; ++i)
        question += QStringLiteral("　") + QString::number(unstorable[i].line) + QStringLiteral("行目：") +
                    unstorable[i].character + QLatin1Char('\n');
    if (unstorable.size() > kNamedCharacters) question += QStringLiteral("　ほかにもあります。\n");
    question += QStringLiteral("\nUTF-8（BOM付き）で保存しますか？\n「いいえ」を選ぶと、保存しません。");
    const BoxAnswer answer = boxes_.messageBox(question, QStringLiteral("確認"), BoxIcon::Exclamation, BoxButtons::YesNo);
    if (answer != BoxAnswer::Yes) return std::nullopt;
    return cp932::FileEncoding::Utf8WithBom;
}

bool ProgramDocument::Write(const QString& path, const QString& text, const QString& contents) {
    const std::optional<cp932::FileEncoding> encoding = ChooseEncoding(text);
    if (!encoding) return false;
    const WriteProblem problem = WriteTextFile(path, cp932::encodeFile(contents, *encoding));
    if (problem == WriteProblem::None) return true;
    boxes_.messageBox(WriteProblemText(problem, path), kDiskError, BoxIcon::Exclamation);
    return false;
}

bool ProgramDocument::Save(const QString& text) {
    if (untitled()) {
        const bool written = SaveAs(text);
        modified_ = false;
        return written;
    }
    const BoxAnswer answer =
        boxes_.messageBox(QStringLiteral("「") + fileName_ + QStringLiteral("」で上書きしてよろしいですか？"),
                          QStringLiteral("確認"), BoxIcon::None, BoxButtons::YesNo);
    if (answer == BoxAnswer::Yes && !Write(fileName_, text, ProgramFileText(text))) return false;
    modified_ = false;
    return answer == BoxAnswer::Yes;
}

bool ProgramDocument::SaveAs(const QString& text) {
    const QString path = dialogs_.chooseSaveFile({QStringLiteral("CASLⅡプログラムファイルの保存"),
                                                  QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2"), dialogFolder_,
                                                  QString()});
    if (path.isEmpty() || !Write(path, text, ProgramFileText(text))) return false;
    dialogFolder_ = QFileInfo(path).absolutePath();
    Shown(path);
    return true;
}

std::optional<QStringList> ProgramDocument::ReadTemplate() {
    const TextFileRead read = ReadTextFile(programFolderFile(QString::fromUtf16(kTemplateFileName)));
    if (read.problem != ReadProblem::None) {
        boxes_.messageBox(QStringLiteral("テンプレートを読み込めません。"), kBoxTitle, BoxIcon::None);
        return std::nullopt;
    }
    QStringList lines = QString(read.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool ProgramDocument::StoreTemplate(const QString& text) {
    if (!Write(programFolderFile(QString::fromUtf16(kTemplateFileName)), text, WithCrLf(text) + QStringLiteral("\r\n")))
        return false;
    modified_ = false;
    return true;
}

std::optional<QString> ProgramDocument::ReadInitialFile() const {
    if (settings_.loadInitialFile != 1 && settings_.firstStart != 1) return std::nullopt;
    const TextFileRead read = ReadTextFile(programFolderFile(QString::fromUtf16(kInitialFileName)));
    if (read.problem != ReadProblem::None) return std::nullopt;
    return QString(read.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool ProgramDocument::WriteInitialFile(const QString& text) const {
    const QString contents = WithCrLf(text);
    return WriteTextFile(programFolderFile(QString::fromUtf16(kInitialFileName)),
                         cp932::encodeFile(contents, cp932::encodingFor(contents))) == WriteProblem::None;
}

void ProgramDocument::EnterSourceFolder() {
    if (!QDir::setCurrent(settings_.sourceFolder)) {
        settings_.sourceFolder = programFolder_;
        QDir::setCurrent(settings_.sourceFolder);
    }
    dialogFolder_ = settings_.sourceFolder;
}

QString ProgramDocument::HelpPage() const {
    for (const QString& folder : {QDir::currentPath(), programFolder_}) {
        const QString page = QDir(folder).filePath(QString::fromUtf16(kHelpFileName));
        if (QFileInfo(page).isFile()) return page;
    }
    return QString();
}

QString ProgramDocument::ProposedListName() const {
    if (untitled()) return fileName_;
    const QFileInfo file(fileName_);
    return QDir(file.path()).filePath(file.baseName());
}

bool ProgramDocument::SaveList(const QString& kind, const QString& list) {
    for (const ListDialog& dialog : kListDialogs) {
        if (kind != QLatin1String(dialog.kind)) continue;
        const QString path = dialogs_.chooseSaveFile(
            {QString::fromUtf16(dialog.title), QString::fromUtf16(dialog.filter), QString(), ProposedListName()});
        return !path.isEmpty() && Write(path, list, WithCrLf(list) + QStringLiteral("\r\n"));
    }
    return false;
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
