// Data files of the virtual file device: a file ending in "[END]" and a line break is complete,
// saving and opening gives back the same text, and what cannot be written is refused.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "filedevice/RecordFile.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/CodePage932.h"

using namespace kv;

namespace {

class RecordFiles : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(RecordFiles, FileEndingInEndAndALineBreakIsComplete) {
    write("data.csd", cp932::encode(QStringLiteral("[あいう]\r\n[ab  ]\r\n[END]\r\n")));
    const RecordFileResult file = ReadRecordFile(path("data.csd"));
    ASSERT_TRUE(file.ok);
    EXPECT_EQ(file.text, QStringLiteral("[あいう]\n[ab  ]\n[END]\n"));
    VirtualFileDevice device;
    device.recordText = file.text;
    EXPECT_EQ(device.CheckRecordText(), ErrorCode::None);
    ErrorState error;
    EXPECT_EQ(device.ReadNextRecord(error).record, QStringLiteral("あいう"));
    EXPECT_EQ(device.ReadNextRecord(error).record, QStringLiteral("ab  "));
    EXPECT_EQ(device.ReadNextRecord(error).status, RecordStatus::End);
}

TEST_F(RecordFiles, LastLineWithoutALineBreakIsStillNotRead) {
    write("open.csd", QByteArray("[a]\n[END]"));
    const RecordFileResult file = ReadRecordFile(path("open.csd"));
    ASSERT_TRUE(file.ok);
    VirtualFileDevice device;
    device.recordText = file.text;
    EXPECT_EQ(device.CheckRecordText(), ErrorCode::RecordsWithoutEnd);
}

TEST_F(RecordFiles, SavingAndOpeningGivesBackTheSameText) {
    const QString texts[] = {
        VirtualFileDevice::InitialRecordText(), QStringLiteral("[a]\n[END]\n"),
        QStringLiteral("[a]\n[END]\n\n"),       QStringLiteral(""),
        QStringLiteral("[ｱｲｳ ～]\n[END]"),
    };
    for (const QString& text : texts) {
        const RecordFileResult saved = WriteRecordFile(path("round.csd"), text);
        ASSERT_TRUE(saved.ok) << qPrintable(saved.problem);
        const RecordFileResult opened = ReadRecordFile(path("round.csd"));
        ASSERT_TRUE(opened.ok);
        EXPECT_EQ(opened.text, text);
    }
    WriteRecordFile(path("crlf.csd"), QStringLiteral("[a]\n[END]\n"));
    EXPECT_EQ(read("crlf.csd"), QByteArray("[a]\r\n[END]\r\n"));
}

TEST_F(RecordFiles, ACharacterCodePage932LacksIsRefused) {
    write("keep.csd", QByteArray("[old]\r\n"));
    const RecordFileResult saved = WriteRecordFile(path("keep.csd"), QStringLiteral("[a😀]\n[END]\n"));
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.problem.contains(QStringLiteral("😀")));
    EXPECT_EQ(read("keep.csd"), QByteArray("[old]\r\n"));
    // A question mark of the text itself is no problem.
    EXPECT_TRUE(WriteRecordFile(path("q.csd"), QStringLiteral("[?]\n[END]\n")).ok);
}

TEST_F(RecordFiles, MissingFileOrFolder) {
    const RecordFileResult missing = ReadRecordFile(path("nothere.csd"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.problem.isEmpty());
    const RecordFileResult unwritable = WriteRecordFile(path("no/folder/x.csd"), QStringLiteral("[a]\n"));
    EXPECT_FALSE(unwritable.ok);
    EXPECT_FALSE(unwritable.problem.isEmpty());
}
