#include <gtest/gtest.h>

#include <QStringList>

#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"

using kv::ErrorState;
using kv::RecordRead;
using kv::VirtualFileDevice;

namespace {

// Reads until a status other than 0 and returns the records and that status.
QStringList readAll(VirtualFileDevice& device, ErrorState& error, int& lastStatus) {
    QStringList records;
    for (;;) {
        const RecordRead read = device.ReadNextRecord(error);
        if (read.status != kv::RecordStatus::Record) {
            lastStatus = static_cast<int>(read.status);
            return records;
        }
        records << read.record;
    }
}

}  // namespace

TEST(VirtualFileDevice, StartsWithKeyboardAndTheInitialText) {
    VirtualFileDevice device;
    EXPECT_EQ(device.inputDevice, kv::InputDevice::Keyboard);
    EXPECT_EQ(device.endOfFileValue, -1);
    const QStringList lines = device.recordText.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("[ここにレコードを半角で書く]"));
    EXPECT_EQ(lines[1], QStringLiteral("[ここにレコードを半角で書く]"));
    EXPECT_EQ(lines[2], QStringLiteral("[END]"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("[テストしないレコードを置いておくことができる。]"));
    EXPECT_EQ(kv::NumberOf(device.CheckRecordText()), 0);

    ErrorState error;
    int status = -1;
    EXPECT_EQ(readAll(device, error, status),
              QStringList({QStringLiteral("ここにレコードを半角で書く"), QStringLiteral("ここにレコードを半角で書く")}));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(error.number(), 0);
}

TEST(VirtualFileDevice, RecordsKeepTheTextBetweenTheBrackets) {
    VirtualFileDevice device;
    device.recordText = QStringLiteral("[]\n[ab  ]\n   [x y]  \n[END]\n[never read\n");
    ErrorState error;
    int status = -1;
    const QStringList records = readAll(device, error, status);
    EXPECT_EQ(records, QStringList({QString(), QStringLiteral("ab  "), QStringLiteral("x y")}));
    EXPECT_EQ(records[1].size(), 4);
    EXPECT_EQ(status, 1);

    // After "[END]" every read is refused with 453.
    EXPECT_EQ(static_cast<int>(device.ReadNextRecord(error).status), 5);
    EXPECT_EQ(error.number(), 453);
    EXPECT_EQ(static_cast<int>(device.ReadNextRecord(error).status), 5);

    // A new run reads from the first line again.
    device.ResetRecordReader();
    error = ErrorState();
    const RecordRead first = device.ReadNextRecord(error);
    EXPECT_EQ(static_cast<int>(first.status), 0);
    EXPECT_EQ(first.record, QString());
}

TEST(VirtualFileDevice, CrLfReadsAsLf) {
    VirtualFileDevice device;
    device.recordText = QStringLiteral("[a]\r\n [b] \r\n[END]\r\n");
    ErrorState error;
    int status = -1;
    EXPECT_EQ(readAll(device, error, status), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(kv::NumberOf(device.CheckRecordText()), 459);  // " [b] " is not bracketed without trimming
    device.recordText = QStringLiteral("[a]\r\n[END]\r\n");
    EXPECT_EQ(kv::NumberOf(device.CheckRecordText()), 0);
}

TEST(VirtualFileDevice, BadLinesStopWithTheirStatusAndCode) {
    struct Case {
        const char16_t* text;
        int status;
        int code;
    };
    const Case cases[] = {
        {u"x\n", 8, 455},        // one character
        {u"\n", 8, 455},         // an empty line
        {u"\r\n", 8, 455},       // an empty line with CR LF
        {u"abc\n", 7, 459},      // not in brackets
        {u" [\n", 7, 459},       // long enough, but only an opening bracket
        {u"[abc\n", 7, 459},     // no closing bracket
        {u"abc]\n", 7, 459},     // no opening bracket
        {u"  \n", 7, 459},       // blanks only
        {u"", 9, 451},           // no line at all
        {u"[a]", 9, 451},        // the last line has no line break
        {u"[END]", 9, 451},      // "[END]" without a line break is never read
    };
    for (const Case& c : cases) {
        VirtualFileDevice device;
        device.recordText = QString::fromUtf16(c.text);
        ErrorState error;
        const RecordRead read = device.ReadNextRecord(error);
        EXPECT_EQ(static_cast<int>(read.status), c.status) << device.recordText.toStdString();
        EXPECT_EQ(error.number(), c.code) << device.recordText.toStdString();
        // The position does not move: the same line is refused again.
        ErrorState again;
        EXPECT_EQ(static_cast<int>(device.ReadNextRecord(again).status), c.status);
    }
}

TEST(VirtualFileDevice, ReadingStopsAtTheBadLineAfterGoodOnes) {
    VirtualFileDevice device;
    device.recordText = QStringLiteral("[one]\n[two]\nthree\n[END]\n");
    ErrorState error;
    int status = -1;
    EXPECT_EQ(readAll(device, error, status), QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_EQ(status, 7);
    EXPECT_EQ(error.number(), 459);
}

TEST(VirtualFileDevice, SettingsCheckWalksTheLinesUpToEnd) {
    VirtualFileDevice device;
    const std::pair<const char16_t*, int> cases[] = {
        {u"[a]\n[END]\n", 0},
        {u"[a]\n[END]\nnot checked\n", 0},  // lines below "[END]" are never checked
        {u"[a]\n[END]\nnot checked", 0},
        {u"[END]\n", 0},
        {u"[a]\n[END]", 451},  // "[END]" needs a line break after it
        {u"[a]\n", 451},
        {u"", 451},
        {u"[a]\nb\n[END]\n", 459},
        {u"[a]\n\n[END]\n", 459},  // an empty line is not bracketed
        {u" [a]\n[END]\n", 459},   // no trimming here
        {u"[a] \n[END]\n", 459},
        {u"[a]\n [END]\n", 459},
    };
    for (const auto& [text, expected] : cases) {
        device.recordText = QString::fromUtf16(text);
        EXPECT_EQ(kv::NumberOf(device.CheckRecordText()), expected) << device.recordText.toStdString();
    }
}
