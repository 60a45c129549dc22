// The source line parser by line kind: empty and comment lines, the label and instruction fields,
// and the normalising of full-width text and case.

#include "ParserFixture.h"

namespace kv::testing {

TEST_F(ParserTest, BlankLinesAreEmpty) {
    error.raise(kv::ErrorCode(999));  // whatever an earlier line left is cleared on entry
    for (const QString& line : {QString(), QStringLiteral("     "), QStringLiteral("\t \t"), QStringLiteral("　　")}) {
        const ParsedLine parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, LineClass::Empty) << line.toStdString();
        EXPECT_EQ(parsed.line, QString());
        EXPECT_EQ(error.number(), 0);
    }
    // An empty line touches no word.
    EXPECT_EQ(word(0), kUntouched);
    EXPECT_EQ(kindAt(0), kUntouchedKind);
}

TEST_F(ParserTest, CommentLinesKeepTheirTextAsTyped) {
    ParsedLine parsed = parse(QStringLiteral(";Main Program   "));
    EXPECT_EQ(parsed.resultClass, LineClass::Comment);
    EXPECT_EQ(parsed.line, QStringLiteral(";Main Program"));
    EXPECT_TRUE(parsed.label.isEmpty());
    EXPECT_TRUE(parsed.instruction.isEmpty());
    EXPECT_EQ(parsed.operandCount(), 0);
    EXPECT_EQ(error.number(), 0);

    // The first non-blank character decides; the indentation stays, tabs become blanks.
    parsed = parse(QStringLiteral("   ; Indented, lower case"));
    EXPECT_EQ(parsed.resultClass, LineClass::Comment);
    EXPECT_EQ(parsed.line, QStringLiteral("   ; Indented, lower case"));
    parsed = parse(QStringLiteral("\t;tab"));
    EXPECT_EQ(parsed.resultClass, LineClass::Comment);
    EXPECT_EQ(parsed.line, QStringLiteral(" ;tab"));
    parsed = parse(QStringLiteral("　；全角のコメント"));
    EXPECT_EQ(parsed.resultClass, LineClass::Comment);
    EXPECT_EQ(parsed.line, QStringLiteral(" ;全角のコメント"));
    EXPECT_EQ(word(0), kUntouched);
}

TEST_F(ParserTest, LabelField) {
    ParsedLine parsed = parse(QStringLiteral("LABEL123 NOP"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.label, QStringLiteral("LABEL123"));
    EXPECT_EQ(parse(QStringLiteral("loop nop")).label, QStringLiteral("LOOP"));
    EXPECT_EQ(parse(QStringLiteral("A NOP")).label, QStringLiteral("A"));
    // GRO (letter O) is a label like any other in the label field.
    parsed = parse(QStringLiteral("GRO NOP"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.label, QStringLiteral("GRO"));

    expectRejected(QStringLiteral("LABEL1234 NOP"), 111, LineClass::LabelError);
    expectRejected(QStringLiteral("GR3 NOP"), 113, LineClass::LabelError);
    expectRejected(QStringLiteral("GR0 NOP"), 113, LineClass::LabelError);
    expectRejected(QStringLiteral("GR7"), 113, LineClass::LabelError);
    expectRejected(QStringLiteral("LAB-EL NOP"), 112, LineClass::LabelError);
    expectRejected(QStringLiteral("LAB,EL NOP"), 112, LineClass::LabelError);
    // A line may begin only with a letter, a blank or ";".
    expectRejected(QStringLiteral("1LABEL NOP"), 112, LineClass::LabelError);
    expectRejected(QStringLiteral("*"), 112, LineClass::LabelError);
    expectRejected(QStringLiteral("'A' NOP"), 112, LineClass::LabelError);
    expectRejected(QStringLiteral("ラベル NOP"), 112, LineClass::LabelError);
    expectRejected(QString(QChar(0)) + QStringLiteral("LD GR1,A"), 112, LineClass::LabelError);
    // Too long and a bad character: the code set last wins.
    expectRejected(QStringLiteral("LABEL-1234 NOP"), 112, LineClass::LabelError);
    // A label error ends the check: the rest of the line is not looked at.
    expectRejected(QStringLiteral("GR1 LDX 1.2"), 113, LineClass::LabelError);
}

TEST_F(ParserTest, InstructionField) {
    ParsedLine parsed = parse(QStringLiteral(" ld gr1,data"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.instruction, QStringLiteral("LD"));
    EXPECT_EQ(parsed.instructionNumber, op::LD);
    EXPECT_EQ(parse(QStringLiteral(" RPOP")).instructionNumber, op::RPOP);

    // A label followed by nothing, or by a comment only, has no instruction.
    expectRejected(QStringLiteral("LABEL"), 122, LineClass::InstructionError);
    expectRejected(QStringLiteral("LABEL   "), 122, LineClass::InstructionError);
    expectRejected(QStringLiteral("LABEL ;comment"), 122, LineClass::InstructionError);
    expectRejected(QStringLiteral(" LDX GR1,A"), 121, LineClass::InstructionError);
    expectRejected(QStringLiteral(" JUMPS LOOP"), 121, LineClass::InstructionError);
    expectRejected(QStringLiteral(" LOOOOOONG"), 121, LineClass::InstructionError);
    expectRejected(QStringLiteral(" RET;no blank before the comment"), 121, LineClass::InstructionError);
    expectRejected(QStringLiteral("LABEL LD. GR1,A"), 121, LineClass::InstructionError);

    expectRejected(QStringLiteral(" START"), 132, LineClass::LabelError);
    expectRejected(QStringLiteral("LAST END"), 131, LineClass::LabelError);
    parsed = parse(QStringLiteral("MAIN START"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.instructionNumber, op::START);
    EXPECT_EQ(parsed.operandCount(), 0);
    EXPECT_EQ(parse(QStringLiteral(" END")).resultClass, LineClass::Statement);
}

TEST_F(ParserTest, FullWidthTextReadsLikeHalfWidth) {
    const ParsedLine full = parse(QStringLiteral("　ＬＤ　ＧＲ１，ＤＡＴＡ"));
    const ParsedLine half = parse(QStringLiteral(" LD GR1,DATA"));
    EXPECT_EQ(full.resultClass, LineClass::Statement);
    EXPECT_EQ(full.line, half.line);
    EXPECT_EQ(full.operands, half.operands);
    EXPECT_EQ(full.instructionNumber, op::LD);

    const ParsedLine constant = parse(QStringLiteral("ＮＵＭ\tＤＣ　＃００ＦＦ，－１２，’ｘ’　；全角"));
    EXPECT_EQ(constant.resultClass, LineClass::Statement);
    EXPECT_EQ(constant.label, QStringLiteral("NUM"));
    EXPECT_EQ(constant.operands, (QStringList{"#00FF", "-12", "'x'"}));
    EXPECT_EQ(constant.comment, QStringLiteral(";全角"));
}

TEST_F(ParserTest, LettersAreUpperCasedOutsideConstantsAndComments) {
    ParsedLine parsed = parse(QStringLiteral("ld gr1,data ;Sum"));
    // "ld" at the start of the line is a label here; the statement needs a blank in front.
    EXPECT_EQ(parsed.resultClass, LineClass::InstructionError);
    parsed = parse(QStringLiteral(" ld gr1,data ;Sum"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"GR1", "DATA"}));
    EXPECT_EQ(parsed.comment, QStringLiteral(";Sum"));
    EXPECT_EQ(parsed.line, Blanks(10) + QStringLiteral("LD") + Blanks(8) + QStringLiteral("GR1,DATA") + Blanks(12));

    parsed = parse(QStringLiteral("msg dc 'Hello, it''s me',x ;Greeting"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"'Hello, it''s me'", "X"}));
    EXPECT_EQ(parsed.comment, QStringLiteral(";Greeting"));
    // Without quote or ";" the whole line is upper-cased, a comment after a blank included.
    parsed = parse(QStringLiteral(" ld gr1,a then b"));
    EXPECT_EQ(parsed.comment, QStringLiteral("THEN B"));
}

TEST_F(ParserTest, RejectedLinesKeepTheNormalisedText) {
    ParsedLine parsed = parse(QStringLiteral("\tld gr9,data\t  "));
    EXPECT_EQ(parsed.resultClass, LineClass::OperandError);
    EXPECT_EQ(error.number(), 151);
    EXPECT_EQ(parsed.line, QStringLiteral(" ld gr9,data"));
    parsed = parse(QStringLiteral("ｌａｂ－ｅｌ　nop"));
    EXPECT_EQ(error.number(), 112);
    EXPECT_EQ(parsed.line, QStringLiteral("lab-el nop"));
    parsed = parse(QStringLiteral(" Ldx gr1,a"));
    EXPECT_EQ(parsed.line, QStringLiteral(" Ldx gr1,a"));
}

}  // namespace kv::testing
