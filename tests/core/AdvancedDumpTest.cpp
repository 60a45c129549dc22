// The advanced dumps as the console shows them (expected texts written out by hand), dumps that
// run past the end of the user area, and the checks of the options dialog's OK.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "dump/AdvancedDump.h"
#include "dump/DumpEntries.h"
#include "machine/MachineState.h"

using namespace kv;
using kv::testing::RecordingHost;

namespace {

// The area #8000-#8FFF; its last three words #0010, #0041 (A) and #FFFF, the stack-bottom word and
// the spare words behind it hold #1234 (a dump must never show them).
MachineState Machine() {
    MachineState machine;
    machine.memory.fill(0x1234);
    machine.word(0x8000) = 5;
    machine.word(0x8001) = 0x8000;
    machine.word(0x8FFD) = 0x0010;
    machine.word(0x8FFE) = 0x0041;
    machine.word(0x8FFF) = 0xFFFF;
    return machine;
}

DumpRequest Radix(int start, int count, std::array<bool, 5> columns) {
    DumpRequest r;
    r.layout = DumpLayout::Radix;
    r.start = start;
    r.count = count;
    r.columns = columns;
    return r;
}

DumpRequest Grid(DumpLayout layout, int start, int width, int lines) {
    DumpRequest r;
    r.layout = layout;
    r.start = start;
    r.width = width;
    r.lines = lines;
    return r;
}

}  // namespace

TEST(AdvancedDump, RadixDumpWithEveryColumnStopsAtTheEndOfTheArea) {
    RecordingHost host;
    WriteDump(host, Machine(), Radix(0x8FFE, 4, {true, true, true, true, true}));
    EXPECT_EQ(host.console, QStringLiteral("■基数ダンプ\n"
                                           "  ADDR：　　　2進数  　    　    算10進 論10進   16進  字\n"
                                           "　8FFE：　  0000 0000 0100 0001      +65     65  #0041  Ａ\n"
                                           "　8FFF：　  1111 1111 1111 1111       -1  65535  #FFFF  ※\n"
                                           "■表示終了\n"));
    ASSERT_EQ(host.consoleLines.size(), 2);
    EXPECT_EQ(host.consoleLines[0].colour, colours::Green);
    EXPECT_EQ(host.consoleLines[1].colour, colours::Green);
    EXPECT_EQ(host.consoleLines[1].text, QStringLiteral("■表示終了"));
}

TEST(AdvancedDump, RadixDumpOfChosenColumns) {
    const MachineState machine = Machine();
    EXPECT_EQ(DumpBody(machine, Radix(0x8000, 2, {false, true, false, true, false})),
              QStringLiteral("  ADDR：  算10進   16進\n"
                             "　8000：　      +5  #0005\n"
                             "　8001：　  -32768  #8000\n"));
    EXPECT_EQ(DumpBody(machine, Radix(0x8000, 1, {false, false, true, false, true})),
              QStringLiteral("  ADDR： 論10進  字\n"
                             "　8000：　      5  ※\n"));
    EXPECT_EQ(DumpBody(machine, Radix(0x8000, 1, {false, false, false, false, false})),
              QStringLiteral("  ADDR：\n"
                             "　8000：　\n"));
}

TEST(AdvancedDump, FullRadixDumpHas256Lines) {
    RecordingHost host;
    WriteDump(host, Machine(), Radix(0x8000, 256, {true, true, true, true, true}));
    const QStringList lines = host.consoleText();
    ASSERT_EQ(lines.size(), 1 + 1 + 256 + 1);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("　8000：　")));
    EXPECT_TRUE(lines[257].startsWith(QStringLiteral("　80FF：　")));
}

TEST(AdvancedDump, ArrayDumpWritesLineHeadersBeyondTheEnd) {
    DumpRequest r = Grid(DumpLayout::Array, 0x8FFD, 2, 3);
    r.notation = ArrayNotation::Hex;
    RecordingHost host;
    WriteDump(host, Machine(), r);
    EXPECT_EQ(host.console, QStringLiteral("■２次元配列ダンプ\n"
                                           "  ADDR：  16進数\n"
                                           "　8FFD：　 #0010 #0041\n"
                                           "　8FFF：　 #FFFF\n"
                                           "　9001：　\n"
                                           "■表示終了\n"));
}

TEST(AdvancedDump, ArrayDumpNotations) {
    const MachineState machine = Machine();
    struct Case {
        ArrayNotation notation;
        QString expected;
    };
    const Case cases[] = {
        {ArrayNotation::Signed, QStringLiteral("  ADDR：  算術10進数\n　8000：　     +5 -32768\n")},
        {ArrayNotation::Unsigned, QStringLiteral("  ADDR：  論理10進数\n　8000：　     5 32768\n")},
        {ArrayNotation::Hex, QStringLiteral("  ADDR：  16進数\n　8000：　 #0005 #8000\n")},
        {ArrayNotation::Character, QStringLiteral("  ADDR：  文字\n　8000：　 ※ ※\n")},
    };
    for (const Case& c : cases) {
        DumpRequest r = Grid(DumpLayout::Array, 0x8000, 2, 1);
        r.notation = c.notation;
        EXPECT_EQ(DumpBody(machine, r), c.expected) << int(c.notation);
    }
}

TEST(AdvancedDump, BitDumpAsDigitsAndAsPicture) {
    MachineState machine = Machine();
    machine.word(0x8000) = 0xA5F0;
    DumpRequest r = Grid(DumpLayout::Bits, 0x8000, 1, 2);
    EXPECT_EQ(DumpBody(machine, r), QStringLiteral("  ADDR：  　２進数表示  \n"
                                                   "　8000：　 1010 0101 1111 0000 \n"
                                                   "　8001：　 1000 0000 0000 0000 \n"));
    r.style = BitStyle::Squares;
    RecordingHost host;
    WriteDump(host, machine, r);
    EXPECT_EQ(host.console, QStringLiteral("■ビットダンプ\n"
                                           "  ADDR：  　図形表示  \n"
                                           "　8000：　 ■□■□□■□■■■■■□□□□\n"
                                           "　8001：　 ■□□□□□□□□□□□□□□□\n"
                                           "■表示終了\n"));
    EXPECT_EQ(WordPicture(0), QString(16, QChar(u'□')));
}

TEST(AdvancedDump, BitDumpPastTheEnd) {
    DumpRequest r = Grid(DumpLayout::Bits, 0x8FFF, 2, 2);
    EXPECT_EQ(DumpBody(Machine(), r), QStringLiteral("  ADDR：  　２進数表示  \n"
                                                     "　8FFF：　 1111 1111 1111 1111 \n"
                                                     "　9001：　\n"));
}

// The checks of OK, in their order: the address first, then the fields of the chosen layout only.
TEST(DumpEntries, ChecksOfOk) {
    const MachineState machine = Machine();
    const QString address = QStringLiteral("アドレス指定エラー");
    const QString parameter = QStringLiteral("パラメータ指定エラー");
    const QString addressText = QStringLiteral("先頭アドレスの指定に誤りがあります。");
    const QString countText = QStringLiteral("語数の指定に誤りがあります。");
    const QString widthText = QStringLiteral("１行の語数の指定に誤りがあります。");
    const QString linesText = QStringLiteral("行数の指定に誤りがあります。");
    struct Case {
        const char* name;
        std::function<void(DumpEntries&)> change;
        QString title, text;
    };
    const Case cases[] = {
        {"defaults", [](DumpEntries&) {}, QString(), QString()},
        {"lower-case hex", [](DumpEntries& e) { e.address = QStringLiteral("#8abc"); }, address, addressText},
        {"no #", [](DumpEntries& e) { e.address = QStringLiteral("8000"); }, address, addressText},
        {"empty address", [](DumpEntries& e) { e.address.clear(); }, address, addressText},
        {"below the area", [](DumpEntries& e) { e.address = QStringLiteral("#7FFF"); }, address, addressText},
        {"beyond the area", [](DumpEntries& e) { e.address = QStringLiteral("#9000"); }, address,
         addressText},
        {"address before count",
         [](DumpEntries& e) {
             e.address = QStringLiteral("#FFFF");
             e.count = QStringLiteral("0");
         },
         address, addressText},
        {"last word", [](DumpEntries& e) { e.address = QStringLiteral("#8FFF"); }, QString(), QString()},
        {"count 0", [](DumpEntries& e) { e.count = QStringLiteral("0"); }, parameter, countText},
        {"count 257", [](DumpEntries& e) { e.count = QStringLiteral("257"); }, parameter, countText},
        {"count 256", [](DumpEntries& e) { e.count = QStringLiteral("256"); }, QString(), QString()},
        {"count letters", [](DumpEntries& e) { e.count = QStringLiteral("abc"); }, parameter, countText},
        {"count empty", [](DumpEntries& e) { e.count.clear(); }, parameter, countText},
        {"count negative", [](DumpEntries& e) { e.count = QStringLiteral("-5"); }, parameter, countText},
        {"count huge", [](DumpEntries& e) { e.count = QStringLiteral("99999999999999999999"); }, parameter,
         countText},
        {"count full-width", [](DumpEntries& e) { e.count = QStringLiteral("１６"); }, QString(), QString()},
        {"array width 21",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Array;
             e.arrayWidth = QStringLiteral("21");
         },
         parameter, widthText},
        {"array width 0",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Array;
             e.arrayWidth = QStringLiteral("0");
         },
         parameter, widthText},
        {"array 20 by 51",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Array;
             e.arrayWidth = QStringLiteral("20");
             e.arrayLines = QStringLiteral("51");
         },
         parameter, linesText},
        {"array with a wrong radix count",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Array;
             e.count = QStringLiteral("0");
         },
         QString(), QString()},
        {"bits width 6",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Bits;
             e.bitWidth = QStringLiteral("6");
         },
         parameter, widthText},
        {"bits lines empty",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Bits;
             e.bitLines.clear();
         },
         parameter, linesText},
        {"bits 5 by 50",
         [](DumpEntries& e) {
             e.layout = DumpLayout::Bits;
             e.bitWidth = QStringLiteral("5");
             e.bitLines = QStringLiteral("50");
         },
         QString(), QString()},
    };
    for (const Case& c : cases) {
        DumpEntries entries = DefaultDumpEntries(machine);
        c.change(entries);
        const DumpCheck check = CheckDumpEntries(entries, machine);
        EXPECT_EQ(check.ok, c.title.isEmpty()) << c.name;
        EXPECT_EQ(check.title, c.title) << c.name;
        EXPECT_EQ(check.text, c.text) << c.name;
    }
}

TEST(DumpEntries, AcceptedEntriesBecomeTheRequest) {
    MachineState machine;
    machine.setUserStart(0x9000);
    DumpEntries entries = DefaultDumpEntries(machine);
    EXPECT_EQ(entries.address, QStringLiteral("#9000"));
    entries.address = QStringLiteral("#9FF0");
    entries.layout = DumpLayout::Bits;
    entries.bitWidth = QStringLiteral("2.5");  // rounds to the even 2
    entries.bitLines = QStringLiteral(" 7 lines");
    entries.style = BitStyle::Squares;
    const DumpCheck check = CheckDumpEntries(entries, machine);
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.request.layout, DumpLayout::Bits);
    EXPECT_EQ(check.request.start, 0x9FF0);
    EXPECT_EQ(check.request.width, 2);
    EXPECT_EQ(check.request.lines, 7);
    EXPECT_EQ(check.request.style, BitStyle::Squares);
}
