#include <gtest/gtest.h>

#include "assembler/SourceElements.h"

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

TEST(ToHalfWidth, FullWidthStatementsReadLikeHalfWidthOnes) {
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("　ＬＤ　ＧＲ１，ＤＡＴＡ")), QStringLiteral(" LD GR1,DATA"));
    EXPECT_EQ(kv::UpperOutsideQuotes(kv::ToHalfWidth(QStringLiteral("　ｌｄ　ｇｒ１，ｄａｔａ"))),
              kv::UpperOutsideQuotes(QStringLiteral(" ld gr1,data")));
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("\tLD\tGR1,=＃００ＦＦ")), QStringLiteral(" LD GR1,=#00FF"));
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("ＤＣ　’ＡＢ’，－１２，＋３")), QStringLiteral("DC 'AB',-12,+3"));
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("ＬＡＤ　ＧＲ０，＝１０　；ｃｏｍｍｅｎｔ")),
              QStringLiteral("LAD GR0,=10 ;comment"));
    // Other characters, Japanese text among them, stay as they are.
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("；主プログラム（ラベル）ｱ！")), QStringLiteral(";主プログラム（ラベル）ｱ！"));
    EXPECT_EQ(kv::ToHalfWidth(QStringLiteral("abc XYZ 09 ;,'#=-+")), QStringLiteral("abc XYZ 09 ;,'#=-+"));
    EXPECT_EQ(kv::ToHalfWidth(QString()), QString());
}

TEST(UpperOutsideQuotes, CommentsAndCharacterConstantsKeepTheirCase) {
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral("main start ;the Comment stays")),
              QStringLiteral("MAIN START ;the Comment stays"));
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral("msg dc 'Hello, world' ;out")),
              QStringLiteral("MSG DC 'Hello, world' ;out"));
    // A ";" inside a character constant starts no comment.
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral("dc 'a;b',data ;x")), QStringLiteral("DC 'a;b',DATA ;x"));
    // A doubled quote toggles twice: the text after the constant is upper-cased again.
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral("dc 'it''s',x")), QStringLiteral("DC 'it''s',X"));
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral(";all comment")), QStringLiteral(";all comment"));
    EXPECT_EQ(kv::UpperOutsideQuotes(QStringLiteral("ｌｄ ä")), QStringLiteral("ｌｄ ä"));
}

TEST(CharClass, LettersAndDigits) {
    for (char c : {'A', 'M', 'Z'}) EXPECT_EQ(kv::CharClass(QLatin1Char(c)), kv::CharacterClass::Letter) << c;
    for (char c : {'0', '5', '9'}) EXPECT_EQ(kv::CharClass(QLatin1Char(c)), kv::CharacterClass::Digit) << c;
    for (char c : {'a', 'z', '@', '[', '/', ':', ' ', '_', '#'}) EXPECT_EQ(kv::CharClass(QLatin1Char(c)), kv::CharacterClass::Other) << c;
    EXPECT_EQ(kv::CharClass(QChar(u'Ａ')), kv::CharacterClass::Other);
    EXPECT_EQ(kv::CharClass(QChar(u'１')), kv::CharacterClass::Other);
}

TEST(DigitToRegister, SingleDigitsZeroToSeven) {
    for (int r = 0; r <= 7; ++r)
        EXPECT_EQ(kv::DigitToRegister(QString::number(r)), QStringLiteral("GR") + QString::number(r));
    for (const char* text : {"8", "9", "GR1", "", "12", "01", " 1", "A"})
        EXPECT_EQ(kv::DigitToRegister(QLatin1String(text)), QLatin1String(text)) << text;
}
