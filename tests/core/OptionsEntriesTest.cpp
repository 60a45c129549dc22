// The options dialog's core: its controls filled from the settings, and Apply, which checks every
// entry first and changes nothing when one is wrong.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "RecordingHost.h"
#include "settings/OptionsEntries.h"
#include "settings/Settings.h"

using namespace kv;
using kv::testing::RecordingHost;

namespace {

class OptionsApply : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        SetDefaults(settings, 15.0, folder.path());
        EntriesFromSettings(settings, entries);
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir folder, other;
    Settings settings;
    OptionsEntries entries;
    ErrorState error;
    RecordingHost host;

  private:
    QString previous_;
};

// Every entry changed from its setting, all of them valid.
void ChangeEverything(OptionsEntries& e, const QString& folder) {
    e.editorKind = 2;
    e.maximiseAtStart = true;
    e.loadInitialFile = true;
    e.sourceFolder = folder;
    e.userStart = QStringLiteral("#9000");
    e.initialValue = QStringLiteral("#0000");
    e.conversionComments = false;
    e.fNotation = false;
    e.autoSpeed = 10;
    e.systemCommand = QStringLiteral("leng 1,12");
}

}  // namespace

TEST_F(OptionsApply, EntriesFromTheSettings) {
    EXPECT_EQ(entries.editorKind, 1);
    EXPECT_FALSE(entries.maximiseAtStart);
    EXPECT_FALSE(entries.loadInitialFile);
    EXPECT_EQ(entries.sourceFolder, folder.path());
    EXPECT_EQ(entries.userStart, QStringLiteral("#8000"));
    EXPECT_EQ(entries.initialValue, QStringLiteral("#7FFF"));
    EXPECT_TRUE(entries.conversionComments);
    EXPECT_TRUE(entries.fNotation);
    EXPECT_EQ(entries.autoSpeed, 7);
    EXPECT_TRUE(entries.systemCommand.isEmpty());
    EXPECT_EQ(UserEndText(entries.userStart), QStringLiteral("#8FFF"));
    EXPECT_EQ(UserEndText(QStringLiteral("#9000")), QStringLiteral("#9FFF"));
    EXPECT_EQ(UserEndText(QStringLiteral("#9001")), QString());

    settings.editorKind = 3;
    EXPECT_EQ(EntriesFromSettings(settings, entries), 1);
    EXPECT_EQ(entries.editorKind, 1);
}

TEST_F(OptionsApply, ValidEntriesChangeEverySettingAndTheCurrentFolder) {
    ChangeEverything(entries, other.path());
    EXPECT_EQ(ApplyOptions(entries, settings, error, host), ApplyOutcome::Applied);
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(settings.editorKind, 2);
    EXPECT_EQ(settings.maximiseAtStart, 1);
    EXPECT_EQ(settings.loadInitialFile, 1);
    EXPECT_EQ(settings.sourceFolder, other.path());
    EXPECT_EQ(QDir::current(), QDir(other.path()));
    EXPECT_EQ(settings.userStart, 0x9000);
    EXPECT_EQ(settings.userEnd(), 0x9FFF);
    EXPECT_EQ(settings.initialValue, 0);
    EXPECT_EQ(settings.conversionComments, 0);
    EXPECT_EQ(settings.fNotationInRunMode, 0);
    EXPECT_EQ(settings.autoSpeed, 10);
    EXPECT_EQ(settings.labelWidth, 12);
}

// Each wrong entry shows its box (or leaves its system command error) and changes nothing, even
// when every other entry is valid and changed.
TEST_F(OptionsApply, AWrongEntryChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(OptionsEntries&)> spoil;
        QString box;
        int error;
    };
    const QString folderBox = QStringLiteral("指定されたフォルダが存在しません。");
    const QString startBox = QStringLiteral("先頭アドレスが不正です");
    const QString initialBox = QStringLiteral("GRの初期値が不正です");
    const Case cases[] = {
        {"missing folder", [](OptionsEntries& e) { e.sourceFolder += QStringLiteral("/nothere"); }, folderBox,
         0},
        {"empty folder", [](OptionsEntries& e) { e.sourceFolder.clear(); }, folderBox, 0},
        {"start #9001", [](OptionsEntries& e) { e.userStart = QStringLiteral("#9001"); }, startBox, 0},
        {"start #FFFF", [](OptionsEntries& e) { e.userStart = QStringLiteral("#FFFF"); }, startBox, 0},
        {"start without #", [](OptionsEntries& e) { e.userStart = QStringLiteral("8000"); }, startBox, 0},
        {"start lower case", [](OptionsEntries& e) { e.userStart = QStringLiteral("#8abc"); }, startBox, 0},
        {"start empty", [](OptionsEntries& e) { e.userStart.clear(); }, startBox, 0},
        {"start negative", [](OptionsEntries& e) { e.userStart = QStringLiteral("-1"); }, startBox, 0},
        {"start huge", [](OptionsEntries& e) { e.userStart = QStringLiteral("#100000"); }, startBox, 0},
        {"initial letters", [](OptionsEntries& e) { e.initialValue = QStringLiteral("abc"); }, initialBox, 0},
        {"initial empty", [](OptionsEntries& e) { e.initialValue.clear(); }, initialBox, 0},
        {"initial decimal", [](OptionsEntries& e) { e.initialValue = QStringLiteral("-1"); }, initialBox, 0},
        {"unknown command", [](OptionsEntries& e) { e.systemCommand = QStringLiteral("size 3"); }, QString(),
         1001},
        {"command parameter", [](OptionsEntries& e) { e.systemCommand = QStringLiteral("leng 1,7"); },
         QString(), 1002},
    };
    for (const Case& c : cases) {
        Settings s = settings;
        RecordingHost boxes;
        ErrorState e;
        OptionsEntries changed = entries;
        ChangeEverything(changed, other.path());
        c.spoil(changed);
        const QString before = QDir::currentPath();
        EXPECT_EQ(ApplyOptions(changed, s, e, boxes), ApplyOutcome::Refused) << c.name;
        EXPECT_EQ(e.number(), c.error) << c.name;
        if (c.box.isEmpty()) {
            EXPECT_TRUE(boxes.boxes.isEmpty()) << c.name;
        } else {
            ASSERT_EQ(boxes.boxes.size(), 1) << c.name;
            EXPECT_EQ(boxes.boxes[0].text, c.box) << c.name;
            EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("『KavoraⅡ』")) << c.name;
        }
        EXPECT_EQ(s.editorKind, 1) << c.name;
        EXPECT_EQ(s.loadInitialFile, 0) << c.name;
        EXPECT_EQ(s.sourceFolder, folder.path()) << c.name;
        EXPECT_EQ(s.userStart, 0x8000) << c.name;
        EXPECT_EQ(s.initialValue, 0x7FFF) << c.name;
        EXPECT_EQ(s.autoSpeed, 7) << c.name;
        EXPECT_EQ(s.labelWidth, 10) << c.name;
        EXPECT_EQ(QDir::currentPath(), before) << c.name;
    }
}

TEST_F(OptionsApply, AnIgnoredCommandLetsTheRestApply) {
    entries.userStart = QStringLiteral("#0000");
    entries.systemCommand = QStringLiteral("leng");
    EXPECT_EQ(ApplyOptions(entries, settings, error, host), ApplyOutcome::Applied);
    EXPECT_EQ(settings.userStart, 0);
    EXPECT_FALSE(error.isSet());
}
