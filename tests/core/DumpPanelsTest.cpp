// The memory dump window's two panels: the five notations of a word, the rows at the start and at
// the end of the user area, and an area that does not start on a multiple of 8.

#include <gtest/gtest.h>

#include "dump/DumpPanels.h"
#include "machine/MachineState.h"

using namespace kv;

namespace {

MachineState Machine(int start = 0x8000) {
    MachineState machine;
    machine.setUserStart(start);
    for (int i = 0; i < MachineState::kWords; ++i) machine.memory[i] = 0x1000 + i;
    return machine;
}

}  // namespace

TEST(DumpPanels, WordRowsShowTheFiveNotations) {
    MachineState machine = Machine();
    machine.word(0x8000) = 0xFFFF;
    machine.word(0x8001) = 0;
    machine.word(0x8002) = 0x0041;
    const DumpWordRows rows = WordPanelRows(machine, 0x8000);
    const DumpWordRow ffff{"8000", "1111 1111 1111 1111 ", "    -1", "65535", "#FFFF", "※"};
    const DumpWordRow zero{"8001", "0000 0000 0000 0000 ", "     0", "    0", "#0000", "※"};
    const DumpWordRow a{"8002", "0000 0000 0100 0001 ", "   +65", "   65", "#0041", "Ａ"};
    for (const auto& [row, expected] : {std::pair{rows[0], ffff}, {rows[1], zero}, {rows[2], a}}) {
        EXPECT_EQ(row.address, expected.address);
        EXPECT_EQ(row.binary, expected.binary);
        EXPECT_EQ(row.signedDecimal, expected.signedDecimal);
        EXPECT_EQ(row.unsignedDecimal, expected.unsignedDecimal);
        EXPECT_EQ(row.hex, expected.hex);
        EXPECT_EQ(row.character, expected.character);
    }
    EXPECT_EQ(rows[15].address, QStringLiteral("800F"));
}

TEST(DumpPanels, LastWordOfTheAreaInRowOneAndEmptyRowsBelow) {
    const MachineState machine = Machine();
    const DumpWordRows rows = WordPanelRows(machine, 0x8FFF);
    EXPECT_EQ(rows[0].address, QStringLiteral("8FFF"));
    EXPECT_EQ(rows[0].hex, QStringLiteral("#1FFF"));  // 0x1000 + 4095
    for (int i = 1; i < kDumpRows; ++i) {
        EXPECT_TRUE(rows[i].address.isEmpty()) << i;
        EXPECT_TRUE(rows[i].binary.isEmpty()) << i;
        EXPECT_TRUE(rows[i].character.isEmpty()) << i;
    }
}

TEST(DumpPanels, LineRowsShowEightWordsAndTheirCharacters) {
    MachineState machine = Machine();
    const int words[8] = {0x41, 0x20, 0x7E, 0x1F, 0xB1, 0xFFFF, 0x7F, 0x30};
    for (int i = 0; i < 8; ++i) machine.word(0x8008 + i) = words[i];
    const DumpLineRows rows = LinePanelRows(machine, 0x800C);  // rounded down to #8008
    EXPECT_EQ(rows[0].address, QStringLiteral("8008"));
    EXPECT_EQ(rows[0].words, QStringLiteral("0041 0020 007E 001F 00B1 FFFF 007F 0030 "));
    EXPECT_EQ(rows[0].characters, QStringLiteral("A ~.ｱ..0"));
    EXPECT_EQ(rows[1].address, QStringLiteral("8010"));
}

TEST(DumpPanels, LineRowsBeyondTheEndShowOnlyTheirAddress) {
    const MachineState machine = Machine();
    const DumpLineRows rows = LinePanelRows(machine, 0x8FFF);
    EXPECT_EQ(rows[0].address, QStringLiteral("8FF8"));
    EXPECT_EQ(rows[0].words.size(), 40);
    EXPECT_EQ(rows[1].address, QStringLiteral("9000"));
    EXPECT_TRUE(rows[1].words.isEmpty());
    EXPECT_TRUE(rows[1].characters.isEmpty());
    EXPECT_EQ(rows[15].address, QStringLiteral("9070"));
}

// An area starting at #8003: the first row begins at #8000, whose first three words lie below the
// area, and the row holding the end has words beyond it; neither is read.
TEST(DumpPanels, WordsOutsideAnUnalignedAreaShowAsBlanks) {
    MachineState machine = Machine(0x8003);
    machine.word(0x8003) = 0x4B;
    const DumpLineRows first = LinePanelRows(machine, 0x8003);
    EXPECT_EQ(first[0].address, QStringLiteral("8000"));
    EXPECT_EQ(first[0].words, QString(15, QLatin1Char(' ')) + QStringLiteral("004B 1001 1002 1003 1004 "));
    EXPECT_EQ(first[0].characters, QStringLiteral("   K...."));
    const DumpLineRows last = LinePanelRows(machine, machine.userEnd);  // #9002
    EXPECT_EQ(last[0].address, QStringLiteral("9000"));
    EXPECT_EQ(last[0].words, QStringLiteral("1FFD 1FFE 1FFF ") + QString(25, QLatin1Char(' ')));
    EXPECT_EQ(last[0].characters, QStringLiteral("...     "));
}
