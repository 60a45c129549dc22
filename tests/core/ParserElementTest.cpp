// The element checks of the parser (registers, labels, numbers, character constants), taking an
// operand off the operand text, and classifying an address operand.

#include "ParserFixture.h"

namespace kv::testing {

TEST(TrimBlanks, OnlyBlanksAreTrimmed) {
    EXPECT_EQ(TrimBlanks(u"  A B  "), u"A B");
    EXPECT_EQ(TrimBlanksLeft(u"  A B  "), u"A B  ");
    EXPECT_EQ(TrimBlanksRight(u"  A B  "), u"  A B");
    EXPECT_EQ(TrimBlanks(u"\tA\r"), u"\tA\r");
    EXPECT_TRUE(TrimBlanks(u"    ").isEmpty());
    EXPECT_TRUE(TrimBlanksRight(QStringView()).isEmpty());
}

TEST_F(ParserTest, GeneralRegisterCheck) {
    std::array<bool, 8> used{};
    int reg = -1;
    EXPECT_EQ(CheckGeneralRegister(u"GR0", reg, used, error), 0);
    EXPECT_EQ(reg, 0);
    EXPECT_EQ(CheckGeneralRegister(u"GR7  ", reg, used, error), 0);
    EXPECT_EQ(reg, 7);
    EXPECT_EQ(used, (std::array<bool, 8>{true, false, false, false, false, false, false, true}));
    EXPECT_EQ(error.number(), 0);

    EXPECT_EQ(CheckGeneralRegister(u"GR8", reg, used, error), 9);
    EXPECT_EQ(error.number(), 151);
    EXPECT_EQ(CheckGeneralRegister(u"GRO", reg, used, error), 9);
    EXPECT_EQ(error.number(), 144);
    EXPECT_EQ(CheckGeneralRegister(u"gr1", reg, used, error), 9);
    EXPECT_EQ(error.number(), 151);
    // Any other length is rejected without a code of its own.
    error.clear();
    for (const char16_t* text : {u"", u"GR", u"GR10", u"1", u" GR1"}) {
        EXPECT_EQ(CheckGeneralRegister(text, reg, used, error), 9);
        EXPECT_EQ(error.number(), 0);
    }
    EXPECT_EQ(reg, 7);
}

TEST_F(ParserTest, IndexRegisterCheck) {
    std::array<bool, 8> used{};
    int reg = -1;
    EXPECT_EQ(CheckIndexRegister(u"GR1", reg, used, error), 0);
    EXPECT_EQ(reg, 1);
    EXPECT_EQ(CheckIndexRegister(u"GR7", reg, used, error), 0);
    EXPECT_EQ(reg, 7);
    EXPECT_EQ(CheckIndexRegister(u"GR0", reg, used, error), 9);
    EXPECT_EQ(error.number(), 152);
    EXPECT_EQ(CheckIndexRegister(u"GRO", reg, used, error), 9);
    EXPECT_EQ(error.number(), 154);
    EXPECT_EQ(CheckIndexRegister(u"ABC", reg, used, error), 9);
    EXPECT_EQ(error.number(), 153);
    EXPECT_EQ(CheckIndexRegister(u"GR8", reg, used, error), 9);
    EXPECT_EQ(error.number(), 153);
    error.clear();
    EXPECT_EQ(CheckIndexRegister(u"GR12", reg, used, error), 9);
    EXPECT_EQ(error.number(), 0);
    EXPECT_EQ(used, (std::array<bool, 8>{false, true, false, false, false, false, false, true}));
}

TEST_F(ParserTest, OperandLabelCheck) {
    EXPECT_EQ(CheckOperandLabel(u"LOOP", error), 0);
    EXPECT_EQ(CheckOperandLabel(u"  A1B2C3D4  ", error), 0);
    EXPECT_EQ(CheckOperandLabel(u"GR8", error), 0);
    EXPECT_EQ(error.number(), 0);
    const std::pair<const char16_t*, int> rejected[] = {
        {u"GRO", 144},       {u"ABCDEFGHI", 141}, {u"GR0", 140}, {u"GR7", 140},    {u"1AB", 142},
        {u"A-B", 142},       {u"", 142},          {u"#0010", 142}, {u"LOOP;", 142},
        {u"ABCDEFGH-", 142},  // too long and a bad character: the last check wins
    };
    for (const auto& [text, code] : rejected) {
        error.clear();
        EXPECT_EQ(CheckOperandLabel(text, error), 9);
        EXPECT_EQ(error.number(), code) << QString::fromUtf16(text).toStdString();
    }
}

TEST_F(ParserTest, HexConstant) {
    std::int32_t value = -1;
    EXPECT_EQ(ParseHexConstant(u"#00FF", value, error), 0);
    EXPECT_EQ(value, 255);
    EXPECT_EQ(ParseHexConstant(u"#FFFF", value, error), 0);
    EXPECT_EQ(value, 65535);
    EXPECT_EQ(ParseHexConstant(u"#0000", value, error), 0);
    EXPECT_EQ(value, 0);
    for (const char16_t* text : {u"#12", u"#12345", u"#00fF", u"#00G0", u"00FF0", u"#", u"", u"#-001"}) {
        error.clear();
        EXPECT_EQ(ParseHexConstant(text, value, error), 9);
        EXPECT_EQ(error.number(), 161);
    }
    EXPECT_EQ(value, 0);
}

TEST_F(ParserTest, DecimalConstant) {
    const std::pair<const char16_t*, std::int32_t> accepted[] = {
        {u"0", 0},     {u"65535", 65535}, {u"-32768", -32768}, {u"+7", 7},
        {u"007", 7},   {u"1-2", 1},       {u"12+", 12},        {u"-0", 0},
    };
    for (const auto& [text, expected] : accepted) {
        std::int32_t value = -99;
        EXPECT_EQ(ParseDecimalConstant(text, value, error), 0);
        EXPECT_EQ(value, expected);
    }
    EXPECT_EQ(error.number(), 0);
    for (const char16_t* text : {u"65536", u"70000", u"-32769", u"1234567", u"12A", u"-", u"+-5", u"", u"1 2", u"#10"}) {
        error.clear();
        std::int32_t value = -99;
        EXPECT_EQ(ParseDecimalConstant(text, value, error), 9);
        EXPECT_EQ(error.number(), 162) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(value, -99);
    }
}

TEST_F(ParserTest, CountForDsAndCopy) {
    std::int32_t value = -1;
    EXPECT_EQ(ParseCount(u"0", value, error), 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(ParseCount(u"65535", value, error), 0);
    EXPECT_EQ(value, 65535);
    // Out of range: rejected without a code of its own.
    EXPECT_EQ(ParseCount(u"-1", value, error), 9);
    EXPECT_EQ(ParseCount(u"65536", value, error), 9);
    EXPECT_EQ(error.number(), 0);
    EXPECT_EQ(ParseCount(u"1A", value, error), 9);
    EXPECT_EQ(error.number(), 162);
    EXPECT_EQ(value, 65535);
}

TEST_F(ParserTest, CharacterConstant) {
    for (const char16_t* text : {u"'A'", u"'IT''S'", u"''", u"''''", u"' '", u"'日本語'", u"'a;b,c'"}) {
        EXPECT_EQ(CheckCharConstant(text, error), 0) << QString::fromUtf16(text).toStdString();
    }
    EXPECT_EQ(error.number(), 0);
    for (const char16_t* text : {u"'", u"A'", u"'A", u"ABC", u"'A'B'", u"'''", u""}) {
        error.clear();
        EXPECT_EQ(CheckCharConstant(text, error), 9);
        EXPECT_EQ(error.number(), 163) << QString::fromUtf16(text).toStdString();
    }
    for (const QString& text : {QStringLiteral("'A\tB'"), QStringLiteral("'\x01'"), QString::fromUtf16(u"'A\0'", 4)}) {
        error.clear();
        EXPECT_EQ(CheckCharConstant(text, error), 9);
        EXPECT_EQ(error.number(), 164);
    }
}

TEST_F(ParserTest, ExtractOperandTakesOneOperand) {
    ExtractedOperand taken = ExtractOperand(u"   ", error);
    EXPECT_EQ(taken.status, 9);
    EXPECT_EQ(error.number(), 147);
    error.clear();

    taken = ExtractOperand(u" ;just a remark ", error);
    EXPECT_EQ(taken.status, 8);
    EXPECT_EQ(taken.comment, QStringLiteral(";just a remark"));
    EXPECT_TRUE(taken.operand.isEmpty());

    taken = ExtractOperand(u"A,B", error);
    EXPECT_EQ(taken.status, 0);
    EXPECT_EQ(taken.operand, QStringLiteral("A"));
    EXPECT_TRUE(taken.separated);
    EXPECT_EQ(taken.rest, u"B");

    taken = ExtractOperand(u"A   ,  B C", error);
    EXPECT_EQ(taken.operand, QStringLiteral("A"));
    EXPECT_TRUE(taken.separated);
    EXPECT_EQ(taken.rest, u"  B C");

    taken = ExtractOperand(u"A B,C", error);
    EXPECT_EQ(taken.operand, QStringLiteral("A"));
    EXPECT_FALSE(taken.separated);
    EXPECT_EQ(taken.comment, QStringLiteral("B,C"));

    taken = ExtractOperand(u"'A B,C',D", error);
    EXPECT_EQ(taken.operand, QStringLiteral("'A B,C'"));
    EXPECT_EQ(taken.rest, u"D");

    taken = ExtractOperand(u"'IT''S' ;x", error);
    EXPECT_EQ(taken.operand, QStringLiteral("'IT''S'"));
    EXPECT_EQ(taken.comment, QStringLiteral(";x"));

    // An unclosed constant runs to the end of the text.
    taken = ExtractOperand(u"'AB, C ;x", error);
    EXPECT_EQ(taken.operand, QStringLiteral("'AB, C ;x"));
    EXPECT_FALSE(taken.separated);

    taken = ExtractOperand(u",A", error);
    EXPECT_EQ(taken.status, 0);
    EXPECT_TRUE(taken.operand.isEmpty());
    EXPECT_TRUE(taken.separated);

    taken = ExtractOperand(u"A,", error);
    EXPECT_TRUE(taken.separated);
    EXPECT_TRUE(taken.rest.isEmpty());
    EXPECT_EQ(error.number(), 0);
}

TEST_F(ParserTest, ClassifyAddressByFirstCharacter) {
    EXPECT_EQ(classify(QStringLiteral("123")), AddressKind::Decimal);
    EXPECT_EQ(word(1), 123);
    EXPECT_EQ(classify(QStringLiteral("-2")), AddressKind::Decimal);
    EXPECT_EQ(word(1), -2);
    EXPECT_EQ(classify(QStringLiteral("#ABCD")), AddressKind::Hex);
    EXPECT_EQ(word(1), 0xABCD);
    EXPECT_EQ(classify(QStringLiteral("LOOP")), AddressKind::Label);
    ASSERT_EQ(assembly.references.size(), 1);
    EXPECT_EQ(assembly.references[0].name, QStringLiteral("LOOP"));
    EXPECT_EQ(assembly.references[0].address, 0x8001);
    EXPECT_EQ(classify(QStringLiteral("=5")), AddressKind::DecimalLiteral);
    EXPECT_EQ(classify(QStringLiteral("=-5")), AddressKind::DecimalLiteral);
    EXPECT_EQ(classify(QStringLiteral("=#0001")), AddressKind::HexLiteral);
    EXPECT_EQ(classify(QStringLiteral("='X'")), AddressKind::CharLiteral);
    EXPECT_EQ(word(1), 0xABCD);
    EXPECT_EQ(assembly.references.size(), 1);
    EXPECT_EQ(kindAt(0), kUntouchedKind);  // the kinds belong to the form attempt
    EXPECT_EQ(error.number(), 0);

    for (const QString& operand : {QStringLiteral("="), QStringLiteral("=A"), QStringLiteral("*"), QString(),
                                   QStringLiteral("==1"), QStringLiteral("'A'")}) {
        EXPECT_EQ(classify(operand), AddressKind::Error) << operand.toStdString();
        EXPECT_EQ(error.number(), 0);
    }
    const std::pair<QString, int> rejected[] = {
        {QStringLiteral("#12"), 161}, {QStringLiteral("=#12"), 161}, {QStringLiteral("='A"), 163},
        {QStringLiteral("=70000"), 162}, {QStringLiteral("GR1"), 140}, {QStringLiteral("GRO"), 144},
    };
    for (const auto& [operand, code] : rejected) {
        error.clear();
        EXPECT_EQ(classify(operand), AddressKind::Error);
        EXPECT_EQ(error.number(), code) << operand.toStdString();
    }
    EXPECT_EQ(assembly.references.size(), 1);
}

}  // namespace kv::testing
