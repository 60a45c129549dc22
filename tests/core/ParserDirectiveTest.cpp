// The operand forms of the assembler and macro instructions and of COPY: NON, LL, COPY, START,
// END, DS and DC.

#include "ParserFixture.h"

namespace kv::testing {

TEST_F(ParserTest, NoOperandForm) {
    parse(QStringLiteral(" NOP"));
    EXPECT_EQ(word(0), 0x0000);
    EXPECT_EQ(kindAt(0), kind::Instruction);
    ParsedLine parsed = parse(QStringLiteral(" RET ;back to the caller"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operandCount(), 0);
    EXPECT_EQ(parsed.comment, QStringLiteral(";back to the caller"));
    EXPECT_EQ(word(0), 0x8100);
    EXPECT_EQ(parse(QStringLiteral(" RPUSH")).resultClass, LineClass::Statement);
    EXPECT_EQ(word(0), 0);
    expectRejected(QStringLiteral(" RET GR1"), 146);
    expectRejected(QStringLiteral(" RPOP 1.5"), 145);
}

TEST_F(ParserTest, InputOutputMacroTakesTwoLabels) {
    ParsedLine parsed = parse(QStringLiteral(" IN BUF,LEN ;read"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"BUF", "LEN"}));
    EXPECT_EQ(parsed.comment, QStringLiteral(";read"));
    EXPECT_TRUE(assembly.references.isEmpty());  // the expansion records them
    EXPECT_EQ(parse(QStringLiteral(" OUT BUF , LEN")).operands, (QStringList{"BUF", "LEN"}));
    expectRejected(QStringLiteral(" OUT BUF.LEN"), 145);
    expectRejected(QStringLiteral(" IN BUF"), 147);
    expectRejected(QStringLiteral(" IN BUF,"), 147);
    expectRejected(QStringLiteral(" IN GR1,LEN"), 140);
    expectRejected(QStringLiteral(" IN BUF,GRO"), 144);
    expectRejected(QStringLiteral(" IN BUFFERXYZ,LEN"), 141);
    expectRejected(QStringLiteral(" IN BUF,LEN-1"), 142);
    expectRejected(QStringLiteral(" IN BUF,#0010"), 142);
}

TEST_F(ParserTest, CopyTakesTwoLabelsAndACountBelow256) {
    ParsedLine parsed = parse(QStringLiteral(" COPY A,B,255"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"A", "B", "255"}));
    EXPECT_EQ(word(0), 0xA0FF);
    parse(QStringLiteral(" COPY DEST,SRC,3 ;three words"));
    EXPECT_EQ(word(0), 0xA003);
    EXPECT_TRUE(assembly.references.isEmpty());  // the assembler records both
    parse(QStringLiteral(" COPY A,B,0"));
    EXPECT_EQ(word(0), 0xA000);
    expectRejected(QStringLiteral(" COPY A,B,256"), 146);
    expectRejected(QStringLiteral(" COPY A,B,-1"), 146);
    expectRejected(QStringLiteral(" COPY A,B,X"), 162);
    expectRejected(QStringLiteral(" COPY A,B"), 147);
    expectRejected(QStringLiteral(" COPY A"), 147);
    expectRejected(QStringLiteral(" COPY A,B,"), 147);
    expectRejected(QStringLiteral(" COPY GR1,B,1"), 140);
    expectRejected(QStringLiteral(" COPY A,B.C,1"), 145);
}

TEST_F(ParserTest, StartAndEnd) {
    ParsedLine parsed = parse(QStringLiteral("MAIN START BEGIN ;entry"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"BEGIN"}));
    EXPECT_EQ(parsed.comment, QStringLiteral(";entry"));
    parsed = parse(QStringLiteral("MAIN START ;no entry label"));
    EXPECT_EQ(parsed.operandCount(), 0);
    EXPECT_EQ(parsed.comment, QStringLiteral(";no entry label"));
    expectRejected(QStringLiteral("MAIN START 1ABC"), 171);
    expectRejected(QStringLiteral("MAIN START GR1"), 171);
    expectRejected(QStringLiteral("MAIN START VERYLONGNAME"), 171);

    parsed = parse(QStringLiteral(" END ;the end"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operandCount(), 0);
    EXPECT_EQ(parsed.comment, QStringLiteral(";the end"));
    expectRejected(QStringLiteral(" END MAIN"), 131);
}

TEST_F(ParserTest, DsReservesWordsFilledWithTheInitialValue) {
    ParsedLine parsed = parse(QStringLiteral("BUF DS 3 ;buffer"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.operands, (QStringList{"3"}));
    EXPECT_EQ(parsed.dsWords, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(word(i), 0x7FFF);
        EXPECT_EQ(kindAt(i), kind::Free);
    }
    EXPECT_EQ(word(3), kUntouched);
    EXPECT_EQ(kindAt(3), kUntouchedKind);

    machine.grInitialValue = 0x1234;
    assembly.locationCounter = 0x8010;
    EXPECT_EQ(parse(QStringLiteral(" DS 2")).dsWords, 2);
    EXPECT_EQ(machine.memory[0x10], 0x1234);
    EXPECT_EQ(machine.memory[0x11], 0x1234);
    EXPECT_EQ(machine.wordKinds[0x11], kind::Free);

    // DS 0 reserves nothing.
    EXPECT_EQ(parse(QStringLiteral(" DS 0")).dsWords, 0);
    EXPECT_EQ(word(0), 0);  // cleared by the attempt
    EXPECT_EQ(word(1), 0x1234);
}

TEST_F(ParserTest, DsMustEndBelowTheLastWord) {
    ParsedLine parsed = parse(QStringLiteral(" DS 4094"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(machine.memory[4093], 0x7FFF);
    EXPECT_EQ(machine.memory[4094], kUntouched);

    parsed = parse(QStringLiteral(" DS 4095"));
    EXPECT_EQ(parsed.resultClass, LineClass::Fatal);
    EXPECT_EQ(error.number(), 307);
    EXPECT_EQ(parsed.dsWords, -1);
    EXPECT_EQ(machine.memory[4094], kUntouched);

    assembly.locationCounter = machine.userEnd;
    expectRejected(QStringLiteral(" DS 0"), 307, LineClass::Fatal);
    assembly.locationCounter = machine.userEnd - 1;
    EXPECT_EQ(parse(QStringLiteral(" DS 0")).resultClass, LineClass::Statement);
    expectRejected(QStringLiteral(" DS 65535"), 307, LineClass::Fatal);
    // With a location counter outside the area there is no room either.
    assembly.locationCounter = machine.userStart - 100;
    expectRejected(QStringLiteral(" DS 50"), 307, LineClass::Fatal);
    EXPECT_EQ(machine.memory[1], 0x7FFF);  // only the DS 4094 above wrote here

    machine.setUserStart(0x9000);
    assembly.locationCounter = 0x9FF0;
    EXPECT_EQ(parse(QStringLiteral(" DS 14")).resultClass, LineClass::Statement);
    expectRejected(QStringLiteral(" DS 15"), 307, LineClass::Fatal);
}

TEST_F(ParserTest, DsCountErrors) {
    expectRejected(QStringLiteral(" DS"), 147);
    expectRejected(QStringLiteral(" DS ;nothing"), 147);
    expectRejected(QStringLiteral(" DS ABC"), 162);
    expectRejected(QStringLiteral(" DS #0010"), 162);
    expectRejected(QStringLiteral(" DS 1234567"), 162);
    expectRejected(QStringLiteral(" DS 1.5"), 145);
    expectRejected(QStringLiteral(" DS -1"), 146);
    expectRejected(QStringLiteral(" DS 70000"), 146);
}

TEST_F(ParserTest, DcConstants) {
    expectAccepted(QStringLiteral(" DC 'IT''S'"), {"'IT''S'"});
    expectAccepted(QStringLiteral(" DC 'A,B',3"), {"'A,B'", "3"});
    expectAccepted(QStringLiteral(" DC -32768"), {"-32768"});
    expectAccepted(QStringLiteral(" DC 65535"), {"65535"});
    expectAccepted(QStringLiteral(" DC +12,#FFFF,LABEL,'x y' ;four"), {"+12", "#FFFF", "LABEL", "'x y'"});
    expectAccepted(QStringLiteral(" DC 'a;b' , 'c' ;Note"), {"'a;b'", "'c'"});
    expectAccepted(QStringLiteral(" DC ''''"), {"''''"});
    expectAccepted(QStringLiteral(" DC '漢字'"), {"'漢字'"});
    // A malformed number is read as far as it spells one.
    expectAccepted(QStringLiteral(" DC 1-2"), {"1-2"});
    // Text after a blank without a comma is the comment.
    ParsedLine parsed = parse(QStringLiteral(" DC 1 2"));
    EXPECT_EQ(parsed.operands, (QStringList{"1"}));
    EXPECT_EQ(parsed.comment, QStringLiteral("2"));
    // The parser writes no constant: the assembler does, with its own kinds.
    EXPECT_EQ(word(0), 0);
    EXPECT_EQ(word(1), kUntouched);
    EXPECT_TRUE(assembly.references.isEmpty());

    expectRejected(QStringLiteral(" DC #12"), 161);
    expectRejected(QStringLiteral(" DC #12345"), 161);
    expectRejected(QStringLiteral(" DC 70000"), 162);
    expectRejected(QStringLiteral(" DC -32769"), 162);
    expectRejected(QStringLiteral(" DC -"), 162);
    expectRejected(QStringLiteral(" DC GR1"), 140);
    expectRejected(QStringLiteral(" DC GRO"), 144);
    expectRejected(QStringLiteral(" DC LONGLABEL"), 141);
    expectRejected(QStringLiteral(" DC 'ABC"), 163);
    expectRejected(QStringLiteral(" DC 'A'B'"), 163);
    expectRejected(QStringLiteral(" DC 'A") + QChar(1) + QStringLiteral("B'"), 164);
    expectRejected(QStringLiteral(" DC"), 147);
    expectRejected(QStringLiteral(" DC ;nothing"), 147);
    expectRejected(QStringLiteral(" DC *"), 143);
    expectRejected(QStringLiteral(" DC =1"), 143);
    expectRejected(QStringLiteral(" DC ,1"), 143);
    expectRejected(QStringLiteral(" DC 1,,2"), 143);
    expectRejected(QStringLiteral(" DC 1,"), 143);
    expectRejected(QStringLiteral(" DC 1, ;c"), 143);
    expectRejected(QStringLiteral(" DC 1.5"), 145);
    // The first bad constant ends the check.
    expectRejected(QStringLiteral(" DC #12,70000"), 161);
}

}  // namespace kv::testing
