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

// The mode table: which mode button is yellow and which can be pressed; "E" enabled, "D" disabled,
// "Y" yellow, "F" button face.
QString look(const ModeButtonStates& s) {
    QString text;
    for (const ModeButton& b : {s.edit, s.assemble, s.run})
        text += QString(b.yellow ? QLatin1Char('Y') : QLatin1Char('F')) +
                (b.enabled ? QLatin1Char('E') : QLatin1Char('D')) + QLatin1Char(' ');
    return text.trimmed();
}

TEST(ModeTableTest, EveryRow) {
    struct Row {
        Mode mode;
        int code;
        const char* buttons;  // empty: no row, the buttons stay
    };
    const Row rows[] = {
        {Mode::Edit, 0, "YD FE FD"},     {Mode::Edit, 2, "YD FE FD"},     {Mode::Assemble, 0, "FD YD FD"},
        {Mode::Assemble, 1, "FE YD FD"}, {Mode::Assemble, 2, "FE YD FE"}, {Mode::Assemble, 3, ""},
        {Mode::Run, 0, "FE FE YD"},      {Mode::None, 0, ""},
    };
    for (const Row& row : rows) {
        ModeButtonStates states;
        states.edit.yellow = true;  // a mark that must survive a missing row
        const bool found = ModeTable(row.mode, row.code, states);
        EXPECT_EQ(found, *row.buttons != 0) << int(row.mode) << row.code;
        if (found) EXPECT_EQ(look(states), QLatin1String(row.buttons)) << int(row.mode) << row.code;
        else EXPECT_TRUE(states.edit.yellow);
    }
}

// Back in assemble mode after running, the console window can still run the program: the run locks
// all three mode buttons, and its end gives them back as the table has them ("アセンブル" stays
// disabled and yellow).
TEST_F(WorkbenchTest, TheModeTableHoldsOverTheEndOfARun) {
    const QString program = QStringLiteral(
        "MAIN      START\n          IN        BUF,LEN\n          LAD       GR1,1\n          RET\n"
        "BUF       DS        4\n"
        "LEN       DS        1\n          END");
    ASSERT_TRUE(bench.Assemble(program).linked);
    ASSERT_TRUE(bench.ApplyModeTable(2));
    bench.setMode(Mode::Run);
    ASSERT_TRUE(bench.ApplyModeTable(0));
    bench.run.PrepareRunMode();
    EXPECT_EQ(look(bench.modeButtons()), QStringLiteral("FE FE YD"));
    bench.setMode(Mode::Assemble);
    ASSERT_TRUE(bench.ApplyModeTable(2));
    EXPECT_EQ(look(bench.modeButtons()), QStringLiteral("FE YD FE"));

    QString during;
    host.onWait = [&] {
        during = look(bench.modeButtons());
        bench.run.DeliverConsoleLine(QStringLiteral("ok"));
    };
    for (int i = 0; i < 2; ++i) {
        during.clear();
        if (i == 0) bench.run.RunAll();
        else bench.run.RunTrace();
        EXPECT_EQ(bench.run.lastResult(), step::NormalEnd);
        EXPECT_EQ(during, QStringLiteral("FD YD FD"));
        EXPECT_EQ(look(bench.modeButtons()), QStringLiteral("FE YD FE"));
    }

    // In run mode a breakpoint keeps the lock while the learner steps on; the end of the run lifts it.
    bench.setMode(Mode::Run);
    ASSERT_TRUE(bench.ApplyModeTable(0));
    bench.session.machine.wordKinds[0x800C - 0x8000] |= kind::Breakpoint;  // LAD after the 12 words of IN
    bench.run.RunAll();
    EXPECT_EQ(bench.run.lastResult(), step::Breakpoint);
    EXPECT_EQ(look(bench.modeButtons()), QStringLiteral("FD FD YD"));
    bench.run.NextStep();
    EXPECT_EQ(bench.run.lastResult(), step::NormalEnd);
    EXPECT_EQ(look(bench.modeButtons()), QStringLiteral("FE FE YD"));
}

}  // namespace
}  // namespace kv::testing
