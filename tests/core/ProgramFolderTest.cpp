// Where the workbench keeps its own files: beside a portable copy's executable, or in the user's
// data folder for an installed or read-only copy, seeded from the shipped files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "workbench/ProgramFolder.h"

namespace kv {
namespace {

class ProgramFolderTest : public ::testing::Test {
  protected:
    QTemporaryDir root;

    QString path(const QString& relative) const { return QDir(root.path()).filePath(relative); }

    void write(const QString& relative, const QByteArray& contents) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // The three shipped files in a folder, each holding its name and a tag.
    void ship(const QString& folder, const QByteArray& tag) const {
        for (const QString& name : ShippedFileNames())
            write(folder + QLatin1Char('/') + name, name.toUtf8() + tag);
    }
    ProgramFolderPlaces places(bool writable) const {
        ProgramFolderPlaces p;
        p.executableFolder = path(QStringLiteral("prefix/bin"));
        p.executableFolderWritable = writable;
        p.installedDataFolder = path(QStringLiteral("prefix/share/kavora2"));
        p.userDataFolder = path(QStringLiteral("home/.local/share/Kavora2"));
        p.systemDataFolders = {path(QStringLiteral("usr/share/kavora2"))};
        QDir().mkpath(p.executableFolder);
        return p;
    }
};

TEST_F(ProgramFolderTest, ChoosesTheExecutablesFolderOnlyForAWritablePortableCopy) {
    struct Case {
        const char* name;
        bool writable;
        bool besideExecutable, installed, system;
        const char* expectedFolder;  // "bin" or "user"
        const char* seededFrom;      // tag of the files in the user folder, "" for none
    };
    const Case cases[] = {
        {"build folder with the files beside it", true, true, false, false, "bin", ""},
        {"writable folder without any shipped files", true, false, false, false, "bin", ""},
        {"portable copy next to an installation", true, true, true, true, "bin", ""},
        {"installation in a writable prefix", true, false, true, true, "user", "installed"},
        {"installation in a system prefix", false, false, true, true, "user", "installed"},
        {"read-only portable copy", false, true, false, true, "user", "beside"},
        {"read-only executable, files only in the system's data", false, false, false, true, "user",
         "system"},
        {"read-only executable and nothing shipped", false, false, false, false, "user", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(root.path()).removeRecursively();
        QDir().mkpath(root.path());
        const ProgramFolderPlaces p = places(c.writable);
        if (c.besideExecutable) ship(p.executableFolder, "beside");
        if (c.installed) ship(p.installedDataFolder, "installed");
        if (c.system) ship(p.systemDataFolders.first(), "system");

        const QString folder = ChooseProgramFolder(p);
        const bool user = QByteArray(c.expectedFolder) == "user";
        EXPECT_EQ(folder, user ? p.userDataFolder : p.executableFolder);
        EXPECT_EQ(QFileInfo(p.userDataFolder).isDir(), user);
        for (const QString& name : ShippedFileNames()) {
            const QString copy = QDir(p.userDataFolder).filePath(name);
            if (QByteArray(c.seededFrom).isEmpty()) {
                EXPECT_FALSE(QFileInfo::exists(copy)) << qPrintable(name);
            } else {
                EXPECT_EQ(read(QDir(root.path()).relativeFilePath(copy)), name.toUtf8() + c.seededFrom);
            }
        }
    }
}

TEST_F(ProgramFolderTest, LaterStartsKeepTheLearnersFilesAndRefreshTheHelpPage) {
    const ProgramFolderPlaces p = places(false);
    ship(p.installedDataFolder, "v1");
    ASSERT_EQ(ChooseProgramFolder(p), p.userDataFolder);

    const QString user = QStringLiteral("home/.local/share/Kavora2/");
    write(user + QStringLiteral("初期ファイル.txt"), "the learner's last program");
    write(user + QStringLiteral("KvTemp.txt"), "the learner's template");
    QFile::remove(path(user + QStringLiteral("Kavora2.htm")));
    write(user + QStringLiteral("Kavora2.inis"), "settings");
    ship(p.installedDataFolder, "v2");  // an upgrade of the package

    ASSERT_EQ(ChooseProgramFolder(p), p.userDataFolder);
    EXPECT_EQ(read(user + QStringLiteral("初期ファイル.txt")), "the learner's last program");
    EXPECT_EQ(read(user + QStringLiteral("KvTemp.txt")), "the learner's template");
    EXPECT_EQ(read(user + QStringLiteral("Kavora2.htm")), "Kavora2.htmv2");
    EXPECT_EQ(read(user + QStringLiteral("Kavora2.inis")), "settings");

    ship(p.installedDataFolder, "v3");
    ChooseProgramFolder(p);
    EXPECT_EQ(read(user + QStringLiteral("Kavora2.htm")), "Kavora2.htmv3");
}

TEST_F(ProgramFolderTest, CopiesOfReadOnlyShippedFilesCanBeWritten) {
    const ProgramFolderPlaces p = places(false);
    ship(p.installedDataFolder, "");
    for (const QString& name : ShippedFileNames())
        QFile::setPermissions(QDir(p.installedDataFolder).filePath(name),
                              QFileDevice::ReadOwner | QFileDevice::ReadOther);

    ASSERT_EQ(ChooseProgramFolder(p), p.userDataFolder);
    for (const QString& name : ShippedFileNames())
        EXPECT_TRUE(QFile::permissions(QDir(p.userDataFolder).filePath(name)) & QFileDevice::WriteOwner)
            << qPrintable(name);

    // The help page can be refreshed over its read-only-made copy on the next start.
    for (const QString& name : ShippedFileNames())
        QFile::setPermissions(QDir(p.installedDataFolder).filePath(name),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ship(p.installedDataFolder, "new");
    QFile::setPermissions(QDir(p.userDataFolder).filePath(QStringLiteral("Kavora2.htm")),
                          QFileDevice::ReadOwner);
    EXPECT_TRUE(SeedProgramFolder(p.userDataFolder, p.installedDataFolder));
    EXPECT_EQ(read(QStringLiteral("home/.local/share/Kavora2/Kavora2.htm")), "Kavora2.htmnew");
}

TEST_F(ProgramFolderTest, ShippedFilesAreLookedForBesideTheExecutableFirst) {
    const ProgramFolderPlaces p = places(true);
    EXPECT_EQ(ShippedFilesFolder(p), QString());
    ship(p.systemDataFolders.first(), "");
    EXPECT_EQ(ShippedFilesFolder(p), p.systemDataFolders.first());
    ship(p.installedDataFolder, "");
    EXPECT_EQ(ShippedFilesFolder(p), p.installedDataFolder);
    ship(p.executableFolder, "");
    EXPECT_EQ(ShippedFilesFolder(p), p.executableFolder);
}

}  // namespace
}  // namespace kv
