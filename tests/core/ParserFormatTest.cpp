// The formatted line of an accepted statement: label, instruction and operand columns, the
// comment returned apart, and the column widths of the settings.

#include "ParserFixture.h"

namespace kv::testing {

TEST_F(ParserTest, FormatsInDefaultColumns) {
    ParsedLine parsed = parse(QStringLiteral("LOOP LD GR1,A ;count"));
    EXPECT_EQ(parsed.line, QStringLiteral("LOOP") + Blanks(6) + QStringLiteral("LD") + Blanks(8) +
                               QStringLiteral("GR1,A") + Blanks(15));
    EXPECT_EQ(parsed.line.size(), 40);  // the comment starts at column 40
    EXPECT_EQ(parsed.comment, QStringLiteral(";count"));
    EXPECT_EQ(parsed.joinedOperands, QStringLiteral("GR1,A"));
    EXPECT_EQ(parsed.statement(), parsed.line + QStringLiteral(";count"));

    // Without a comment the line ends after the operands, or after the instruction column.
    EXPECT_EQ(parse(QStringLiteral("MAIN START")).line, QStringLiteral("MAIN") + Blanks(6) + QStringLiteral("START") + Blanks(5));
    EXPECT_EQ(parse(QStringLiteral("  RET")).line, Blanks(10) + QStringLiteral("RET") + Blanks(7));
    EXPECT_EQ(parse(QStringLiteral("\t\tJUMP\t\tLOOP , GR2")).line,
              Blanks(10) + QStringLiteral("JUMP") + Blanks(6) + QStringLiteral("LOOP,GR2"));
    // An instruction without operands but with a comment: the operand column is all blanks.
    parsed = parse(QStringLiteral(" RET ;back"));
    EXPECT_EQ(parsed.line, Blanks(10) + QStringLiteral("RET") + Blanks(7) + Blanks(20));
    EXPECT_EQ(parsed.comment, QStringLiteral(";back"));
}

TEST_F(ParserTest, LongOperandsAreFollowedByOneBlankBeforeTheComment) {
    const QString twenty = QStringLiteral("'ABCDEFGHIJKLMNOPQR'");  // 20 characters
    ParsedLine parsed = parse(QStringLiteral(" DC ") + twenty + QStringLiteral(" ;c"));
    EXPECT_EQ(parsed.line, Blanks(10) + QStringLiteral("DC") + Blanks(8) + twenty + QStringLiteral(" "));
    parsed = parse(QStringLiteral(" DC ") + twenty + QStringLiteral(",1 ;c"));
    EXPECT_EQ(parsed.line, Blanks(10) + QStringLiteral("DC") + Blanks(8) + twenty + QStringLiteral(",1 "));
    // Nineteen characters still fill the column to twenty.
    parsed = parse(QStringLiteral(" DC 'ABCDEFGHIJKLMNOPQ' ;c"));
    EXPECT_EQ(parsed.line.size(), 40);
}

TEST_F(ParserTest, RegisterDigitsAppearAsRegisterNames) {
    ParsedLine parsed = parse(QStringLiteral(" LD 1,DATA"));
    EXPECT_EQ(parsed.line, Blanks(10) + QStringLiteral("LD") + Blanks(8) + QStringLiteral("GR1,DATA"));
    parsed = parse(QStringLiteral(" LD 1,DATA,7"));
    EXPECT_EQ(parsed.joinedOperands, QStringLiteral("GR1,DATA,GR7"));
    EXPECT_EQ(parse(QStringLiteral(" POP 3")).joinedOperands, QStringLiteral("GR3"));
    // The second register of the register form takes no digit: LD GR1,2 loads from address 2.
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,2")).joinedOperands, QStringLiteral("GR1,2"));
}

TEST_F(ParserTest, FormatsInOtherColumnWidths) {
    settings.labelWidth = 12;
    settings.instructionWidth = 7;
    settings.operandWidth = 5;
    ParsedLine parsed = parse(QStringLiteral("LOOP LD GR1,A ;c"));
    EXPECT_EQ(parsed.line, QStringLiteral("LOOP") + Blanks(8) + QStringLiteral("LD") + Blanks(5) + QStringLiteral("GR1,A "));
    parsed = parse(QStringLiteral(" ST GR1,B ;c"));
    EXPECT_EQ(parsed.line, Blanks(12) + QStringLiteral("ST") + Blanks(5) + QStringLiteral("GR1,B "));
    parsed = parse(QStringLiteral(" POP GR1 ;c"));
    EXPECT_EQ(parsed.line, Blanks(12) + QStringLiteral("POP") + Blanks(4) + QStringLiteral("GR1  "));

    settings.labelWidth = 20;
    settings.instructionWidth = 20;
    settings.operandWidth = 20;
    parsed = parse(QStringLiteral("A NOP ;c"));
    EXPECT_EQ(parsed.line, QStringLiteral("A") + Blanks(19) + QStringLiteral("NOP") + Blanks(17) + Blanks(20));
}

TEST_F(ParserTest, FullColumnsStillSeparateTheFields) {
    // A label as wide as its column and a mnemonic as wide as its column keep one blank after them,
    // so that the formatted line reads back as the same statement.
    settings.labelWidth = 8;
    settings.instructionWidth = 5;
    ParsedLine parsed = parse(QStringLiteral("PROGRAM1 START BEGIN"));
    EXPECT_EQ(parsed.line, QStringLiteral("PROGRAM1 START BEGIN"));
    parsed = parse(QStringLiteral("LABEL123 RPUSH"));
    EXPECT_EQ(parsed.line, QStringLiteral("LABEL123 RPUSH "));
    const ParsedLine again = parse(parsed.statement());
    EXPECT_EQ(again.resultClass, LineClass::Statement);
    EXPECT_EQ(again.label, QStringLiteral("LABEL123"));
    EXPECT_EQ(again.line, parsed.line);
}

}  // namespace kv::testing
