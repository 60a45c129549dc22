#pragma once
// The program in the editor as a file: its name ("無題" until it is read or saved), whether it
// changed since, the save rules with their questions, the recent files, the program file named on
// the command line, the initial file of the program folder and the source folder. The editor's text
// itself stays with the window, which hands it in and shows what comes back.

#include <QString>
#include <optional>

namespace kv {

struct Settings;
struct ErrorState;
class Boxes;
class Events;
class FileDialogs;

// Names of the program's own files in the program folder.
inline constexpr char16_t kInitialFileName[] = u"初期ファイル.txt";
inline constexpr char16_t kUntitled[] = u"無題";

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

    // A program file was read into the editor: it becomes the document, unmodified, and moves to
    // the front of the recent files.
    void Shown(const QString& path);
    void AddRecentFile(const QString& path);

    // Save: an untitled program goes to SaveAs; otherwise the overwrite question, and on Yes the
    // file is written. True when the file was written; a disk error is reported in a box.
    bool Save(const QString& text);
    // SaveAs: the save dialog, then the file; the document takes the new name. A cancelled dialog
    // is a quiet abandon (false).
    bool SaveAs(const QString& text);

    // The text of recent file i (0 to 3); nothing, after the 701 box, when it cannot be read.
    std::optional<QString> ReadRecentFile(int index);
    // The program file the command line names: surrounding double quotes removed; only names ending
    // in ".CS2" in any case count. Empty when the command line names none.
    static QString CommandLineProgram(const QString& commandLine);
    // The text of the program file, read with the notice for a file without the header line;
    // nothing when it cannot be read.
    std::optional<QString> ReadProgram(const QString& path);
    // The initial file's text when the settings ask for it at start-up (or at the first start);
    // nothing when they do not or the file cannot be read.
    std::optional<QString> ReadInitialFile() const;
    // Writes the editor's text into the initial file, code page 932 with CR LF.
    bool WriteInitialFile(const QString& text) const;
    // The source folder becomes the current folder; one that does not exist falls back to the
    // program folder, which the settings then keep.
    void EnterSourceFolder();

    // The window closes: for a modified program the question whether to save it. True when the
    // window may close (No, or Yes and the file was written).
    bool ConfirmClose(const QString& text);

private:
    QString programFolderFile(const QString& name) const;
    void diskError(const QString& path);

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
