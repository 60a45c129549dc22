// The machine state: its area, the two resets, the flag register and its Japanese form.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "machine/MachineState.h"
#include "simulator/WordDisplay.h"

namespace kv {
namespace {

// Every register, pointer and flag away from its reset value.
void scramble(MachineState& m) {
    for (int i = 0; i < 8; ++i) m.GR[i] = 0x1000 + i;
    m.SP = 0x8123;
    m.PR = 0x8456;
    m.nextPR = 0x8789;
    m.OF = '1';
    m.SF = '0';
    m.ZF = '1';
    m.EA = 0x4321;
}

TEST(MachineState, StartsWithTheDefaultArea) {
    const MachineState m;
    EXPECT_EQ(m.userStart, 0x8000);
    EXPECT_EQ(m.userEnd, 0x8FFF);
    EXPECT_EQ(m.grInitialValue, 0x7FFF);
    EXPECT_EQ(m.FR().toStdString(), "???");
    EXPECT_EQ(m.memory.size(), 4102u);
    EXPECT_EQ(m.wordKinds.size(), 4102u);
    EXPECT_EQ(m.lineOfAddress.size(), 4102u);
}

TEST(MachineState, AreaAtNineThousandEndsAtNineFffWithTheStackBottomAboveIt) {
    MachineState m;
    m.setUserStart(0x9000);
    EXPECT_EQ(m.userEnd, 0x9FFF);
    EXPECT_TRUE(m.inArea(0x9000));
    EXPECT_TRUE(m.inArea(0x9FFF));
    EXPECT_FALSE(m.inArea(0x8FFF));
    EXPECT_FALSE(m.inArea(0xA000));
    EXPECT_TRUE(m.holds(0xA000));
    EXPECT_TRUE(m.holds(0xA005));
    EXPECT_FALSE(m.holds(0xA006));
    EXPECT_FALSE(m.holds(0x8FFF));

    m.ResetForRun();
    EXPECT_EQ(m.SP, 0xA000);
    EXPECT_EQ(m.word(0xA000), 0xE000);
    EXPECT_EQ(m.memory[4096], 0xE000);
    m.word(0x9000) = 0x1234;
    EXPECT_EQ(m.memory[0], 0x1234);

    m.setUserStart(0x0000);
    EXPECT_EQ(m.userEnd, 0x0FFF);
    EXPECT_TRUE(m.inArea(0));
    EXPECT_FALSE(m.inArea(-1));
}

TEST(MachineState, ResetForRunModeClearsRegistersAndFlagsButKeepsEA) {
    MachineState m;
    m.grInitialValue = 0x1111;
    m.entryAddress = 0x8010;
    scramble(m);
    m.ResetForRunMode();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.GR[i], 0x1111) << i;
    EXPECT_EQ(m.SP, 0x9000);
    EXPECT_EQ(m.word(0x9000), kOsReturn);
    EXPECT_EQ(m.PR, 0);
    EXPECT_EQ(m.nextPR, 0);
    EXPECT_EQ(m.OF, '?');
    EXPECT_EQ(m.SF, '?');
    EXPECT_EQ(m.ZF, '?');
    EXPECT_EQ(m.FR().toStdString(), "???");
    EXPECT_EQ(m.EA, 0x4321);
}

TEST(MachineState, ResetForRunStartsAtTheEntryAndKeepsMemory) {
    MachineState m;
    m.entryAddress = 0x8010;
    m.word(0x8020) = 0x0042;  // a DC constant a previous run changed
    m.wordKinds[0x20] = kind::Constant;
    m.word(0x8FFF) = 0x5555;  // a word the stack used
    m.word(0x9000) = 0x8003;  // the stack bottom overwritten
    scramble(m);
    m.ResetForRun();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.GR[i], 0x7FFF) << i;
    EXPECT_EQ(m.SP, 0x9000);
    EXPECT_EQ(m.word(0x9000), kOsReturn);
    EXPECT_EQ(m.PR, 0x8010);
    EXPECT_EQ(m.nextPR, 0);
    EXPECT_EQ(m.FR().toStdString(), "???");
    EXPECT_EQ(m.word(0x8020), 0x0042);
    EXPECT_EQ(m.wordKinds[0x20], kind::Constant);
    EXPECT_EQ(m.word(0x8FFF), 0x5555);
}

TEST(MachineState, FlagRegisterIsTheThreeFlagsInOrder) {
    MachineState m;
    m.OF = '1';
    m.SF = '0';
    m.ZF = '1';
    EXPECT_EQ(m.FR().toStdString(), "101");
    m.OF = '0';
    m.SF = '1';
    m.ZF = '0';
    EXPECT_EQ(m.FR().toStdString(), "010");
    m.ZF = '?';
    EXPECT_EQ(m.FR().toStdString(), "01?");
}

TEST(MachineState, BreakpointsKeepTheKindAndAreNotedAsChanges) {
    MachineState m;
    m.wordKinds[0x10] = kind::In;
    m.wordKinds[0x20] = kind::Constant;
    m.setBreakpoint(0x8010, true);
    EXPECT_EQ(m.kindAt(0x8010), kind::In | kind::Breakpoint);
    EXPECT_EQ(m.changedFirst, 0x10);
    EXPECT_EQ(m.changedLast, 0x10);
    m.setBreakpoint(0x8020, true);
    m.setBreakpoint(0x8010, false);
    EXPECT_EQ(m.kindAt(0x8010), kind::In);
    EXPECT_EQ(m.changedFirst, 0x10);
    EXPECT_EQ(m.changedLast, 0x20);

    m.changedFirst = MachineState::kWords;
    m.changedLast = -1;
    m.setBreakpoint(0x9000, true);  // the stack-bottom word
    m.clearBreakpoints();
    EXPECT_EQ(m.kindAt(0x8020), kind::Constant);
    EXPECT_EQ(m.kindAt(0x9000), 0);
    EXPECT_EQ(m.changedFirst, 0);
    EXPECT_EQ(m.changedLast, MachineState::kAreaWords);

    m.store(0x8005, -1);
    EXPECT_EQ(m.word(0x8005), -1);
    EXPECT_EQ(m.changedFirst, 0);
}

TEST(MachineState, FlagRegisterInJapanese) {
    testing::RecordingHost host;
    EXPECT_EQ(FormatFlagWord(QStringLiteral("000"), host), QStringLiteral(" 正 "));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("001"), host), QStringLiteral(" 零 "));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("010"), host), QStringLiteral(" 負 "));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("100"), host), QStringLiteral("あ正"));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("101"), host), QStringLiteral("あ零"));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("110"), host), QStringLiteral("あ負"));
    EXPECT_EQ(FormatFlagWord(QStringLiteral("???"), host), QStringLiteral(" ？ "));
    EXPECT_TRUE(host.boxes.isEmpty());

    EXPECT_TRUE(FormatFlagWord(QStringLiteral("011"), host).isEmpty());
    EXPECT_TRUE(FormatFlagWord(QStringLiteral("111"), host).isEmpty());
    EXPECT_TRUE(FormatFlagWord(QStringLiteral("1?0"), host).isEmpty());
    ASSERT_EQ(host.boxes.size(), 3);
    EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("FR日本語1")));
    EXPECT_TRUE(host.boxes[1].text.startsWith(QStringLiteral("FR日本語1")));
    EXPECT_TRUE(host.boxes[2].text.startsWith(QStringLiteral("FR日本語2")));
}

}  // namespace
}  // namespace kv
