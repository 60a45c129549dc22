#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"
#include "simulator/Trace.h"

namespace kv::testing {
namespace {

class TraceTest : public ::testing::Test {
protected:
    MachineState machine;
    AssemblyState assembly;
    RecordingHost host;
    TraceOptions options;

    TraceTest() {
        machine.ResetForRun();
        // The state after LD GR1,DATA at #8000 loaded +5 from #8010.
        machine.PR = 0x8000;
        machine.nextPR = 0x8002;
        machine.EA = 0x8010;
        machine.word(0x8010) = 5;
        machine.GR[1] = 5;
        machine.OF = machine.SF = machine.ZF = '0';
        options.registers[1] = true;
    }

    QString line() {
        QString text;
        TraceLine(text, options, machine, assembly, host);
        return text;
    }

    void listLine(int number, const QString& text, const QString& fNotation) {
        while (assembly.listing.size() < number) assembly.listing.push_back(ListingLine());
        assembly.listing[number - 1].text = text;
        assembly.listing[number - 1].fNotation = fNotation;
    }

    void allOn() {
        options.nextAddress = options.effectiveAddress = options.contentsOfEA = true;
        options.frBits = options.frJapanese = options.stackPointer = options.topStack = true;
        options.programLine = options.fNotation = true;
    }
};

TEST_F(TraceTest, DefaultsWithOneRegister) {
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  EA    FR ( 日 ) GR1   SP　　M(SP+0) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 000( 正 ) #0005 #9000  #E000   \n"));
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST_F(TraceTest, RegisterFormsHaveNoEffectiveAddress) {
    machine.EA = -1;
    options.contentsOfEA = true;
    EXPECT_EQ(line(), QStringLiteral("#8000       " "      " "000( 正 ) #0005 #9000  #E000   \n"));
    // An effective address outside the user area has no contents to show.
    machine.EA = 0x0005;
    EXPECT_EQ(line(), QStringLiteral("#8000 #0005 #???? 000( 正 ) #0005 #9000  #E000   \n"));
}

TEST_F(TraceTest, FlagRegisterForms) {
    machine.OF = '1';
    machine.SF = '1';
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 110(あ負) #0005 #9000  #E000   \n"));
    machine.OF = machine.SF = machine.ZF = '?';
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 ?\?\?( ？ ) #0005 #9000  #E000   \n"));

    machine.OF = machine.SF = '0';
    machine.ZF = '1';
    options.frJapanese = false;
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  EA    FR      GR1   SP　　M(SP+0) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 001     #0005 #9000  #E000   \n"));

    options.frBits = false;
    options.frJapanese = true;
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  EA    ( 日 ) GR1   SP　　M(SP+0) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 ( 零 ) #0005 #9000  #E000   \n"));

    options.frJapanese = false;
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  EA    GR1   SP　　M(SP+0) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 #8010 #0005 #9000  #E000   \n"));
}

TEST_F(TraceTest, EveryOptionOn) {
    allOn();
    options.stackWords = 3;
    options.registers = {true, true, true, true, true, false, false, false};
    options.registerNotation = {notation::Binary, notation::Signed, notation::Unsigned, notation::Hex,
                                notation::Character, notation::Hex, notation::Hex, notation::Hex};
    options.memoryRanges = {{0x8010, 0x8011}};
    options.memoryNotation = notation::Unsigned;
    machine.GR = {0xA5C3, 0xFFFE, 0xFFFE, 0x0005, 0x0041, 0, 0, 0};
    machine.word(0x8011) = 0xFFFF;
    machine.OF = '0';
    machine.SF = '1';
    machine.ZF = '0';
    machine.SP = 0x8FFF;
    machine.word(0x8FFF) = 0x1234;
    machine.lineOfAddress[0] = 2;
    listLine(2, QStringLiteral("        LD      GR1,DATA"), QStringLiteral("GR1←M(DATA)"));

    EXPECT_EQ(TraceHeader(options),
              QStringLiteral("ADDR  →PR  EA    M(EA) FR ( 日 ) "
                             "GR0                  GR1    GR2   GR3   GR4 "
                             "M8010 M8011 "
                             "SP　　M(SP+0) M(SP+1) M(SP+2) "
                             "　　　プログラム                        "
                             "　　　F式表記\n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 #8002 #8010 #0005 010( 負 ) "
                                     "1010 0101 1100 0011  "
                                     "    -2 "
                                     "65534 "
                                     "#0005 "
                                     "Ａ  "
                                     "    5 65535 "
                                     "#8FFF  #1234   #E000   #????   "
                                     "        LD      GR1,DATA                "
                                     "：　GR1←M(DATA)\n"));
}

TEST_F(TraceTest, MemoryColumnsInEachNotation) {
    options.registers[1] = false;
    options.stackPointer = false;
    options.memoryRanges = {{0x8010, 0x8010}, {0x8010, 0x8010}};
    machine.word(0x8010) = 0x0042;
    const std::pair<int, const char16_t*> headings[] = {
        {notation::Binary, u"M8010                M8010                "},
        {notation::Signed, u"M8010  M8010  "},
        {notation::Unsigned, u"M8010 M8010 "},
        {notation::Hex, u"M8010 M8010 "},
        {notation::Character, u"M8010 M8010 "},
    };
    const char16_t* records[] = {u"0000 0000 0100 0010  0000 0000 0100 0010  ", u"   +66    +66 ", u"   66    66 ",
                                 u"#0042 #0042 ", u"Ｂ Ｂ "};
    for (const auto& [form, heading] : headings) {
        options.memoryNotation = form;
        EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  EA    FR ( 日 ) ") + QString::fromUtf16(heading) + '\n');
        EXPECT_EQ(line(), QStringLiteral("#8000 #8010 000( 正 ) ") + QString::fromUtf16(records[form]) + '\n');
    }
}

TEST_F(TraceTest, StackColumns) {
    options.registers[1] = false;
    options.effectiveAddress = false;
    options.stackWords = 2;
    machine.SP = 0x9001;  // after an underflowing pop
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  FR ( 日 ) SP　　M(SP+0) M(SP+1) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 000( 正 ) #9001  #????   #????   \n"));
    // The top stack words need the stack pointer column.
    options.stackPointer = false;
    EXPECT_EQ(TraceHeader(options), QStringLiteral("ADDR  FR ( 日 ) \n"));
    EXPECT_EQ(line(), QStringLiteral("#8000 000( 正 ) \n"));
}

TEST_F(TraceTest, ProgramLineAndFNotation) {
    options = TraceOptions();
    options.effectiveAddress = options.frBits = options.frJapanese = options.stackPointer = false;
    options.programLine = options.fNotation = true;
    machine.lineOfAddress[0] = 1;
    const QString fifty = QStringLiteral("LOOP    LD      GR1,DATA,GR2   ; fifty characters.");
    ASSERT_EQ(fifty.size(), 50);
    listLine(1, fifty, QStringLiteral("F"));
    EXPECT_EQ(line(), QStringLiteral("#8000 LOOP    LD      GR1,DATA,GR2   ; fifty c：　F\n"));

    // Exactly 40 characters: no padding either.
    listLine(1, fifty.left(40), QStringLiteral("F"));
    EXPECT_EQ(line(), QStringLiteral("#8000 LOOP    LD      GR1,DATA,GR2   ; fifty c：　F\n"));

    // F-notation alone is not padded.
    options.programLine = false;
    EXPECT_EQ(line(), QStringLiteral("#8000 ：　F\n"));
    options.programLine = true;
    options.fNotation = false;
    listLine(1, QStringLiteral("        RET"), QStringLiteral("F"));
    EXPECT_EQ(line(), QStringLiteral("#8000         RET\n"));
}

TEST_F(TraceTest, RefusedInstructionOutsideTheAreaUsesLineZero) {
    allOn();
    options.registers[1] = false;
    listLine(1, QStringLiteral("        NOP"), QStringLiteral("F"));
    machine.lineOfAddress[0] = 1;
    machine.PR = 0x7FFF;
    machine.nextPR = 0;
    machine.EA = -1;
    machine.OF = machine.SF = machine.ZF = '?';
    EXPECT_EQ(line(), QStringLiteral("#7FFF #0000             ?\?\?( ？ ) #9000  #E000   ") +
                          QString(40, QLatin1Char(' ')) + QStringLiteral("：　\n"));
}

TEST_F(TraceTest, LineBufferIsReused) {
    QString text = QStringLiteral("old text that must go");
    TraceLine(text, options, machine, assembly, host);
    EXPECT_EQ(text, QStringLiteral("#8000 #8010 000( 正 ) #0005 #9000  #E000   \n"));
    const auto capacity = text.capacity();
    TraceLine(text, options, machine, assembly, host);
    EXPECT_EQ(text.capacity(), capacity);
}

TEST(TraceOptions, ElevenValuesInTheSettings) {
    const TraceOptions defaults;
    EXPECT_EQ(defaults.stored().options, Settings().trace.options);
    EXPECT_FALSE(defaults.nextAddress);
    EXPECT_TRUE(defaults.effectiveAddress);
    EXPECT_EQ(defaults.stackWords, 1);
    EXPECT_TRUE(defaults.showWindow);
    EXPECT_EQ(defaults.memoryNotation, notation::Hex);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(defaults.registers[i]);
        EXPECT_EQ(defaults.registerNotation[i], notation::Hex);
    }

    TraceSettings stored;
    stored.options = {1, 0, 1, 0, 0, 0, 0, 2, 1, 1, 0};
    TraceOptions options;
    options.registers[4] = true;
    options.memoryText = QStringLiteral("#8000");
    options.load(stored);
    EXPECT_TRUE(options.nextAddress);
    EXPECT_FALSE(options.effectiveAddress);
    EXPECT_TRUE(options.contentsOfEA);
    EXPECT_FALSE(options.frBits);
    EXPECT_FALSE(options.frJapanese);
    EXPECT_FALSE(options.stackPointer);
    EXPECT_FALSE(options.topStack);
    EXPECT_EQ(options.stackWords, 3);
    EXPECT_TRUE(options.programLine);
    EXPECT_TRUE(options.fNotation);
    EXPECT_FALSE(options.showWindow);
    EXPECT_TRUE(options.registers[4]);  // not kept in the settings: unchanged
    EXPECT_EQ(options.memoryText, QStringLiteral("#8000"));
    EXPECT_EQ(options.stored().options, stored.options);

    stored.options[7] = 9;  // a damaged settings file
    options.load(stored);
    EXPECT_EQ(options.stackWords, 3);
}

class TraceAddressTest : public ::testing::Test {
protected:
    MachineState machine;
    const QString wrong = QStringLiteral("メモリのアドレス指定に誤りがあります。");
    const QString badRange = QStringLiteral("メモリのアドレスの範囲指定に誤りがあります。");
    const QString tooMany = QStringLiteral("メモリのアドレス指定に誤りがあります。\nメモリ内容のトレースは、１０語までです。");

    QString message(const QString& text) { return CheckTraceAddresses(text, machine).message; }
};

TEST_F(TraceAddressTest, AcceptedTexts) {
    TraceAddressCheck check = CheckTraceAddresses(QStringLiteral("#8000-#8003,#8010"), machine);
    EXPECT_TRUE(check.ok());
    EXPECT_EQ(check.ranges, QVector<MemoryRange>({{0x8000, 0x8003}, {0x8010, 0x8010}}));

    check = CheckTraceAddresses(QStringLiteral("#8010,#8010"), machine);
    EXPECT_EQ(check.ranges, QVector<MemoryRange>({{0x8010, 0x8010}, {0x8010, 0x8010}}));

    check = CheckTraceAddresses(QString(), machine);
    EXPECT_TRUE(check.ok());
    EXPECT_TRUE(check.ranges.isEmpty());

    // Full-width characters count as their half-width forms.
    check = CheckTraceAddresses(QStringLiteral("＃８ＦＦＦ－＃８ＦＦＦ，＃８０００"), machine);
    EXPECT_TRUE(check.ok());
    EXPECT_EQ(check.ranges, QVector<MemoryRange>({{0x8FFF, 0x8FFF}, {0x8000, 0x8000}}));

    // Ten words in all.
    check = CheckTraceAddresses(QStringLiteral("#8000-#8008,#8FFF"), machine);
    EXPECT_TRUE(check.ok());

    // A five-character item without "#" is address 0, which an area starting at #0000 holds.
    machine.setUserStart(0);
    check = CheckTraceAddresses(QStringLiteral("ABCDE"), machine);
    EXPECT_TRUE(check.ok());
    EXPECT_EQ(check.ranges, QVector<MemoryRange>({{0, 0}}));
}

TEST_F(TraceAddressTest, RefusedTexts) {
    EXPECT_EQ(CheckTraceAddresses(QStringLiteral("#800"), machine).title, QStringLiteral("アドレス指定エラー"));
    EXPECT_EQ(message(QStringLiteral("#800")), wrong);
    EXPECT_EQ(message(QStringLiteral("#800g")), wrong);   // lower-case digit
    EXPECT_EQ(message(QStringLiteral("#8000 ")), wrong);  // six characters
    EXPECT_EQ(message(QStringLiteral("#8000,")), wrong);  // an empty item
    EXPECT_EQ(message(QStringLiteral("#8000-")), wrong);
    EXPECT_EQ(message(QStringLiteral("#7FFF")), wrong);   // below the area
    EXPECT_EQ(message(QStringLiteral("#8FFF-#9000")), wrong);
    EXPECT_EQ(message(QStringLiteral("ABCDE")), wrong);  // address 0 is outside the area
    EXPECT_EQ(message(QStringLiteral("#8003-#8000")), badRange);
    EXPECT_EQ(message(QStringLiteral("#8000-#800A")), tooMany);
    EXPECT_EQ(message(QStringLiteral("#8000-#8008,#8010,#8011")), tooMany);
    EXPECT_EQ(message(QStringLiteral("#8000,#8000,#8000,#8000,#8000,#8000,#8000,#8000,#8000,#8000,#8000")), tooMany);
    EXPECT_TRUE(CheckTraceAddresses(QStringLiteral("#8003-#8000"), machine).ranges.isEmpty());
}

}  // namespace
}  // namespace kv::testing
