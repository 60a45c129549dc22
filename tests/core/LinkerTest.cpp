#include <gtest/gtest.h>

#include "assembler/AssemblyState.h"
#include "assembler/Linker.h"
#include "core/RecordingHost.h"
#include "machine/MachineState.h"

namespace {

using kv::AssemblyState;
using kv::MachineState;
using kv::TextRange;
using kv::testing::RecordingHost;

std::vector<std::pair<int, int>> Ranges(const QVector<TextRange>& marks) {
    std::vector<std::pair<int, int>> ranges;
    for (const TextRange& mark : marks) ranges.emplace_back(mark.start, mark.length);
    return ranges;
}

using Pairs = std::vector<std::pair<int, int>>;

TEST(Linker, CallOfASecondProgramGetsItsStartAddress) {
    // MAIN START / CALL SUB / RET / END, SUB START / RET / END
    AssemblyState assembly;
    MachineState machine;
    assembly.programs = {{"MAIN", 0x8000}, {"SUB", 0x8003}};
    assembly.externalReferences = {{"SUB", 0x8001}};
    machine.word(0x8000) = 0x8000;
    machine.word(0x8002) = 0x8100;
    RecordingHost host;
    const kv::LinkResult link =
        kv::Link(assembly, machine, host, QStringLiteral("MAIN    START\n        CALL    SUB\n"));
    EXPECT_EQ(link.result, 0);
    EXPECT_TRUE(link.marks.isEmpty());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(machine.word(0x8001), 0x8003);
    EXPECT_EQ(machine.word(0x8000), 0x8000);
    EXPECT_EQ(machine.word(0x8002), 0x8100);
}

TEST(Linker, EveryMissingReferenceIsReportedAndMarked) {
    const QString source = QStringLiteral(
        "MAIN    START\n"
        "        JUMP    LOOPX,GR1\n"
        "        JZE     LOOPX ;back\n"
        "        CALL    SUB\n"
        "        RET\n"
        "        END\n"
        "SUB     START\n"
        "        JPL     LOOPX\n"
        "        RET\n"
        "        END\n");
    AssemblyState assembly;
    MachineState machine;
    assembly.programs = {{"MAIN", 0x8000}, {"SUB", 0x8007}};
    assembly.externalReferences = {{"LOOPX", 0x8001}, {"LOOPX", 0x8003}, {"SUB", 0x8005}, {"LOOPX", 0x8008}};
    machine.word(0x8001) = 0x1111;
    RecordingHost host;
    const kv::LinkResult link = kv::Link(assembly, machine, host, source);

    EXPECT_EQ(link.result, 9);
    ASSERT_EQ(host.messages.size(), 3);
    for (const auto& message : host.messages) {
        EXPECT_EQ(message.colour, kv::colours::Red);
        EXPECT_EQ(message.text, QStringLiteral("　外部参照ラベルLOOPXのプログラムがありません。"));
    }
    // The found name is still written; the missing ones are left alone.
    EXPECT_EQ(machine.word(0x8005), 0x8007);
    EXPECT_EQ(machine.word(0x8001), 0x1111);
    // LOOPX,GR1 at 30 and LOOPX ;back at 56, once for every missing reference; JPL LOOPX ends its line.
    const Pairs once = {{30, 5}, {56, 5}};
    Pairs thrice = once;
    thrice.insert(thrice.end(), once.begin(), once.end());
    thrice.insert(thrice.end(), once.begin(), once.end());
    EXPECT_EQ(Ranges(link.marks), thrice);
}

TEST(Linker, LabelsInsideAnotherProgramAndOtherCasesAreNotProgramNames) {
    AssemblyState assembly;
    MachineState machine;
    assembly.programs = {{"MAIN", 0x8000}, {"SUB", 0x8004}};
    assembly.externalReferences = {{"DATA", 0x8005}, {"sub", 0x8001}};
    RecordingHost host;
    const kv::LinkResult link = kv::Link(assembly, machine, host, QString());
    EXPECT_EQ(link.result, 9);
    ASSERT_EQ(host.messages.size(), 2);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("　外部参照ラベルDATAのプログラムがありません。"));
    EXPECT_EQ(host.messages[1].text, QStringLiteral("　外部参照ラベルsubのプログラムがありません。"));
    EXPECT_EQ(machine.word(0x8001), 0);
}

TEST(Linker, ReferencingWordOutsideTheAreaIsNotWritten) {
    AssemblyState assembly;
    MachineState machine;
    assembly.programs = {{"SUB", 0x8000}};
    assembly.externalReferences = {{"SUB", 0x7FFF}, {"SUB", 0x9000}, {"SUB", 0x8FFF}};
    RecordingHost host;
    EXPECT_EQ(kv::Link(assembly, machine, host, QString()).result, 0);
    EXPECT_EQ(machine.word(0x9000), 0);  // the stack-bottom word
    EXPECT_EQ(machine.word(0x8FFF), 0x8000);
}

TEST(MarkNameUses, CommasFirstThenBlanksButNotAtLineEnd) {
    // "B LOOPX ;c" holds LOOPX at 2, "A LOOPX,GR1" at 13, the label definition at 25, "C LOOPX" at 37.
    const QString text = QStringLiteral("B LOOPX ;c\nA LOOPX,GR1\nLOOPX   NOP\nC LOOPX\nD LOOPX");
    EXPECT_EQ(Ranges(kv::MarkNameUses(text, QStringLiteral("LOOPX"))), (Pairs{{13, 5}, {2, 5}, {23, 5}}));
}

TEST(MarkNameUses, CaseEmptyNamesAndContinuation) {
    EXPECT_TRUE(kv::MarkNameUses(QStringLiteral("loopx,GR1\nLOOPx X\n"), QStringLiteral("LOOPX")).isEmpty());
    EXPECT_TRUE(kv::MarkNameUses(QStringLiteral(", ,\n"), QString()).isEmpty());
    // The search goes on right after each comma: every AA, is found once.
    EXPECT_EQ(Ranges(kv::MarkNameUses(QStringLiteral("AA,AA,AA\n"), QStringLiteral("AA"))),
              (Pairs{{0, 2}, {3, 2}}));
    EXPECT_EQ(Ranges(kv::MarkNameUses(QStringLiteral("X  X "), QStringLiteral("X"))),
              (Pairs{{0, 1}, {3, 1}}));
}

TEST(MarkNameUses, CountStopsAt32767) {
    const QString text = QStringLiteral("N,").repeated(40000);
    const QVector<TextRange> marks = kv::MarkNameUses(text, QStringLiteral("N"));
    ASSERT_EQ(marks.size(), 32767);
    EXPECT_EQ(marks.last(), (TextRange{2 * 32766, 1}));
}

}  // namespace
