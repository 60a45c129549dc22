#include <gtest/gtest.h>

#include "assembler/AssemblyState.h"
#include "assembler/Listings.h"
#include "machine/MachineState.h"

namespace {

using kv::AssemblyState;
using kv::ListingLine;
using kv::MachineState;

QString Blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

ListingLine Line(std::int32_t address, const QString& text, int words = 0, const QString& fNotation = {}) {
    ListingLine line;
    line.address = address;
    line.text = text;
    line.words = words;
    line.fNotation = fNotation;
    return line;
}

// A small program as the assembler leaves it: a comment, START, a two-word LD, an error line,
// DS 13, a literal pool with its heading, END.
struct Program {
    AssemblyState assembly;
    MachineState machine;

    Program() {
        auto& listing = assembly.listing;
        listing << Line(kv::kNoAddress, QStringLiteral("; 合計を求める"));
        listing << Line(kv::kNoAddress, QStringLiteral("MAIN    START"));
        listing << Line(0x8000, QStringLiteral("        LD      GR1,=5"), 2,
                        QStringLiteral("GR1←M(=5)　　FR設定"));
        listing << Line(kv::kErrorLine, QStringLiteral("        LDX     GR1"));
        listing << Line(0x8002, QStringLiteral("DATA    DS      13"), 13);
        ListingLine heading = Line(kv::kNoAddress, QStringLiteral(" ;***　リテラルのDC行自動生成　***"));
        heading.colour = kv::kLiteralHeadingColour;
        listing << heading;
        listing << Line(0x800F, QStringLiteral("=5      DC      5"), 1);
        listing << Line(kv::kNoAddress, QStringLiteral("        END"));
        machine.word(0x8000) = 0x1010;
        machine.word(0x8001) = 0x800F;
        for (int i = 0; i < 13; ++i) machine.word(0x8002 + i) = 0x0A00 + i;
        machine.word(0x800F) = 5;
    }
};

TEST(Listings, AssemblyListShowsWordsContinuationsAndTheTotal) {
    Program p;
    const QString expected =
        QStringLiteral("■アセンブルリスト　\n") +
        QStringLiteral(" ADDR: メモリ内容　　　　　プログラム　\n") + QStringLiteral("     :") + Blanks(20) +
        QStringLiteral(" ; 合計を求める\n") + QStringLiteral("     :") + Blanks(20) +
        QStringLiteral(" MAIN    START\n") + QStringLiteral(" 8000: 1010 800F") + Blanks(10) +
        QStringLiteral("         LD      GR1,=5\n") + QStringLiteral("ERROR!") + Blanks(20) +
        QStringLiteral("         LDX     GR1\n") +
        QStringLiteral(" 8002: 0A00 0A01 0A02 0A03 DATA    DS      13\n") +
        QStringLiteral("     : 0A04 0A05 0A06 0A07\n") + QStringLiteral("     : 0A08 0A09 0A0A 0A0B\n") +
        QStringLiteral("     :（合計13語の領域。省略）\n") + QStringLiteral("     :") + Blanks(20) +
        QStringLiteral("  ;***　リテラルのDC行自動生成　***\n") + QStringLiteral(" 800F: 0005") + Blanks(15) +
        QStringLiteral(" =5      DC      5\n") + QStringLiteral("     :") + Blanks(20) +
        QStringLiteral("         END\n");
    EXPECT_EQ(kv::BuildAssemblyList(p.assembly, p.machine).toStdString(), expected.toStdString());

    const QStringList prefixes = {"     :", "     :", " 8000:", "ERROR!",
                                  " 8002:", "     :", " 800F:", "     :"};
    ASSERT_EQ(p.assembly.listing.size(), prefixes.size());
    for (int i = 0; i < prefixes.size(); ++i) EXPECT_EQ(p.assembly.line(i + 1).prefix, prefixes[i]) << i;
}

TEST(Listings, TwelveWordsNeedNoTotalAndShortRowsArePadded) {
    AssemblyState assembly;
    MachineState machine;
    assembly.listing << Line(0x8000, QStringLiteral("TBL     DC      1,2,3,4,5,6,7,8,9,10,11,12"), 12);
    assembly.listing << Line(0x800C, QStringLiteral("FIVE    DC      1,2,3,4,5"), 5);
    for (int i = 0; i < 17; ++i) machine.word(0x8000 + i) = i + 1;
    machine.word(0x8010) = -1;  // IN stores -1 at the end of the input
    const QString expected =
        QStringLiteral("■アセンブルリスト　\n ADDR: メモリ内容　　　　　プログラム　\n") +
        QStringLiteral(" 8000: 0001 0002 0003 0004 TBL     DC      1,2,3,4,5,6,7,8,9,10,11,12\n") +
        QStringLiteral("     : 0005 0006 0007 0008\n") + QStringLiteral("     : 0009 000A 000B 000C\n") +
        QStringLiteral(" 800C: 000D 000E 000F 0010 FIVE    DC      1,2,3,4,5\n") +
        QStringLiteral("     : FFFF") + Blanks(15) + QStringLiteral("\n");
    EXPECT_EQ(kv::BuildAssemblyList(assembly, machine).toStdString(), expected.toStdString());
}

TEST(Listings, WordsBeyondTheMemoryAreLeftBlank) {
    AssemblyState assembly;
    MachineState machine;
    machine.setUserStart(0x1000);
    machine.word(0x2005) = 0x1234;  // the last of the 4102 words
    assembly.listing << Line(0x2005, QStringLiteral("        DC      1,2"), 2);
    EXPECT_EQ(
        kv::BuildAssemblyList(assembly, machine).split(QLatin1Char('\n')).value(2).toStdString(),
        (QStringLiteral(" 2005: 1234") + Blanks(15) + QStringLiteral("         DC      1,2")).toStdString());
}

TEST(Listings, AddressListReusesThePrefixes) {
    Program p;
    kv::BuildAssemblyList(p.assembly, p.machine);
    const QString expected =
        QStringLiteral("■アドレスリスト　\n ADDR: プログラム　\n") +
        QStringLiteral("     : ; 合計を求める\n") + QStringLiteral("     : MAIN    START\n") +
        QStringLiteral(" 8000:         LD      GR1,=5\n") + QStringLiteral("ERROR!         LDX     GR1\n") +
        QStringLiteral(" 8002: DATA    DS      13\n") +
        QStringLiteral("     :  ;***　リテラルのDC行自動生成　***\n") +
        QStringLiteral(" 800F: =5      DC      5\n") + QStringLiteral("     :         END\n");
    EXPECT_EQ(kv::BuildAddressList(p.assembly).toStdString(), expected.toStdString());
}

TEST(Listings, FNotationListCutsAndPadsTheSourceToForty) {
    AssemblyState assembly;
    MachineState machine;
    const QString longSource =
        QStringLiteral("LOOP    LD      GR1,DATA,GR2 ;ABCDEFGHIJKLMNO");  // 45 characters
    ASSERT_EQ(longSource.size(), 45);
    assembly.listing << Line(kv::kNoAddress, QStringLiteral("; コメント"));
    assembly.listing << Line(0x8000, longSource, 2, QStringLiteral("GR1←M(DATA＋GR2)　　FR設定"));
    assembly.listing << Line(0x8002, QStringLiteral("        JUMP    LOOP"), 2,
                             QStringLiteral("無条件に　PR←LOOP　"));
    assembly.listing << Line(kv::kErrorLine, QStringLiteral("        LD      GR9,A"));
    assembly.listing << Line(0x8004, QStringLiteral("A       DS      0"), 0);
    kv::BuildAssemblyList(assembly, machine);
    const QString expected =
        QStringLiteral("■F式表記リスト　\n ADDR: プログラム　\n") + QStringLiteral("     : ; コメント\n") +
        QStringLiteral(" 8000: LOOP    LD      GR1,DATA,GR2 ;ABCDEFGHIJ：　GR1←M(DATA＋GR2)　　FR設定\n") +
        QStringLiteral(" 8002:         JUMP    LOOP") + Blanks(20) +
        QStringLiteral("：　無条件に　PR←LOOP　\n") +
        QStringLiteral("ERROR!         LD      GR9,A***　ERROR　***\n") +
        QStringLiteral(" 8004: A       DS      0") + Blanks(23) + QStringLiteral("：　\n");
    EXPECT_EQ(kv::BuildFNotationList(assembly).toStdString(), expected.toStdString());
}

TEST(Listings, EmptyListingGivesTheHeadingsAlone) {
    AssemblyState assembly;
    MachineState machine;
    EXPECT_EQ(kv::BuildAssemblyList(assembly, machine),
              QStringLiteral("■アセンブルリスト　\n ADDR: メモリ内容　　　　　プログラム　\n"));
    EXPECT_EQ(kv::BuildAddressList(assembly), QStringLiteral("■アドレスリスト　\n ADDR: プログラム　\n"));
    EXPECT_EQ(kv::BuildFNotationList(assembly), QStringLiteral("■F式表記リスト　\n ADDR: プログラム　\n"));
}

}  // namespace
