// The workbench without a window: the program document's save and read rules, the start-up files
// and what closing writes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "RecordingHost.h"
#include "machine/CodePage932.h"
#include "workbench/Workbench.h"

namespace kv::testing {
namespace {

class WorkbenchTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    RecordingHost host;
    Workbench bench{host, folder.path()};

    WorkbenchTest() { bench.LoadSettings(15.0); }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QStringList boxTexts() const {
        QStringList texts;
        for (const Box& box : host.boxes) texts << box.text;
        return texts;
    }
};

const QString kProgram = QStringLiteral("MAIN      START\n          RET                 ;戻る\n          END");

TEST_F(WorkbenchTest, SaveAsWritesHeaderTextAndCrLfInCodePage932AndReadsBackTheSameText) {
    ProgramDocument& doc = bench.document;
    EXPECT_TRUE(doc.untitled());
    EXPECT_EQ(doc.fileName(), QStringLiteral("無題"));
    host.fileAnswers.push_back(path(QStringLiteral("a.cs2")));
    doc.setModified(true);
    ASSERT_TRUE(doc.SaveAs(kProgram));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.fileName(), path(QStringLiteral("a.cs2")));
    EXPECT_EQ(bench.session.settings.recentFiles[0], path(QStringLiteral("a.cs2")));
    ASSERT_EQ(host.fileDialogs.size(), 1);
    EXPECT_EQ(host.fileDialogs[0].title, QStringLiteral("CASLⅡプログラムファイルの保存"));
    EXPECT_EQ(bytes(QStringLiteral("a.cs2")),
              cp932::encode(QStringLiteral(";*** [KavoraⅡ] ***\r\nMAIN      START\r\n          RET                 "
                                           ";戻る\r\n          END\r\n")));
    EXPECT_EQ(doc.ReadProgram(path(QStringLiteral("a.cs2"))), kProgram);
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST_F(WorkbenchTest, SaveAsksBeforeOverwritingAndKeepsTheFileOnNo) {
    ProgramDocument& doc = bench.document;
    write(QStringLiteral("b.cs2"), ";*** [KavoraⅡ] ***\r\nOLD\r\n");
    doc.Shown(path(QStringLiteral("b.cs2")));
    doc.setModified(true);

    host.boxAnswers.push_back(BoxAnswer::No);
    EXPECT_FALSE(doc.Save(kProgram));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("「") + path(QStringLiteral("b.cs2")) +
                                      QStringLiteral("」で上書きしてよろしいですか？")});
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("確認"));
    EXPECT_EQ(host.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(doc.ReadProgram(path(QStringLiteral("b.cs2"))), QStringLiteral("OLD"));
    EXPECT_FALSE(doc.modified());  // answering No still counts as dealt with

    host.boxAnswers.push_back(BoxAnswer::Yes);
    EXPECT_TRUE(doc.Save(kProgram));
    EXPECT_EQ(doc.ReadProgram(path(QStringLiteral("b.cs2"))), kProgram);
    EXPECT_TRUE(host.fileDialogs.isEmpty());
}

TEST_F(WorkbenchTest, SaveOfAnUntitledProgramGoesThroughTheDialogAndACancelWritesNothing) {
    ProgramDocument& doc = bench.document;
    doc.setModified(true);
    EXPECT_FALSE(doc.Save(kProgram));  // the dialog is cancelled
    EXPECT_EQ(host.fileDialogs.size(), 1);
    EXPECT_TRUE(doc.untitled());
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.cs2")}).isEmpty());
}

TEST_F(WorkbenchTest, AFailedWriteIsReportedAndLeavesTheDocumentAsItWas) {
    ProgramDocument& doc = bench.document;
    const QString target = path(QStringLiteral("no/such/folder/c.cs2"));
    host.fileAnswers.push_back(target);
    doc.setModified(true);
    EXPECT_FALSE(doc.SaveAs(kProgram));
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("ディスクエラー"));
    EXPECT_TRUE(doc.untitled());
    EXPECT_TRUE(doc.modified());
}

TEST_F(WorkbenchTest, CommandLineNamesAProgramOnlyWithTheCs2Extension) {
    const struct {
        const char* commandLine;
        const char* program;
    } cases[] = {
        {"", ""},
        {"a.cs2", "a.cs2"},
        {"\"my prog.CS2\"", "my prog.CS2"},
        {"x.Cs2", "x.Cs2"},
        {"a.cas", ""},
        {"a.cs2x", ""},
        {"\"a.cs2", ""},  // an opening quote always takes a character off the end
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramDocument::CommandLineProgram(QString::fromUtf8(c.commandLine)), QString::fromUtf8(c.program))
            << c.commandLine;
}

TEST_F(WorkbenchTest, TheInitialFileIsReadOnlyWhenTheSettingsAskForIt) {
    write(QStringLiteral("初期ファイル.txt"), cp932::encode(QStringLiteral("; 初期\r\n NOP\r\n")));
    Settings& settings = bench.session.settings;
    settings.loadInitialFile = 0;
    settings.firstStart = 0;
    EXPECT_FALSE(bench.document.ReadInitialFile());
    settings.firstStart = 1;
    EXPECT_EQ(bench.document.ReadInitialFile(), QStringLiteral("; 初期\n NOP\n"));
    settings.firstStart = 0;
    settings.loadInitialFile = 1;
    EXPECT_EQ(bench.document.ReadInitialFile(), QStringLiteral("; 初期\n NOP\n"));
    QFile::remove(path(QStringLiteral("初期ファイル.txt")));
    EXPECT_FALSE(bench.document.ReadInitialFile());
}

TEST_F(WorkbenchTest, RecentFileThatCannotBeReadGives701) {
    bench.session.settings.recentFiles[0] = path(QStringLiteral("gone.cs2"));
    EXPECT_FALSE(bench.document.ReadRecentFile(0));
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("指定されたファイルがありません")));
}

TEST_F(WorkbenchTest, UnloadWritesSettingsAndInitialFileThenAsksAboutAModifiedProgram) {
    bench.trace.programLine = true;
    bench.document.setModified(true);
    const struct {
        BoxAnswer answer;
        bool closes;
    } cases[] = {{BoxAnswer::Cancel, false}, {BoxAnswer::No, true}, {BoxAnswer::Yes, false}};
    for (const auto& c : cases) {
        host.boxes.clear();
        host.boxAnswers = {c.answer};
        EXPECT_EQ(bench.Unload(kProgram), c.closes);
        ASSERT_EQ(host.boxes.size(), 1);
        EXPECT_EQ(host.boxes[0].text, QStringLiteral("プログラムが変更されています。\n保存しますか？"));
        EXPECT_EQ(host.boxes[0].buttons, BoxButtons::YesNoCancel);
        // Yes on an untitled program opens the save dialog, which is cancelled: nothing is written
        // and the program stays modified.
        EXPECT_TRUE(bench.document.modified());
    }
    EXPECT_EQ(cp932::decode(bytes(QStringLiteral("初期ファイル.txt"))),
              QString(kProgram).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    Settings reread;
    ASSERT_TRUE(ReadSettings(reread, path(QString::fromLatin1(kSettingsFileName))));
    EXPECT_EQ(reread.trace.options[8], 1);  // CheckPROG

    bench.document.setModified(false);
    host.boxes.clear();
    EXPECT_TRUE(bench.Unload(kProgram));
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST_F(WorkbenchTest, ModesAndTheAssembleCommand) {
    EXPECT_EQ(bench.mode(), Mode::None);
    const AssembleOutcome outcome = bench.Assemble(kProgram);
    EXPECT_EQ(bench.mode(), Mode::Assemble);
    EXPECT_TRUE(outcome.assembled && outcome.linked);
    EXPECT_EQ(bench.session.machine.word(0x8000), 0x8100);  // RET
    bench.session.assembly.locationCounter = 0x8123;
    bench.EnterEditMode();
    EXPECT_EQ(bench.mode(), Mode::Edit);
    EXPECT_EQ(bench.session.assembly.locationCounter, 0x8000);
    EXPECT_TRUE(host.consoleClosed);
}

}  // namespace
}  // namespace kv::testing
