#include <gtest/gtest.h>

#include "core/RecordingHost.h"
#include "machine/CodePage932.h"
#include "simulator/WordDisplay.h"

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

using kv::testing::RecordingHost;

struct Formats {
    QString hex, signedText, unsignedText, character, binary;
};

// The five cells of a value row; no internal fault may occur for a value in the word range.
Formats FormatsOf(std::int64_t v) {
    RecordingHost host;
    Formats f{kv::FormatHexWord(v), kv::FormatSignedWord(v, host), kv::FormatUnsignedWord(v, host),
              kv::FormatCharWord(v), kv::FormatBinaryWord(v)};
    EXPECT_TRUE(host.boxes.isEmpty()) << v;
    return f;
}

}  // namespace

TEST(WordFormats, AllOnesAndTheStoredEndOfFileValue) {
    for (std::int64_t v : {0xFFFF, -1}) {
        SCOPED_TRACE(v);
        const Formats f = FormatsOf(v);
        EXPECT_EQ(f.hex, QStringLiteral("#FFFF"));
        EXPECT_EQ(f.signedText, QStringLiteral("    -1"));
        EXPECT_EQ(f.unsignedText, QStringLiteral("65535"));
        EXPECT_EQ(f.character, QStringLiteral("※"));
        EXPECT_EQ(f.binary, QStringLiteral("1111 1111 1111 1111 "));
    }
}

TEST(WordFormats, LetterBlankAndZero) {
    const Formats a = FormatsOf(0x0041);
    EXPECT_EQ(a.hex, QStringLiteral("#0041"));
    EXPECT_EQ(a.signedText, QStringLiteral("   +65"));
    EXPECT_EQ(a.unsignedText, QStringLiteral("   65"));
    EXPECT_EQ(a.character, QStringLiteral("Ａ"));
    EXPECT_EQ(a.binary, QStringLiteral("0000 0000 0100 0001 "));

    EXPECT_EQ(FormatsOf(0x0020).character, QStringLiteral("□"));

    const Formats zero = FormatsOf(0);
    EXPECT_EQ(zero.hex, QStringLiteral("#0000"));
    EXPECT_EQ(zero.signedText, QStringLiteral("     0"));
    EXPECT_EQ(zero.unsignedText, QStringLiteral("    0"));
    EXPECT_EQ(zero.character, QStringLiteral("※"));
    EXPECT_EQ(zero.binary, QStringLiteral("0000 0000 0000 0000 "));
}

TEST(WordFormats, SignedAndUnsignedReadingsOfOneWord) {
    const Formats low = FormatsOf(-32768);
    EXPECT_EQ(low.hex, QStringLiteral("#8000"));
    EXPECT_EQ(low.signedText, QStringLiteral("-32768"));
    EXPECT_EQ(low.unsignedText, QStringLiteral("32768"));
    EXPECT_EQ(low.binary, QStringLiteral("1000 0000 0000 0000 "));
    EXPECT_EQ(FormatsOf(0x8000).signedText, QStringLiteral("-32768"));

    const Formats f = FormatsOf(255);
    EXPECT_EQ(f.hex, QStringLiteral("#00FF"));
    EXPECT_EQ(f.signedText, QStringLiteral("  +255"));
    EXPECT_EQ(f.unsignedText, QStringLiteral("  255"));

    EXPECT_EQ(FormatsOf(32767).signedText, QStringLiteral("+32767"));
    EXPECT_EQ(FormatsOf(0xFFFE).signedText, QStringLiteral("    -2"));
    EXPECT_EQ(FormatsOf(0xABCD).hex, QStringLiteral("#ABCD"));
    EXPECT_EQ(FormatsOf(0xABCD).binary, QStringLiteral("1010 1011 1100 1101 "));

    EXPECT_EQ(kv::HexWord(0x12345), QStringLiteral("2345"));
    EXPECT_EQ(kv::HexWord(-1), QStringLiteral("FFFF"));
    EXPECT_EQ(kv::HexWord(0xa), QStringLiteral("000A"));
}

TEST(WordFormats, OutOfRangeDecimalsReportAnInternalFaultAndGoOn) {
    RecordingHost host;
    EXPECT_EQ(kv::FormatSignedWord(65536, host), QStringLiteral("     0"));
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("算術十進文字列変換1\n")));
    EXPECT_EQ(kv::FormatUnsignedWord(-32769, host), QStringLiteral("32767"));
    ASSERT_EQ(host.boxes.size(), 2);
    EXPECT_TRUE(host.boxes[1].text.startsWith(QStringLiteral("論理十進文字列変換1\n")));
    // The edges of the range are words.
    kv::FormatSignedWord(-32768, host);
    kv::FormatUnsignedWord(65535, host);
    EXPECT_EQ(host.boxes.size(), 2);
}

TEST(WordFormats, CharacterCellShowsTheFullWidthFormOfJisX0201) {
    EXPECT_EQ(kv::FormatCharWord('!'), QStringLiteral("！"));
    EXPECT_EQ(kv::FormatCharWord('z'), QStringLiteral("ｚ"));
    EXPECT_EQ(kv::FormatCharWord('~'), QStringLiteral("～"));
    EXPECT_EQ(kv::FormatCharWord(0xA1), QStringLiteral("。"));
    EXPECT_EQ(kv::FormatCharWord(0xA6), QStringLiteral("ヲ"));
    EXPECT_EQ(kv::FormatCharWord(0xB1), QStringLiteral("ア"));
    EXPECT_EQ(kv::FormatCharWord(0xDD), QStringLiteral("ン"));
    EXPECT_EQ(kv::FormatCharWord(0xDE), QStringLiteral("゛"));
    EXPECT_EQ(kv::FormatCharWord(0xDF), QStringLiteral("゜"));
    for (std::int64_t v : {-1, 0, 31, 256, 0x8140, 0xFFFF})
        EXPECT_EQ(kv::FormatCharWord(v), QStringLiteral("※")) << v;
    // Every shown character is a double-byte character of the code page, so it lines up with two
    // half-width columns and survives being written to a file.
    for (int v = 33; v <= 0xDF; ++v) {
        if (v >= 127 && v <= 0xA0) continue;
        const QString c = kv::FormatCharWord(v);
        ASSERT_EQ(c.size(), 1) << v;
        EXPECT_GE(kv::cp932::codeOf(c), 0x8140) << v;
    }
}

TEST(FlagWord, JapaneseFormsOfTheFlagRegister) {
    RecordingHost host;
    const struct {
        const char* fr;
        const char16_t* form;
    } table[] = {{"000", u" 正 "}, {"001", u" 零 "}, {"010", u" 負 "}, {"100", u"あ正"}, {"101", u"あ零"}, {"110", u"あ負"}, {"???", u" ？ "}};
    for (const auto& row : table) {
        const QString form = kv::FormatFlagWord(QLatin1String(row.fr), host);
        EXPECT_EQ(form, QString::fromUtf16(row.form)) << row.fr;
        // Four half-width columns: a full-width character counts two.
        int columns = 0;
        for (QChar c : form) columns += c.unicode() < 0x80 ? 1 : 2;
        EXPECT_EQ(columns, 4) << row.fr;
    }
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST(FlagWord, ImpossibleFlagsAreAnInternalFault) {
    const struct {
        const char* fr;
        int number;
    } table[] = {{"011", 1}, {"111", 1}, {"01", 2}, {"abc", 2}, {"", 2}, {"0000", 2}};
    for (const auto& row : table) {
        RecordingHost host;
        EXPECT_EQ(kv::FormatFlagWord(QLatin1String(row.fr), host), QString()) << row.fr;
        ASSERT_EQ(host.boxes.size(), 1) << row.fr;
        EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("FR日本語") + QString::number(row.number) + '\n'))
            << row.fr;
        EXPECT_EQ(host.boxes[0].icon, kv::BoxIcon::Exclamation);
    }
}
