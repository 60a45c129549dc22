// The operand forms of the machine instructions (RR, RAX, AX, R) and what they write at the
// location counter: the first word, the address word, the kinds, references and used registers.

#include "ParserFixture.h"

namespace kv::testing {

TEST_F(ParserTest, RegisterFormWritesBothRegisterFields) {
    ParsedLine parsed = parse(QStringLiteral(" LD GR1,GR2"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.form, 1);
    EXPECT_EQ(parsed.operands, (QStringList{"GR1", "GR2"}));
    EXPECT_EQ(word(0), 0x1412);
    EXPECT_EQ(word(1), kUntouched);
    EXPECT_EQ(kindAt(0), kind::Instruction);
    EXPECT_EQ(kindAt(1), kind::Instruction);
    EXPECT_EQ(kindAt(2), kUntouchedKind);

    EXPECT_EQ(parse(QStringLiteral(" ADDA GR7,GR0")).form, 1);
    EXPECT_EQ(word(0), 0x2470);
    EXPECT_EQ(parse(QStringLiteral(" CPL 3,GR4 ;digit first")).comment, QStringLiteral(";digit first"));
    EXPECT_EQ(word(0), 0x4534);
    EXPECT_EQ(parse(QStringLiteral(" XOR GR5 , GR6")).operands, (QStringList{"GR5", "GR6"}));
    EXPECT_EQ(word(0), 0x3656);
    EXPECT_TRUE(assembly.references.isEmpty());
}

TEST_F(ParserTest, SecondFormIsTheAddressForm) {
    ParsedLine parsed = parse(QStringLiteral(" LD GR1,DATA"));
    EXPECT_EQ(parsed.form, 2);
    EXPECT_EQ(word(0), 0x1010);
    EXPECT_EQ(word(1), kUntouched);  // filled in when the label is resolved
    ASSERT_EQ(assembly.references.size(), 1);
    EXPECT_EQ(assembly.references[0].name, QStringLiteral("DATA"));
    EXPECT_EQ(assembly.references[0].address, 0x8001);

    // A digit second operand is an address, not a register.
    parsed = parse(QStringLiteral(" LD GR1,2"));
    EXPECT_EQ(parsed.form, 2);
    EXPECT_EQ(word(0), 0x1010);
    EXPECT_EQ(word(1), 2);
    parsed = parse(QStringLiteral(" ADDA GR1,2"));
    EXPECT_EQ(parsed.form, 2);
    EXPECT_EQ(word(0), 0x2010);
    EXPECT_EQ(word(1), 2);

    // GR8 is no register: the address form takes it as a label; form 1's complaint is dropped.
    parsed = parse(QStringLiteral(" LD GR1,GR8"));
    EXPECT_EQ(parsed.resultClass, LineClass::Statement);
    EXPECT_EQ(parsed.form, 2);
    EXPECT_EQ(error.number(), 0);
    EXPECT_EQ(assembly.references.last().name, QStringLiteral("GR8"));
}

TEST_F(ParserTest, AddressFormWithIndexRegister) {
    ParsedLine parsed = parse(QStringLiteral(" LD GR1,DATA,GR2"));
    EXPECT_EQ(parsed.operands, (QStringList{"GR1", "DATA", "GR2"}));
    EXPECT_EQ(word(0), 0x1012);
    parsed = parse(QStringLiteral(" LAD GR0,#00FF,5 ;x"));
    EXPECT_EQ(parsed.form, 1);
    EXPECT_EQ(parsed.operands, (QStringList{"GR0", "#00FF", "GR5"}));
    EXPECT_EQ(parsed.comment, QStringLiteral(";x"));
    EXPECT_EQ(word(0), 0x1205);
    EXPECT_EQ(word(1), 0x00FF);
    parse(QStringLiteral(" ST GR3,-1"));
    EXPECT_EQ(word(0), 0x1130);
    EXPECT_EQ(word(1), -1);  // made a 16-bit pattern at the end of the assembly
    parse(QStringLiteral(" SRL GR4,65535"));
    EXPECT_EQ(word(0), 0x5340);
    EXPECT_EQ(word(1), 65535);
    // Literals are checked only; their reference is the assembler's.
    for (const QString& line : {QStringLiteral(" LD GR1,=10"), QStringLiteral(" LD GR1,=#000A"),
                                QStringLiteral(" LD GR1,='A'"), QStringLiteral(" LD GR1,=-5")}) {
        parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, LineClass::Statement) << line.toStdString();
        EXPECT_EQ(word(1), 65535) << line.toStdString();  // still the address of SRL above
    }
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,='X,Y'")).operands, (QStringList{"GR1", "='X,Y'"}));
    EXPECT_EQ(assembly.references.size(), 1);  // DATA of the first line
}

TEST_F(ParserTest, MachineInstructionOperandErrors) {
    expectRejected(QStringLiteral(" LD GR1.DATA"), 145);
    expectRejected(QStringLiteral(" LD GR1.GR2"), 145);
    expectRejected(QStringLiteral(" LD GR1,DATA.1"), 145);
    expectRejected(QStringLiteral(" SUBL GR8,GR1"), 151);
    expectRejected(QStringLiteral(" LD 8,DATA"), 146);  // 8 is no register digit
    expectRejected(QStringLiteral(" LD GRO,GR1"), 144);
    expectRejected(QStringLiteral(" LD GR1,GRO"), 144);
    expectRejected(QStringLiteral(" LD GR1,GR2,GR3"), 140);
    expectRejected(QStringLiteral(" LD GR1,DATA,GR0"), 152);
    expectRejected(QStringLiteral(" LD GR1,DATA,GRO"), 154);
    expectRejected(QStringLiteral(" LD GR1,DATA,GR9"), 153);
    expectRejected(QStringLiteral(" LD GR1,DATAAREA1"), 141);
    expectRejected(QStringLiteral(" LD GR1,DA-TA"), 142);
    expectRejected(QStringLiteral(" LD GR1,#12"), 161);
    expectRejected(QStringLiteral(" LD GR1,70000"), 162);
    expectRejected(QStringLiteral(" LD GR1,='AB"), 163);
    expectRejected(QStringLiteral(" LD GR1,='A") + QChar(7) + QStringLiteral("'"), 164);
    // Missing operands.
    expectRejected(QStringLiteral(" LD"), 147);
    expectRejected(QStringLiteral(" LD GR1"), 147);
    expectRejected(QStringLiteral(" LD GR1,"), 147);
    expectRejected(QStringLiteral(" ST GR1, ;nothing"), 147);
    expectRejected(QStringLiteral(" LD GR1,DATA,"), 147);
    // Operands no rule names.
    expectRejected(QStringLiteral(" LD GR1,*"), 146);
    expectRejected(QStringLiteral(" LD GR1,=DATA"), 146);
    expectRejected(QStringLiteral(" LD GR1,DATA,GR2,GR3"), 146);
    expectRejected(QStringLiteral(" LD GRX1,DATA"), 146);
}

TEST_F(ParserTest, PeriodInCommentOrConstantIsNoTypingSlip) {
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,GR2 ;1.5 times")).resultClass, LineClass::Statement);
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,='.' ;dot")).resultClass, LineClass::Statement);
    // A real error keeps its own code when only the comment holds a period.
    expectRejected(QStringLiteral(" LD GR9,DATA ;see 2.1"), 151);
}

TEST_F(ParserTest, AddressOnlyForm) {
    ParsedLine parsed = parse(QStringLiteral(" JUMP LOOP"));
    EXPECT_EQ(parsed.operands, (QStringList{"LOOP"}));
    EXPECT_EQ(word(0), 0x6400);
    EXPECT_EQ(assembly.references.last().address, 0x8001);
    parse(QStringLiteral(" JUMP LOOP,GR1"));
    EXPECT_EQ(word(0), 0x6401);
    parse(QStringLiteral(" PUSH 0,GR2"));
    EXPECT_EQ(word(0), 0x7002);
    EXPECT_EQ(word(1), 0);
    parse(QStringLiteral(" SVC 1"));
    EXPECT_EQ(word(0), 0xF000);
    EXPECT_EQ(word(1), 1);
    parsed = parse(QStringLiteral(" CALL SUB ;call it"));
    EXPECT_EQ(word(0), 0x8000);
    EXPECT_EQ(parsed.comment, QStringLiteral(";call it"));
    // Whatever follows the address after a blank, without a comma, is the comment.
    parsed = parse(QStringLiteral(" JPL NEXT GR1"));
    EXPECT_EQ(parsed.operands, (QStringList{"NEXT"}));
    EXPECT_EQ(parsed.comment, QStringLiteral("GR1"));

    expectRejected(QStringLiteral(" JUMP LOOP,GR0"), 152);
    expectRejected(QStringLiteral(" JUMP LOOP,GRO"), 154);
    expectRejected(QStringLiteral(" JUMP LOOP,ABC"), 153);
    expectRejected(QStringLiteral(" JUMP GR1"), 140);
    expectRejected(QStringLiteral(" JUMP"), 147);
    expectRejected(QStringLiteral(" JUMP ;where to"), 147);
    expectRejected(QStringLiteral(" JUMP ,GR1"), 147);
    expectRejected(QStringLiteral(" JUMP LOOP,"), 147);
    expectRejected(QStringLiteral(" JMI LOOP.1"), 145);
}

TEST_F(ParserTest, OneRegisterForm) {
    parse(QStringLiteral(" POP GR3"));
    EXPECT_EQ(word(0), 0x7130);
    EXPECT_EQ(parse(QStringLiteral(" POP 5 ;digit")).operands, (QStringList{"GR5"}));
    EXPECT_EQ(word(0), 0x7150);
    expectRejected(QStringLiteral(" POP"), 147);
    expectRejected(QStringLiteral(" POP ;none"), 147);
    expectRejected(QStringLiteral(" POP GR8"), 151);
    expectRejected(QStringLiteral(" POP GR1,GR2"), 146);
    expectRejected(QStringLiteral(" POP GR1.GR2"), 145);
}

TEST_F(ParserTest, EveryAttemptClearsTheFirstWordAndMarksTwoInstructionWords) {
    // Also when the line is rejected: the words at L are the statement's, whatever it turns into.
    expectRejected(QStringLiteral(" LD GR9,DATA"), 151);
    EXPECT_EQ(word(0), 0);
    EXPECT_EQ(kindAt(0), kind::Instruction);
    EXPECT_EQ(kindAt(1), kind::Instruction);
    EXPECT_EQ(word(1), kUntouched);

    // At another location counter.
    assembly.locationCounter = 0x8123;
    parse(QStringLiteral(" LAD GR2,#1234"));
    EXPECT_EQ(machine.memory[0x123], 0x1220);
    EXPECT_EQ(machine.memory[0x124], 0x1234);
    EXPECT_EQ(machine.wordKinds[0x124], kind::Instruction);
    EXPECT_EQ(machine.memory[0], 0);
}

TEST_F(ParserTest, RegisterChecksMarkUsedRegisters) {
    parse(QStringLiteral(" LD GR2,DATA,GR5"));
    parse(QStringLiteral(" POP 7"));
    const std::array<bool, 8> expected{false, false, true, false, false, true, false, true};
    EXPECT_EQ(assembly.usedRegisters, expected);
    // An index register GR0 is refused and not marked.
    parse(QStringLiteral(" JUMP LOOP,GR0"));
    EXPECT_FALSE(assembly.usedRegisters[0]);
}

TEST_F(ParserTest, ReferencesStopAtTwoHundred) {
    for (int i = 0; i < 199; ++i) assembly.references.push_back({QStringLiteral("L%1").arg(i), 0x8000 + i});
    EXPECT_EQ(parse(QStringLiteral(" JUMP LAST")).resultClass, LineClass::Statement);
    EXPECT_EQ(assembly.references.size(), 200);
    expectRejected(QStringLiteral(" JUMP ONEMORE"), 331);
    EXPECT_EQ(assembly.references.size(), 200);
    EXPECT_EQ(assembly.references.last().name, QStringLiteral("LAST"));
    // Constants and literals need no reference.
    EXPECT_EQ(parse(QStringLiteral(" JUMP #8000")).resultClass, LineClass::Statement);
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,=1")).resultClass, LineClass::Statement);
}

TEST_F(ParserTest, RejectedLineLeavesNoReference) {
    // The label was classified before the index register failed; the line generates no code, so
    // a reference into its words would later land in the next statement.
    expectRejected(QStringLiteral(" LD GR1,DATA,GR9"), 153);
    EXPECT_TRUE(assembly.references.isEmpty());
    parse(QStringLiteral(" LD GR1,KEEP"));
    expectRejected(QStringLiteral(" JUMP DROP,GR0"), 152);
    ASSERT_EQ(assembly.references.size(), 1);
    EXPECT_EQ(assembly.references[0].name, QStringLiteral("KEEP"));
}

TEST_F(ParserTest, NoWriteOutsideTheMachineWords) {
    // The last word the machine holds: the address word has no place and is dropped.
    assembly.locationCounter = machine.userStart + MachineState::kWords - 1;
    EXPECT_EQ(parse(QStringLiteral(" LD GR1,5")).resultClass, LineClass::Statement);
    EXPECT_EQ(machine.memory[MachineState::kWords - 1], 0x1010);
    // Beyond the machine, or below it: the line is still checked, nothing is written.
    const auto memory = machine.memory;
    const auto kinds = machine.wordKinds;
    for (std::int32_t location : {machine.userStart + 5000, machine.userStart - 2, std::int32_t{-5}, std::int32_t{0x7FFFFFFF}}) {
        assembly.locationCounter = location;
        EXPECT_EQ(parse(QStringLiteral(" LD GR1,5,GR2")).resultClass, LineClass::Statement);
        EXPECT_EQ(parse(QStringLiteral(" COPY A,B,3")).resultClass, LineClass::Statement);
        EXPECT_EQ(parse(QStringLiteral(" DC 1,2")).resultClass, LineClass::Statement);
    }
    EXPECT_EQ(machine.memory, memory);
    EXPECT_EQ(machine.wordKinds, kinds);
}

TEST_F(ParserTest, ParseOperandsTriesTheFormsInOrder) {
    ParsedLine line;
    parseOperands(u"  GR1,GR2  ", table.FindMnemonic(QStringLiteral("ADDL")), line);
    EXPECT_EQ(line.resultClass, LineClass::Statement);
    EXPECT_EQ(line.form, 1);
    EXPECT_EQ(line.joinedOperands, QStringLiteral("GR1,GR2"));
    EXPECT_EQ(word(0), 0x2612);
    parseOperands(u"GR1,ADDR", table.FindMnemonic(QStringLiteral("ADDL")), line);
    EXPECT_EQ(line.form, 2);
    EXPECT_EQ(word(0), 0x2210);
    ParsedLine rejected;
    parseOperands(u"GR1", table.FindMnemonic(QStringLiteral("SUBA")), rejected);
    EXPECT_EQ(rejected.resultClass, LineClass::OperandError);
    EXPECT_EQ(error.number(), 147);
}

}  // namespace kv::testing
