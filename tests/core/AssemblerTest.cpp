// The assembler over whole sources: code, word kinds, literal pools, tables, message-pane lines,
// fatal errors and capacities.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "assembler/Assembler.h"
#include "workbench/Session.h"

namespace kv {
namespace {

using testing::RecordingHost;

class AssemblerTest : public ::testing::Test {
protected:
    Session s;
    RecordingHost host;

    AssemblerTest() { s.applySettings(); }

    AssembleResult assemble(const QStringList& lines) {
        AssembleContext context{s.table, s.settings, s.machine, s.assembly, s.error, host};
        return Assemble(context, lines.join(QLatin1Char('\n')));
    }
    int word(int address) const { return s.machine.word(address); }
    int kindAt(int address) const { return s.machine.kindAt(address); }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : host.messages) texts << m.text;
        return texts;
    }
};

TEST_F(AssemblerTest, SimpleProgramGivesCodeKindsAndMessages) {
    ASSERT_EQ(assemble({"MAIN     START", "         LD        GR1,DATA", "         RET", "DATA     DC        7",
                        "         END"}),
              AssembleResult::Success);
    EXPECT_EQ(word(0x8000), 0x1010);
    EXPECT_EQ(word(0x8001), 0x8003);  // resolved to DATA
    EXPECT_EQ(word(0x8002), 0x8100);
    EXPECT_EQ(word(0x8003), 7);
    EXPECT_EQ(kindAt(0x8000), kind::Instruction);
    EXPECT_EQ(kindAt(0x8001), kind::Instruction);
    EXPECT_EQ(kindAt(0x8003), kind::Constant);
    EXPECT_EQ(s.machine.entryAddress, 0x8000);
    EXPECT_EQ(messageTexts(), QStringList({"【MAIN】のアセンブルを始めます。", "　プログラム内のラベルを、実アドレスに変換します。"}));
    EXPECT_EQ(host.messages[0].colour, colours::Blue);
    EXPECT_EQ(host.messages[1].colour, colours::Black);
    // One listing line per non-empty line; the statement's line number is kept at its address.
    ASSERT_EQ(s.assembly.listing.size(), 5);
    EXPECT_EQ(s.assembly.listing[0].address, kNoAddress);
    EXPECT_EQ(s.assembly.listing[1].address, 0x8000);
    EXPECT_EQ(s.assembly.listing[1].words, 2);
    EXPECT_EQ(s.assembly.listing[1].text, "          LD        GR1,DATA");
    EXPECT_EQ(s.machine.lineOfAddress[0x8002 - 0x8000], 3);
    EXPECT_EQ(s.assembly.listing[1].fNotation, "GR1←M(DATA)　　FR設定");
    EXPECT_TRUE(s.assembly.usedRegisters[1]);
    EXPECT_FALSE(s.assembly.usedRegisters[2]);
}

TEST_F(AssemblerTest, LiteralsShareOnePoolLinePerText) {
    ASSERT_EQ(assemble({"MAIN START", " LD GR1,=10", " ADDA GR1,=10", " ADDA GR1,=#000A", " RET", " END"}),
              AssembleResult::Success);
    // 2 + 2 + 2 + 1 words of code, then the pool: =10 at #8007, =#000A at #8008.
    EXPECT_EQ(word(0x8001), 0x8007);
    EXPECT_EQ(word(0x8003), 0x8007);
    EXPECT_EQ(word(0x8005), 0x8008);
    EXPECT_EQ(word(0x8007), 10);
    EXPECT_EQ(word(0x8008), 10);
    EXPECT_EQ(kindAt(0x8007), kind::Constant);
    const auto& listing = s.assembly.listing;
    ASSERT_EQ(listing.size(), 9);
    EXPECT_EQ(listing[5].colour, kLiteralHeadingColour);
    EXPECT_EQ(listing[5].text, " ;***　リテラルのDC行自動生成　***");
    EXPECT_EQ(listing[6].text, "=10       DC        10");
    EXPECT_EQ(listing[6].address, 0x8007);
    EXPECT_EQ(listing[7].text, "=#000A    DC        #000A");
    // The pool comes before the END line.
    EXPECT_EQ(listing[8].text, "          END       ");
}

TEST_F(AssemblerTest, CharacterLiteralAndLongLiteralLabel) {
    ASSERT_EQ(assemble({"MAIN START", " LAD GR1,='ABCDEFGHIJ'", " RET", " END"}), AssembleResult::Success);
    EXPECT_EQ(word(0x8001), 0x8003);
    EXPECT_EQ(word(0x8003), 'A');
    EXPECT_EQ(word(0x800C), 'J');
    EXPECT_EQ(s.assembly.listing[4].text, "='ABCDEF  DC        'ABCDEFGHIJ'");
    EXPECT_EQ(s.assembly.listing[4].words, 10);
}

TEST_F(AssemblerTest, DcForms) {
    ASSERT_EQ(assemble({"MAIN START", " RET", "A DC -1,#FFFF,'IT''S',A,65535", "B DC 'あｱ'", " END"}),
              AssembleResult::Success);
    EXPECT_EQ(word(0x8001), 0xFFFF);  // -1 brought into 0..65535 at the end
    EXPECT_EQ(word(0x8002), 0xFFFF);
    EXPECT_EQ(word(0x8003), 'I');
    EXPECT_EQ(word(0x8004), 'T');
    EXPECT_EQ(word(0x8005), '\'');
    EXPECT_EQ(word(0x8006), 'S');
    EXPECT_EQ(word(0x8007), 0x8001);  // the label A
    EXPECT_EQ(word(0x8008), 65535);
    EXPECT_EQ(word(0x8009), 0x82A0);  // あ in code page 932
    EXPECT_EQ(word(0x800A), 0xB1);    // half-width katakana
    for (int a = 0x8001; a <= 0x800A; ++a) EXPECT_EQ(kindAt(a), kind::Constant) << a;
    EXPECT_EQ(s.assembly.listing[2].words, 8);
}

TEST_F(AssemblerTest, MacroExpansionsAndTheirKinds) {
    ASSERT_EQ(assemble({"MAIN START", " IN BUF,LEN", " OUT BUF,LEN", " RPUSH", " RPOP", " RET", "BUF DS 2",
                        "LEN DS 1", " END"}),
              AssembleResult::Success);
    const int in[] = {0x7001, 0, 0x7002, 0, 0x1210, 0x802E, 0x1220, 0x8030, 0xF000, 1, 0x7120, 0x7110};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(word(0x8000 + i), in[i]) << i;
    EXPECT_EQ(word(0x800C + 9), 2);  // SVC 2 in OUT
    EXPECT_EQ(kindAt(0x8000), kind::In);
    EXPECT_EQ(kindAt(0x800C), kind::Out);
    EXPECT_EQ(kindAt(0x8018), kind::RPush);
    EXPECT_EQ(kindAt(0x8026), kind::RPop);
    EXPECT_EQ(kindAt(0x8005), kind::Instruction);
    EXPECT_EQ(word(0x8018), 0x7001);
    EXPECT_EQ(word(0x8018 + 12), 0x7007);
    EXPECT_EQ(word(0x8026), 0x7170);
    EXPECT_EQ(word(0x8026 + 6), 0x7110);
    EXPECT_EQ(word(0x8030), 0x7FFF);  // DS filled with the initial value
    EXPECT_EQ(kindAt(0x8030), kind::Free);
    EXPECT_EQ(s.assembly.listing[1].fNotation, "文字列入力。M(BUF）から順に設定。（マクロ命令）");
    EXPECT_EQ(s.assembly.listing[3].words, 14);
}

TEST_F(AssemblerTest, CopyRecordsBothAddresses) {
    ASSERT_EQ(assemble({"MAIN START", " COPY A,B,3", " RET", "A DS 3", "B DC 1,2,3", " END"}), AssembleResult::Success);
    EXPECT_EQ(word(0x8000), 0xA003);
    EXPECT_EQ(word(0x8001), 0x8004);
    EXPECT_EQ(word(0x8002), 0x8007);
}

TEST_F(AssemblerTest, GrammarErrorsAreReportedPerLineAndAssemblyGoesOn) {
    ASSERT_EQ(assemble({"MAIN START", "LABELTOOLONG NOP", " LDX GR1,A", " RET", " END"}), AssembleResult::Failure);
    const QStringList texts = messageTexts();
    EXPECT_TRUE(texts.contains("   2行：　ラベルが長すぎます。")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("   3行：　命令に誤りがあります。"));
    EXPECT_EQ(host.messages[1].colour, colours::Red);
    EXPECT_EQ(s.assembly.listing[1].address, kErrorLine);
    EXPECT_EQ(s.assembly.listing[1].text, "LABELTOOLONG NOP");
    EXPECT_EQ(s.error.number(), 0);
    // The program was still assembled to its end.
    EXPECT_TRUE(texts.contains("　プログラム内のラベルを、実アドレスに変換します。"));
}

TEST_F(AssemblerTest, FatalErrors) {
    struct Case {
        QStringList source;
        QString message;
    };
    const Case cases[] = {
        {{"; only a comment"}, "プログラムがありません。"},
        {{"MAIN START", " RET"}, "STARTに対応するENDがありません。"},
        {{" END"}, "ENDに対応するSTARTがありません。"},
        {{"A START", "B START"}, "STARTとENDが対応していません。"},
        {{"A START", "X NOP", "X NOP", " END"}, "一つのプログラム内に同じ名前のラベルがあります。"},
        {{"A START", " RET", " END", "A START", " RET", " END"}, "同じ名前のプログラムがあります。"},
        {{"A START B", " RET", " END"}, "STARTで実行開始番地に指定したラベルがありません。"},
        {{"A START", " DS 4095", " END"}, "機械語を格納する領域がなくなりました。"},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        const AssembleResult result = assemble(c.source);
        EXPECT_NE(result, AssembleResult::Success) << c.message.toStdString();
        ASSERT_FALSE(host.messages.isEmpty());
        EXPECT_EQ(host.messages.last().text, "　重大エラー：　" + c.message);
        EXPECT_EQ(host.messages.last().colour, colours::Red);
        EXPECT_EQ(s.error.number(), 0);
    }
    EXPECT_EQ(assemble({"A START", " DS 4095", " END"}), AssembleResult::DsOverflow);
}

TEST_F(AssemblerTest, ProgramCapacityAndListingCapacity) {
    QStringList eleven;
    for (int i = 0; i < 11; ++i) eleven << QString("P%1 START").arg(i) << " RET" << " END";
    EXPECT_EQ(assemble(eleven), AssembleResult::Failure);
    EXPECT_EQ(host.messages.last().text,
              "　重大エラー：　プログラムが多すぎます。プログラム（STARTとENDの組）は、同時に10個までアセンブルできます。");

    QStringList long_ = {"A START"};
    for (int i = 0; i < 600; ++i) long_ << " NOP";
    long_ << " END";
    host.messages.clear();
    EXPECT_EQ(assemble(long_), AssembleResult::Failure);
    EXPECT_EQ(host.messages.last().text, "　重大エラー：　プログラムが長すぎます。アセンブルできるのは500行までです。");
    EXPECT_EQ(s.assembly.listing.size(), 500);
}

TEST_F(AssemblerTest, ReferenceCapacity) {
    QStringList refs = {"A START"};
    for (int i = 0; i < 201; ++i) refs << " LD GR1,X";
    refs << " RET" << "X DC 0" << " END";
    EXPECT_EQ(assemble(refs), AssembleResult::Failure);
    EXPECT_TRUE(messageTexts().join('|').contains("ラベルが多すぎます。リテラルからもラベルが生成されます。ラベルは、200個まで利用できます。"));
}

TEST_F(AssemblerTest, DcAndLiteralPoolMayNotPassTheEndOfTheArea) {
    // 4094 words of DS leave #8FFE and #8FFF; a DC of three words would pass the end.
    ASSERT_EQ(assemble({"A START", " DS 4094", " DC 1,2,3", " END"}), AssembleResult::Failure);
    EXPECT_EQ(host.messages.last().text, "　重大エラー：　機械語を格納する領域がなくなりました。");
    EXPECT_EQ(s.machine.memory[4096], 0);  // the stack-bottom word is untouched
    host.messages.clear();
    ASSERT_EQ(assemble({"A START", " DS 4092", " LD GR1,='ABCDEF'", " END"}), AssembleResult::Failure);
    EXPECT_EQ(host.messages.last().text, "　重大エラー：　機械語を格納する領域がなくなりました。");
    EXPECT_EQ(s.machine.memory[4096], 0);
}

TEST_F(AssemblerTest, ExecutionStartLabelAndWarning351) {
    ASSERT_EQ(assemble({"MAIN START BEGIN", " NOP", "BEGIN RET", " END", "SUB START X", " RET", " END"}),
              AssembleResult::Success);
    EXPECT_EQ(s.machine.entryAddress, 0x8001);
    const QStringList texts = messageTexts();
    const int warning = texts.indexOf("　１番目のプログラムにしか、STARTの実行開始番地のラベルは指定できません。");
    ASSERT_GE(warning, 0);
    EXPECT_EQ(host.messages[warning].colour, colours::Red);
    EXPECT_EQ(texts[warning + 1], "（説明）オブジェクトレベルのリンク作業を行なわない『KavoraⅡ』の制限です。");
    EXPECT_EQ(host.messages[warning + 3].colour, colours::Green);
    EXPECT_EQ(s.assembly.programs.size(), 2);
    EXPECT_EQ(s.assembly.programs[1].address, 0x8002);
}

TEST_F(AssemblerTest, MissingRetWarnsInOlive) {
    ASSERT_EQ(assemble({"MAIN START", " NOP", " END"}), AssembleResult::Success);
    ASSERT_GE(host.messages.size(), 5);
    EXPECT_EQ(host.messages[2].text, "　警告！　このプログラムには、RETがありません。");
    EXPECT_EQ(host.messages[4].text, "　RETのないプログラムを実行すると、予想できないエラーが発生します。");
    EXPECT_EQ(host.messages[4].colour, colours::Olive);
}

TEST_F(AssemblerTest, UndefinedNamesGoToTheExternalReferences) {
    ASSERT_EQ(assemble({"MAIN START", " CALL SUB", " JUMP LOOPX", " RET", " END", "SUB START", " RET", " END"}),
              AssembleResult::Success);
    ASSERT_EQ(s.assembly.externalReferences.size(), 2);
    EXPECT_EQ(s.assembly.externalReferences[0].name, "SUB");
    EXPECT_EQ(s.assembly.externalReferences[0].address, 0x8001);
    EXPECT_EQ(s.assembly.externalReferences[1].name, "LOOPX");
}

TEST_F(AssemblerTest, LabelListAndColouring) {
    ASSERT_EQ(assemble({"MAIN START ;go", "; note", "LOOP NOP", "bad line", " RET", " END"}), AssembleResult::Failure);
    ASSERT_EQ(s.assembly.labelList.size(), 2);
    EXPECT_EQ(s.assembly.labelList[0].name, "●MAIN（8000）");
    EXPECT_EQ(s.assembly.labelList[1].name, "　LOOP（8000）");
    EXPECT_EQ(s.assembly.labelList[1].address, 0x8000);
    // Line 0: statement black, comment green from its position; line 1 green; line 3 red.
    const auto& c = s.assembly.colouring;
    ASSERT_GE(c.size(), 5);
    EXPECT_EQ(c[0].line, 0);
    EXPECT_EQ(c[0].colour, colours::Black);
    EXPECT_EQ(c[1].start, 11);
    EXPECT_EQ(c[1].length, 3);
    EXPECT_EQ(c[1].colour, colours::Comment);
    EXPECT_EQ(c[2].line, 1);
    EXPECT_EQ(c[2].colour, colours::Comment);
    bool red = false;
    for (const auto& range : c) red |= range.line == 3 && range.colour == colours::ErrorLine;
    EXPECT_TRUE(red);
}

TEST_F(AssemblerTest, AssemblingAgainKeepsWordsTheNewProgramDoesNotOccupy) {
    ASSERT_EQ(assemble({"A START", " RET", "X DC 5,6,7", " END"}), AssembleResult::Success);
    ASSERT_EQ(assemble({"A START", " RET", " END"}), AssembleResult::Success);
    // The END line's parse clears the word at the location counter; the words above it stay.
    EXPECT_EQ(word(0x8001), 0);
    EXPECT_EQ(word(0x8002), 6);
    EXPECT_EQ(word(0x8003), 7);
    EXPECT_EQ(kindAt(0x8003), kind::Constant);
}

TEST_F(AssemblerTest, UserAreaFollowsTheSettings) {
    s.settings.userStart = 0x9000;
    s.applySettings();
    ASSERT_EQ(assemble({"A START", "L JUMP L", " END"}), AssembleResult::Success);
    EXPECT_EQ(word(0x9000), 0x6400);
    EXPECT_EQ(word(0x9001), 0x9000);
    EXPECT_EQ(s.machine.entryAddress, 0x9000);
}

}  // namespace
}  // namespace kv
