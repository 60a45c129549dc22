// The recent-file list of the file menu.

#include <gtest/gtest.h>

#include "workbench/RecentFiles.h"

namespace kv {
namespace {

TEST(RecentFilesTest, NewPathsPushTheOldestOutAndKnownPathsMoveUp) {
    RecentFileList files;
    AddRecentFile(files, QStringLiteral("a.cs2"));
    EXPECT_EQ(files, (RecentFileList{QStringLiteral("a.cs2"), {}, {}, {}}));
    for (const char* name : {"b.cs2", "c.cs2", "d.cs2", "e.cs2"})
        AddRecentFile(files, QString::fromLatin1(name));
    EXPECT_EQ(files, (RecentFileList{QStringLiteral("e.cs2"), QStringLiteral("d.cs2"),
                                     QStringLiteral("c.cs2"), QStringLiteral("b.cs2")}));

    // Entry 3 moves to the top; entries 1 and 2 shift down; entry 4 stays.
    AddRecentFile(files, QStringLiteral("c.cs2"));
    EXPECT_EQ(files, (RecentFileList{QStringLiteral("c.cs2"), QStringLiteral("e.cs2"),
                                     QStringLiteral("d.cs2"), QStringLiteral("b.cs2")}));
    AddRecentFile(files, QStringLiteral("c.cs2"));
    EXPECT_EQ(files[0], QStringLiteral("c.cs2"));
    EXPECT_EQ(files[1], QStringLiteral("e.cs2"));

    // The comparison is exact: another case is another path.
    AddRecentFile(files, QStringLiteral("C.cs2"));
    EXPECT_EQ(files, (RecentFileList{QStringLiteral("C.cs2"), QStringLiteral("c.cs2"),
                                     QStringLiteral("e.cs2"), QStringLiteral("d.cs2")}));
}

}  // namespace
}  // namespace kv
