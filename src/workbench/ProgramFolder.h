#pragma once
// The program folder: where the workbench keeps its settings file "Kavora2.inis", the initial file
// "初期ファイル.txt", the template "KvTemp.txt" and the help page "Kavora2.htm".
//
// A copy of the workbench that lives in a folder of its own (the build folder, an unpacked copy on
// a stick) keeps them beside its executable. An installed workbench (its executable in bin/, the
// shipped files in share/kavora2/) or one whose folder cannot be written keeps them in the user's
// own data folder, which receives a copy of the shipped files on first start.

#include <QString>
#include <QStringList>

namespace kv {

// The files shipped with the workbench: the initial file, the template and the help page.
const QStringList& ShippedFileNames();

// Where the program folder and the shipped files are looked for.
struct ProgramFolderPlaces {
    QString executableFolder;
    bool executableFolderWritable = false;
    QString installedDataFolder;    // share/kavora2 of the installation the executable belongs to
    QString userDataFolder;         // the user's own data folder for the workbench
    QStringList systemDataFolders;  // further folders that may hold the shipped files
};

// The first folder that holds the shipped initial file: the executable's folder, the installed data
// folder, the system data folders in their order. Empty when there is none.
QString ShippedFilesFolder(const ProgramFolderPlaces& places);

// The executable's folder when it can be written and is not an installation's bin folder (the
// shipped files lie in the installed data folder, not beside it); else the user data folder,
// created when missing and seeded from the shipped files.
QString ChooseProgramFolder(const ProgramFolderPlaces& places);

// Copies the shipped files from shipped into folder. The initial file and the template belong to
// the learner from then on and are copied only when missing; the help page is replaced when it
// differs from the shipped one. Returns false when a file could not be copied.
bool SeedProgramFolder(const QString& folder, const QString& shipped);

// The places of this process: the executable's folder, the share/kavora2 folder of its
// installation, QStandardPaths' application data folder and the system's data folders.
ProgramFolderPlaces ProgramFolderPlacesOfProcess();

// ChooseProgramFolder for this process.
QString ProgramFolder();

}  // namespace kv
