#pragma once
// The program in the editor as a file: its name ("無題" until it is read or saved), whether it
// changed since, the open, merge, save and template rules with their dialogs and questions, the
// recent files, the program file named on the command line, the initial file of the program folder,
// the source folder and the files of the listings. The editor's text itself stays with the window,
// which hands it in and shows what comes back.

#include <QString>
#include <QStringList>
#include <optional>

#include "machine/CodePage932.h"

namespace kv {

struct Settings;
struct ErrorState;
class Boxes;
class Events;
class FileDialogs;

// Names of the program's own files in the program folder.
inline constexpr char16_t kInitialFileName[] = u"初期ファイル.txt";
inline constexpr char16_t kTemplateFileName[] = u"KvTemp.txt";
inline constexpr char16_t kHelpFileName[] = u"Kavora2.htm";
inline constexpr char16_t kUntitled[] = u"無題";

// A program file read for the editor, with the path it came from.
struct OpenedProgram {
    QString path;
    QString text;
};

class ProgramDocument {
public:
    ProgramDocument(Settings& settings, ErrorState& error, Boxes& boxes, FileDialogs& dialogs, Events& events,
                    QString programFolder);

    // The file's path, or "無題".
    const QString& fileName() const { return fileName_; }
    bool untitled() const { return fileName_ == QString::fromUtf16(kUntitled); }
    // ProgramModified: the text changed since it was last read or written.
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // The folder the file dialogs open in.
    const QString& dialogFolder() const { return dialogFolder_; }
    const QString& programFolder() const { return programFolder_; }

    // A program file was read into the editor: it becomes the document, unmodified, and moves to
    // the front of the recent files.
    void Shown(const QString& path);
    // A program file was merged into the text: it becomes the document's name and moves to the
    // front of the recent files; the text counts as modified.
    void Merged(const QString& path);
    void AddRecentFile(const QString& path);

    // Open and Merge: the open dialog, then the file; nothing after a cancel (quietly) or when the
    // file cannot be read (with a box that says why).
    std::optional<OpenedProgram> ChooseAndReadProgramFile();
    // The text of recent file i (0 to 3); nothing, after a box (701 for a missing file), when it
    // cannot be read.
    std::optional<QString> ReadRecentFile(int index);
    // The program file the command line names: surrounding double quotes removed; only names ending
    // in ".CS2" in any case count. Empty when the command line names none.
    static QString CommandLineProgram(const QString& commandLine);
    // The text of the program file, read with the notice for a file without the header line;
    // nothing when it cannot be read, which the start-up passes over in silence.
    std::optional<QString> ReadProgram(const QString& path);

    // Save: an untitled program goes to SaveAs; otherwise the overwrite question, and on Yes the
    // file is written. True when the file was written; a disk error is reported in a box.
    bool Save(const QString& text);
    // SaveAs: the save dialog, then the file; the document takes the new name. A cancelled dialog
    // is a quiet abandon (false).
    bool SaveAs(const QString& text);

    // The lines of the template file; nothing, after a box, when it cannot be read.
    std::optional<QStringList> ReadTemplate();
    // The text and a line break into the template file, without a header line; true when written.
    bool StoreTemplate(const QString& text);

    // The initial file's text when the settings ask for it at start-up (or at the first start);
    // nothing when they do not or the file cannot be read.
    std::optional<QString> ReadInitialFile() const;
    // Writes the editor's text into the initial file with CR LF, in code page 932 or, for a text
    // the code page cannot store, UTF-8 with a byte order mark.
    bool WriteInitialFile(const QString& text) const;
    // The source folder becomes the current folder; one that does not exist falls back to the
    // program folder, which the settings then keep.
    void EnterSourceFolder();
    // The help page: in the current (source) folder, else in the program folder; empty when
    // neither holds it.
    QString HelpPage() const;

    // The file name a listing is proposed under: the program's path without its extension.
    QString ProposedListName() const;
    // "リスト保存": the save dialog for the listing kind ("asm", "alt" or "afk"), then the list and a
    // line break. True when written; a cancelled dialog is a quiet abandon.
    bool SaveList(const QString& kind, const QString& list);

    // The window closes: for a modified program the question whether to save it. True when the
    // window may close (No, or Yes and the file was written).
    bool ConfirmClose(const QString& text);

private:
    QString programFolderFile(const QString& name) const;
    // The encoding for a file of the text: code page 932, or after the learner agrees UTF-8 with a
    // byte order mark; nothing when the learner declines.
    std::optional<cp932::FileEncoding> ChooseEncoding(const QString& text);
    // Writes the contents of a file made from the text (whose lines the question names) in the
    // chosen encoding; a failure is reported in a box.
    bool Write(const QString& path, const QString& text, const QString& contents);
    void readError(const QString& text);

    Settings& settings_;
    ErrorState& error_;
    Boxes& boxes_;
    FileDialogs& dialogs_;
    Events& events_;
    QString programFolder_;
    QString fileName_ = QString::fromUtf16(kUntitled);
    bool modified_ = false;
    QString dialogFolder_;
};

}  // namespace kv
