// Reading and writing the learner's files: what is refused and why, the encodings, and that a
// failed write leaves the old file as it was.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "RecordingHost.h"
#include "machine/CodePage932.h"
#include "settings/Settings.h"
#include "workbench/ProgramFile.h"
#include "workbench/TextFiles.h"
#include "workbench/Workbench.h"

// Failure messages show the texts themselves.
static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kv::testing {
namespace {

class TextFilesTest : public ::testing::Test {
protected:
    QTemporaryDir folder;

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QString write(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path(name);
    }
    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(TextFilesTest, FilesThatAreNoTextAreRefusedWithTheReason) {
    QDir(folder.path()).mkdir(QStringLiteral("sub.cs2"));
    const struct {
        QString path;
        ReadProblem problem;
        const char16_t* reason;
    } cases[] = {
        {path(QStringLiteral("gone.cs2")), ReadProblem::Missing, u"ファイルが見つかりません。"},
        {path(QStringLiteral("sub.cs2")), ReadProblem::Folder, u"フォルダは開けません。"},
        {write(QStringLiteral("big.cs2"), QByteArray(kMaxTextFileBytes + 1, 'A')), ReadProblem::TooLarge,
         u"ファイルが大きすぎます"},
        {write(QStringLiteral("prog.exe"), QByteArray("MZ\x90\0\3\0\0\0", 8)), ReadProblem::NotText,
         u"テキストファイルではありません。"},
        {write(QStringLiteral("bad.cs2"), QByteArray("; ok\r\n NOP\r\n \x81\x20 bad\r\n")), ReadProblem::BadBytes,
         u"3行目に、シフトJISでもUTF-8でもない文字コードがあります。"},
        {write(QStringLiteral("badbom.cs2"), QByteArray("\xEF\xBB\xBF; a\n\xC3\x28\n")), ReadProblem::BadBytes,
         u"2行目に"},
    };
    for (const auto& c : cases) {
        const TextFileRead read = ReadTextFile(c.path);
        EXPECT_EQ(read.problem, c.problem) << c.path.toStdString();
        EXPECT_TRUE(read.text.isEmpty());
        const QString reason = ReadProblemText(read, c.path);
        EXPECT_TRUE(reason.startsWith(QString::fromUtf16(c.reason))) << reason.toStdString();
        EXPECT_TRUE(reason.endsWith(QDir::toNativeSeparators(c.path)));
    }
    // The largest file that is read, and the encodings that are.
    EXPECT_EQ(ReadTextFile(write(QStringLiteral("max.txt"), QByteArray(kMaxTextFileBytes, 'A'))).problem,
              ReadProblem::None);
    EXPECT_EQ(ReadTextFile(write(QStringLiteral("sjis.txt"), cp932::encode(QStringLiteral("日本Ⅱ")))).text,
              QStringLiteral("日本Ⅱ"));
    EXPECT_EQ(ReadTextFile(write(QStringLiteral("u8.txt"), QStringLiteral("é😀").toUtf8())).text, QStringLiteral("é😀"));
}

TEST_F(TextFilesTest, UnstorableCharactersAreNamedWithTheirLines) {
    const QString text = QStringLiteral("; é\nAB 😀 €\n日本語\n");
    const QVector<cp932::UnstorableCharacter> expected{
        {1, QStringLiteral("é")}, {2, QStringLiteral("😀")}, {2, QStringLiteral("€")}};
    EXPECT_EQ(cp932::unstorableCharacters(text, 10), expected);
    EXPECT_EQ(cp932::unstorableCharacters(text, 2).size(), 2);
    EXPECT_TRUE(cp932::unstorableCharacters(QStringLiteral("ＡⅡ～−ｱ"), 10).isEmpty());
    EXPECT_EQ(cp932::encodingFor(text), cp932::FileEncoding::Utf8WithBom);
    EXPECT_EQ(cp932::encodingFor(QStringLiteral("日本語")), cp932::FileEncoding::CodePage932);
}

TEST_F(TextFilesTest, AWriteThatFailsLeavesTheOldFile) {
    const QString target = write(QStringLiteral("keep.cs2"), "old");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    EXPECT_EQ(WriteTextFile(target, "new"), WriteProblem::ReadOnly);
    EXPECT_EQ(bytes(QStringLiteral("keep.cs2")), QByteArray("old"));
    EXPECT_TRUE(WriteProblemText(WriteProblem::ReadOnly, target).startsWith(QStringLiteral("書き込み禁止")));
    EXPECT_EQ(WriteTextFile(path(QStringLiteral("no/such/dir/a.cs2")), "x"), WriteProblem::Failed);
    EXPECT_EQ(WriteTextFile(folder.path(), "x"), WriteProblem::ReadOnly);  // a folder by that name
    EXPECT_EQ(WriteTextFile(path(QStringLiteral("fresh.cs2")), "new"), WriteProblem::None);
    EXPECT_EQ(bytes(QStringLiteral("fresh.cs2")), QByteArray("new"));
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({QStringLiteral("fresh.cs2"), QStringLiteral("keep.cs2")}));
}

TEST_F(TextFilesTest, ASettingsFileWithANameTheCodePageLacksIsWrittenInUtf8AndReadBack) {
    Settings settings;
    SetDefaults(settings, 15.0, QStringLiteral("/home/ana/café"));
    settings.recentFiles[0] = QStringLiteral("/tmp/日本語.cs2");
    ASSERT_TRUE(WriteSettings(settings, path(QStringLiteral("a.inis"))));
    EXPECT_TRUE(bytes(QStringLiteral("a.inis")).startsWith("\xEF\xBB\xBF"));
    Settings reread;
    ASSERT_TRUE(ReadSettings(reread, path(QStringLiteral("a.inis"))));
    EXPECT_EQ(reread.sourceFolder, QStringLiteral("/home/ana/café"));
    EXPECT_EQ(reread.recentFiles[0], QStringLiteral("/tmp/日本語.cs2"));

    settings.sourceFolder = QStringLiteral("/home/ana/日本");
    ASSERT_TRUE(WriteSettings(settings, path(QStringLiteral("b.inis"))));
    EXPECT_FALSE(bytes(QStringLiteral("b.inis")).startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes(QStringLiteral("b.inis")).contains(cp932::encode(QStringLiteral("日本"))));
}

// The document's rules with a recording host.
class DocumentFilesTest : public TextFilesTest {
protected:
    RecordingHost host;
    Workbench bench{host, folder.path()};
    ProgramDocument& doc = bench.document;

    DocumentFilesTest() { bench.LoadSettings(15.0); }
};

TEST_F(DocumentFilesTest, SavingCharactersTheCodePageLacksAsksForUtf8) {
    const QString text = QStringLiteral("; café\nMAIN START\n RET ;😀\n END");
    host.fileAnswers = {path(QStringLiteral("u.cs2")), path(QStringLiteral("u.cs2"))};
    host.boxAnswers = {BoxAnswer::No};
    EXPECT_FALSE(doc.SaveAs(text));  // declined: nothing written, still untitled
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("u.cs2"))));
    EXPECT_TRUE(doc.untitled());
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("確認"));
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("次の文字は、シフトJIS（コードページ932）では保存できません。\n"
                                                 "　1行目：é\n　3行目：😀\n\nUTF-8（BOM付き）で保存しますか？\n"
                                                 "「いいえ」を選ぶと、保存しません。"));

    host.boxAnswers = {BoxAnswer::Yes};
    ASSERT_TRUE(doc.SaveAs(text));
    EXPECT_EQ(bytes(QStringLiteral("u.cs2")),
              QByteArray("\xEF\xBB\xBF") + (QStringLiteral(";*** [KavoraⅡ] ***\r\n") + QString(text).replace(
                                                "\n", QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(doc.ReadProgram(path(QStringLiteral("u.cs2"))), text);
}

TEST_F(DocumentFilesTest, OpenReportsWhyAFileCannotBeReadAndACancelIsQuiet) {
    EXPECT_FALSE(doc.ChooseAndReadProgramFile());  // cancelled
    EXPECT_TRUE(host.boxes.isEmpty());
    ASSERT_EQ(host.fileDialogs.size(), 1);
    EXPECT_EQ(host.fileDialogs[0].title, QStringLiteral("CASLⅡのプログラムファイルを開く"));
    EXPECT_EQ(host.fileDialogs[0].filter,
              QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2|CASLファイル（*.cas）|*.cas|全てのファイル（*.*）|*.*"));

    host.fileAnswers = {write(QStringLiteral("pic.cs2"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10))};
    EXPECT_FALSE(doc.ChooseAndReadProgramFile());
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("テキストファイルではありません。")));

    host.fileAnswers = {write(QStringLiteral("old.cas"), "MAIN START\r\n END\r\n")};
    const std::optional<OpenedProgram> opened = doc.ChooseAndReadProgramFile();
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->text, QStringLiteral("MAIN START\n END"));
    EXPECT_EQ(host.boxes.last().text, QStringLiteral("『KavoraⅡ』のファイルではありません。\n形式を変更します。"));
}

TEST_F(DocumentFilesTest, TemplateStoreAndRead) {
    write(QStringLiteral("KvTemp.txt"), cp932::encode(QStringLiteral("; テンプレート\r\nMAIN START\r\n")));
    EXPECT_EQ(doc.ReadTemplate(), QStringList({QStringLiteral("; テンプレート"), QStringLiteral("MAIN START")}));
    doc.setModified(true);
    ASSERT_TRUE(doc.StoreTemplate(QStringLiteral("A\nB")));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(bytes(QStringLiteral("KvTemp.txt")), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(doc.ReadTemplate(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    QFile::remove(path(QStringLiteral("KvTemp.txt")));
    EXPECT_FALSE(doc.ReadTemplate());
    EXPECT_EQ(host.boxes.last().text, QStringLiteral("テンプレートを読み込めません。"));
}

TEST_F(DocumentFilesTest, ListFilesAreProposedUnderTheProgramsNameAndWrittenWithCrLf) {
    EXPECT_EQ(doc.ProposedListName(), QStringLiteral("無題"));
    doc.Shown(QStringLiteral("/home/ana/v1.2/p1.cs2"));
    EXPECT_EQ(doc.ProposedListName(), QStringLiteral("/home/ana/v1.2/p1"));
    doc.Shown(QStringLiteral("/home/ana/p1.old.cs2"));
    EXPECT_EQ(doc.ProposedListName(), QStringLiteral("/home/ana/p1"));

    const struct {
        const char* kind;
        const char16_t* title;
        const char16_t* filter;
    } kinds[] = {{"asm", u"アセンブルリストの保存", u"アセンブルファイル（*.asm）|*.asm"},
                 {"alt", u"アドレスリストの保存", u"アドレスファイル（*.alt）|*.alt"},
                 {"afk", u"F式表記リストの保存", u"F式表記ファイル（*.afk）|*.afk"}};
    for (const auto& k : kinds) {
        host.fileAnswers = {path(QString::fromLatin1(k.kind))};
        ASSERT_TRUE(doc.SaveList(QString::fromLatin1(k.kind), QStringLiteral(" 8000: 1210\n ;注\n")));
        EXPECT_EQ(host.fileDialogs.last().title, QString::fromUtf16(k.title));
        EXPECT_EQ(host.fileDialogs.last().filter, QString::fromUtf16(k.filter));
        EXPECT_EQ(host.fileDialogs.last().proposedName, QStringLiteral("/home/ana/p1"));
        EXPECT_EQ(bytes(QString::fromLatin1(k.kind)), cp932::encode(QStringLiteral(" 8000: 1210\r\n ;注\r\n\r\n")));
    }
    EXPECT_FALSE(doc.SaveList(QStringLiteral("asm"), QStringLiteral("x")));  // cancelled
}

}  // namespace
}  // namespace kv::testing
