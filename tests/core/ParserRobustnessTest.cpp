// Lines a learner may not mean to type: very long lines, control characters, unbalanced quotes.
// And the formatted statement of every accepted line reads back as the same statement.

#include <random>

#include "ParserFixture.h"

namespace kv::testing {

namespace {

// A line in the shape of a statement: label, blanks, mnemonic, operands, comment, from pieces that
// are right, nearly right or noise, with now and then a stray character put in anywhere.
QString RandomLine(std::mt19937& random) {
    static const char16_t* const kLabels[] = {u"", u"", u"", u"LOOP", u"A", u"GRO", u"X1", u"loop", u"GR1", u"1A", u";"};
    static const char16_t* const kGaps[] = {u" ", u"  ", u"\t", u"　", u" \t "};
    static const char16_t* const kMnemonics[] = {
        u"LD", u"ST", u"LAD", u"ADDA", u"SUBL", u"AND", u"CPA", u"SLA", u"JUMP", u"JPL", u"PUSH", u"POP",
        u"CALL", u"RET", u"SVC", u"NOP", u"COPY", u"IN", u"OUT", u"RPUSH", u"DC", u"DS", u"START", u"END",
        u"ld", u"ｊｕｍｐ", u"LDX", u"",
    };
    static const char16_t* const kOperands[] = {
        u"GR1", u"GR7", u"1", u"7", u"GR0", u"GRO", u"GR8", u"DATA", u"#00FF", u"=10", u"='A,B'", u"'IT''S'",
        u"-1", u"65535", u"3", u"255", u"'a;b'", u"=#FFFF", u"gr2", u"ＧＲ３", u"", u"1.5", u"'", u"X''Y",
    };
    static const char16_t* const kSeparators[] = {u",", u",", u",", u" , ", u", ", u"，"};
    static const char16_t* const kComments[] = {u"", u"", u" ;Remark", u"  ; it's", u" rest", u" ;", u"\t;a,b. c"};
    static const char16_t kNoise[] = {u'\'', u',', u';', u'.', u' ', u'\0', u'\x01', u'=', u'#', u'漢'};

    auto pick = [&random](const auto& pieces) {
        return QString::fromUtf16(pieces[random() % std::size(pieces)]);
    };
    QString line = pick(kLabels) + pick(kGaps) + pick(kMnemonics);
    const int operands = random() % 5;
    for (int i = 0; i < operands; ++i) line += (i == 0 ? pick(kGaps) : pick(kSeparators)) + pick(kOperands);
    line += pick(kComments);
    if (random() % 4 == 0) line.insert(random() % (line.size() + 1), QChar(kNoise[random() % std::size(kNoise)]));
    return line;
}

}  // namespace

TEST_F(ParserTest, AcceptedLinesReadBackAsTheSameStatement) {
    std::mt19937 random(20240611);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        // The narrowest columns too, where a label or a mnemonic fills its column.
        const bool narrow = i % 2 == 1;
        settings.labelWidth = narrow ? 8 : 10;
        settings.instructionWidth = narrow ? 5 : 10;
        settings.operandWidth = narrow ? 5 : 20;
        const QString line = RandomLine(random);
        const ParsedLine first = parse(line);
        const int resultClass = static_cast<int>(first.resultClass);
        ASSERT_TRUE(resultClass == 0 || resultClass == 1 || resultClass == 2 || resultClass == 3 || resultClass == 4 ||
                    resultClass == 9 || resultClass == 999)
            << line.toStdString();
        if (first.resultClass != LineClass::Statement) {
            EXPECT_NE(resultClass >= 2 && resultClass != 9, error.number() == 0) << line.toStdString();
            continue;
        }
        ++accepted;
        const ParsedLine again = parse(first.statement());
        ASSERT_EQ(again.resultClass, LineClass::Statement) << line.toStdString();
        EXPECT_EQ(again.line, first.line) << line.toStdString();
        EXPECT_EQ(again.label, first.label) << line.toStdString();
        EXPECT_EQ(again.instructionNumber, first.instructionNumber) << line.toStdString();
        EXPECT_EQ(again.comment, first.comment) << line.toStdString();
        EXPECT_EQ(again.operands, first.operands) << line.toStdString();
        EXPECT_EQ(again.form, first.form) << line.toStdString();
    }
    // The pieces make enough statements for the round trip to mean something.
    EXPECT_GT(accepted, 500) << accepted;
}

TEST_F(ParserTest, VeryLongLines) {
    const QString letters(10000, QLatin1Char('A'));
    expectRejected(letters, 111, LineClass::LabelError);
    expectRejected(QStringLiteral(" ") + letters, 121, LineClass::InstructionError);
    expectRejected(QStringLiteral(" DC '") + QString(10000, QLatin1Char('x')), 163);
    expectRejected(QStringLiteral(" LD GR1,") + letters, 141);
    // An even number of quotes is a constant of doubled quotes; an odd number never closes.
    EXPECT_EQ(parse(QStringLiteral(" DC ") + QString(10000, QLatin1Char('\''))).resultClass, LineClass::Statement);
    expectRejected(QStringLiteral(" DC ") + QString(9999, QLatin1Char('\'')), 163);

    // Five thousand constants in one DC line.
    QString constants = QStringLiteral("1");
    for (int i = 1; i < 5000; ++i) constants += QStringLiteral(",1");
    ParsedLine parsed = parse(QStringLiteral(" DC ") + constants);
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operandCount(), 5000);
    EXPECT_EQ(parsed.joinedOperands, constants);

    // A long comment is kept whole.
    const QString remark = QStringLiteral(";") + QString(9990, QChar(0x3042));
    parsed = parse(QStringLiteral(" NOP ") + remark);
    EXPECT_EQ(parsed.comment, remark);
}

TEST_F(ParserTest, ControlCharactersAreOrdinaryWrongCharacters) {
    expectRejected(QString(3, QChar(0)), 112, LineClass::LabelError);
    expectRejected(QStringLiteral(" LD GR1,A") + QChar(0), 142);
    expectRejected(QStringLiteral(" LD GR1,A\r"), 142);
    expectRejected(QStringLiteral(" NOP") + QChar(0x1B), 121, LineClass::InstructionError);
    // In a comment they are just text.
    const ParsedLine parsed = parse(QStringLiteral(" NOP ;a") + QChar(0) + QStringLiteral("b"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.comment, QStringLiteral(";a") + QChar(0) + QStringLiteral("b"));
}

}  // namespace kv::testing
