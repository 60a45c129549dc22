#include "workbench/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// The installation's share/kavora2 folder relative to its bin folder; the build sets it from the
// install directories.
#ifndef KAVORA_DATA_FROM_BIN
#define KAVORA_DATA_FROM_BIN "../share/kavora2"
#endif

namespace kv {

namespace {

const QString& initialFileName() {
    return ShippedFileNames().first();
}
const QString& helpPageName() {
    return ShippedFileNames().last();
}

bool holdsShippedFiles(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(initialFileName())).isFile();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces target by a copy of source (QFile::copy never overwrites).
bool replaceWithCopy(const QString& source, const QString& target) {
    if (QFileInfo::exists(target) && !QFile::remove(target)) return false;
    if (!QFile::copy(source, target)) return false;
    // A copy from a read-only installation is read-only too; the learner's copy must be writable.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    return true;
}

}  // namespace

const QStringList& ShippedFileNames() {
    static const QStringList names{QStringLiteral("初期ファイル.txt"), QStringLiteral("KvTemp.txt"),
                                   QStringLiteral("Kavora2.htm")};
    return names;
}

QString ShippedFilesFolder(const ProgramFolderPlaces& places) {
    QStringList candidates{places.executableFolder, places.installedDataFolder};
    candidates += places.systemDataFolders;
    for (const QString& folder : candidates)
        if (holdsShippedFiles(folder)) return folder;
    return QString();
}

QString ChooseProgramFolder(const ProgramFolderPlaces& places) {
    const bool installed =
        !holdsShippedFiles(places.executableFolder) && holdsShippedFiles(places.installedDataFolder);
    if (places.executableFolderWritable && !installed) return places.executableFolder;
    QDir().mkpath(places.userDataFolder);
    const QString shipped = ShippedFilesFolder(places);
    if (!shipped.isEmpty()) SeedProgramFolder(places.userDataFolder, shipped);
    return places.userDataFolder;
}

bool SeedProgramFolder(const QString& folder, const QString& shipped) {
    bool ok = true;
    for (const QString& name : ShippedFileNames()) {
        const QString source = QDir(shipped).filePath(name);
        const QString target = QDir(folder).filePath(name);
        if (!QFileInfo::exists(source)) continue;
        const bool missing = !QFileInfo::exists(target);
        const bool stale = name == helpPageName() && !missing && contentsOf(source) != contentsOf(target);
        if (missing || stale) ok = replaceWithCopy(source, target) && ok;
    }
    return ok;
}

ProgramFolderPlaces ProgramFolderPlacesOfProcess() {
    ProgramFolderPlaces places;
    places.executableFolder = QCoreApplication::applicationDirPath();
    places.executableFolderWritable = QFileInfo(places.executableFolder).isWritable();
    places.installedDataFolder =
        QDir::cleanPath(QDir(places.executableFolder).filePath(QStringLiteral(KAVORA_DATA_FROM_BIN)));
    places.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.systemDataFolders << QDir(data).filePath(QStringLiteral("kavora2"));
    return places;
}

QString ProgramFolder() {
    return ChooseProgramFolder(ProgramFolderPlacesOfProcess());
}

}  // namespace kv
