#include <gtest/gtest.h>

#include "machine/CodePage932.h"

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> bytes) {
    QByteArray out;
    for (unsigned char b : bytes) out.append(static_cast<char>(b));
    return out;
}

}  // namespace

TEST(CodePage932, WindowsCharactersRoundTrip) {
    namespace cp = kv::cp932;
    EXPECT_EQ(cp::encode(QStringLiteral("Ⅱ")), Bytes({0x87, 0x55}));
    EXPECT_EQ(cp::decode(Bytes({0x87, 0x55})), QStringLiteral("Ⅱ"));
    EXPECT_EQ(cp::encode(QStringLiteral("ｱｲｳﾞ｡")), Bytes({0xB1, 0xB2, 0xB3, 0xDE, 0xA1}));
    EXPECT_EQ(cp::decode(Bytes({0xB1, 0xB2, 0xB3, 0xDE, 0xA1})), QStringLiteral("ｱｲｳﾞ｡"));
    EXPECT_EQ(cp::encode(QStringLiteral("A\\~")), QByteArray("A\\~"));
    EXPECT_EQ(cp::decode(QByteArray("A\\~")), QStringLiteral("A\\~"));
    const QString text = QStringLiteral("■『KavoraⅡ』ラベル　ＬＤ　ＧＲ１，ＤＡＴＡ　；コメント\r\n");
    EXPECT_EQ(cp::decode(cp::encode(text)), text);
}

TEST(CodePage932, WaveDashAndMinusTypedOnLinuxAreEncodable) {
    namespace cp = kv::cp932;
    EXPECT_EQ(cp::encode(QStringLiteral("\uFF5E")), Bytes({0x81, 0x60}));
    EXPECT_EQ(cp::encode(QStringLiteral("\u301C")), Bytes({0x81, 0x60}));
    EXPECT_EQ(cp::encode(QStringLiteral("\u2212")), Bytes({0x81, 0x7C}));
    EXPECT_EQ(cp::encode(QStringLiteral("\uFF0D")), Bytes({0x81, 0x7C}));
    EXPECT_EQ(cp::codeOf(QStringLiteral("\u301C")), 0x8160);
    EXPECT_EQ(cp::codeOf(QStringLiteral("\u2212")), 0x817C);
    // Decoding gives the Windows forms.
    EXPECT_EQ(cp::decode(Bytes({0x81, 0x60})), QStringLiteral("\uFF5E"));
    EXPECT_EQ(cp::decode(Bytes({0x81, 0x7C})), QStringLiteral("\uFF0D"));
}

TEST(CodePage932, CodesOfSingleCharacters) {
    namespace cp = kv::cp932;
    EXPECT_EQ(cp::codeOf(QStringLiteral("A")), 0x41);
    EXPECT_EQ(cp::codeOf(QStringLiteral(" ")), 0x20);
    EXPECT_EQ(cp::codeOf(QStringLiteral("ｱ")), 0xB1);
    EXPECT_EQ(cp::codeOf(QStringLiteral("Ⅱ")), 0x8755);
    EXPECT_EQ(cp::codeOf(QStringLiteral("あ")), 0x82A0);
    EXPECT_EQ(cp::codeOf(QStringLiteral("　")), 0x8140);
    // Characters the code page lacks, and texts that are not one character.
    EXPECT_EQ(cp::codeOf(QStringLiteral("한")), -1);
    EXPECT_EQ(cp::codeOf(QStringLiteral("\U0001F600")), -1);
    EXPECT_EQ(cp::codeOf(QString()), -1);
    EXPECT_EQ(cp::codeOf(QStringLiteral("AB")), -1);
    EXPECT_EQ(cp::codeOf(QStringLiteral("あい")), -1);

    EXPECT_EQ(cp::characterOf(0x41), QChar('A'));
    EXPECT_EQ(cp::characterOf(0xB1), QChar(u'ｱ'));
    EXPECT_EQ(cp::characterOf(0x20), QChar(' '));
    // A lead byte is no character on its own.
    EXPECT_EQ(cp::characterOf(0x81), QChar('?'));
    EXPECT_EQ(cp::characterOf(0xE0), QChar('?'));
}

TEST(CodePage932, UnencodableAndInvalidInputIsReplacedPerCharacter) {
    namespace cp = kv::cp932;
    EXPECT_EQ(cp::encode(QStringLiteral("a한b")), QByteArray("a?b"));
    EXPECT_EQ(cp::encode(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    // A lone lead byte: at the end, before a line break, before a byte that cannot follow it.
    EXPECT_EQ(cp::decode(QByteArray("A\x81")), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(cp::decode(QByteArray("A\x81\nB")), QStringLiteral("A\uFFFD\nB"));
    EXPECT_EQ(cp::decode(Bytes({0x82, 0xA0, 0x82})), QStringLiteral("あ\uFFFD"));
    EXPECT_EQ(cp::decode(Bytes({0xFF, 0x41})), QStringLiteral("\uFFFDA"));
    EXPECT_EQ(cp::decode(QByteArray()), QString());
    EXPECT_EQ(cp::encode(QString()), QByteArray());
}

TEST(CodePage932, LargeTextsConvertCompletely) {
    namespace cp = kv::cp932;
    QString text;
    for (int i = 0; i < 100000; ++i) text += QStringLiteral("LAB%1\tLD\tGR1,DATA\t；行%1　ｱ\r\n").arg(i);
    const QByteArray bytes = cp::encode(text);
    EXPECT_EQ(bytes.count('?'), 0);
    EXPECT_EQ(bytes.count('\n'), 100000);
    EXPECT_EQ(cp::decode(bytes), text);
}

TEST(CodePage932, TextFilesAsLearnersBringThem) {
    namespace cp = kv::cp932;
    const QString japanese = QStringLiteral("MAIN\tSTART\t；主プログラム\r\n");
    EXPECT_EQ(cp::decodeTextFile(QByteArray("\xEF\xBB\xBF") + japanese.toUtf8()), japanese);
    EXPECT_EQ(cp::decodeTextFile(japanese.toUtf8()), japanese);
    EXPECT_EQ(cp::decodeTextFile(cp::encode(japanese)), japanese);
    EXPECT_EQ(cp::decodeTextFile(cp::encode(QStringLiteral("ｱｲｳ ｶﾅ"))), QStringLiteral("ｱｲｳ ｶﾅ"));
    EXPECT_EQ(cp::decodeTextFile(QByteArray("\tLD\tGR1,DATA\r\n")), QStringLiteral("\tLD\tGR1,DATA\r\n"));
    EXPECT_EQ(cp::decodeTextFile(QByteArray("\xEF\xBB\xBF")), QString());
    EXPECT_EQ(cp::decodeTextFile(QByteArray()), QString());
}

TEST(CodePage932, Utf8Validation) {
    namespace cp = kv::cp932;
    EXPECT_TRUE(cp::isValidUtf8(QStringLiteral("日本語 Ⅱ \U0001F600").toUtf8()));
    EXPECT_TRUE(cp::isValidUtf8(QByteArray("plain")));
    EXPECT_FALSE(cp::isValidUtf8(QByteArray("\xC0\xAF")));          // overlong
    EXPECT_FALSE(cp::isValidUtf8(QByteArray("\xED\xA0\x80")));      // surrogate
    EXPECT_FALSE(cp::isValidUtf8(QByteArray("\xE3\x81")));          // cut off
    EXPECT_FALSE(cp::isValidUtf8(QByteArray("\xF4\x90\x80\x80")));  // above U+10FFFF
    EXPECT_FALSE(cp::isValidUtf8(QByteArray("\x82\xA0")));          // code page 932
}
