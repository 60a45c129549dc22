#include <gtest/gtest.h>

#include "assembler/FNotation.h"
#include "core/RecordingHost.h"
#include "machine/InstructionTable.h"

namespace {

using kv::testing::RecordingHost;

// The F-notation of a first word with its operands as written; no internal fault may occur.
std::string F(std::int32_t firstWord, const QStringList& operands) {
    RecordingHost host;
    const QString text = kv::FNotation(firstWord, operands, host);
    EXPECT_TRUE(host.boxes.isEmpty()) << "internal fault for " << std::hex << firstWord;
    return text.toStdString();
}

std::string Macro(int instruction, const QStringList& operands) {
    return kv::FNotationOfAssemblerInstruction(instruction, operands).toStdString();
}

TEST(FNotation, LoadStoreAndLoadAddress) {
    EXPECT_EQ(F(0x1012, {"GR1", "DATA", "GR2"}), "GR1←M(DATA＋GR2)　　FR設定");
    EXPECT_EQ(F(0x1010, {"GR1", "=5"}), "GR1←M(=5)　　FR設定");
    EXPECT_EQ(F(0x1412, {"GR1", "GR2"}), "GR1←GR2　　FR設定");
    EXPECT_EQ(F(0x1130, {"GR3", "SAVE"}), "GR3→M(SAVE)　　注意！）FRを設定しない");
    EXPECT_EQ(F(0x1212, {"GR1", "1", "GR2"}), "GR1←1＋GR2　　注意！）FRを設定しない");
    EXPECT_EQ(F(0x1200, {"GR0", "#00FF"}), "GR0←#00FF　　注意！）FRを設定しない");
}

TEST(FNotation, AddAndSubtractWithAddress) {
    EXPECT_EQ(F(0x2010, {"GR1", "DATA"}), "GR1←GR1＋M(DATA)　　算術加算　FR設定");
    EXPECT_EQ(F(0x2223, {"GR2", "TBL", "GR3"}), "GR2←GR2＋M(TBL＋GR3)　　論理加算　FR設定");
    EXPECT_EQ(F(0x2140, {"GR4", "=1"}), "GR4←GR4－M(=1)　　算術減算　FR設定");
    EXPECT_EQ(F(0x2350, {"GR5", "N"}), "GR5←GR5－M(N)　　論理減算　FR設定");
}

TEST(FNotation, AddAndSubtractRegistersKeepTheirOddBlanks) {
    // Half-width blank then full-width blank, except SUBA which has them the other way round.
    EXPECT_EQ(F(0x2412, {"GR1", "GR2"}), "GR1←GR1＋GR2 　算術加算　FR設定");
    EXPECT_EQ(F(0x2634, {"GR3", "GR4"}), "GR3←GR3＋GR4 　論理加算　FR設定");
    EXPECT_EQ(F(0x2556, {"GR5", "GR6"}), "GR5←GR5－GR6　 算術減算　FR設定");
    EXPECT_EQ(F(0x2770, {"GR7", "GR0"}), "GR7←GR7－GR0 　論理減算　FR設定");
}

TEST(FNotation, LogicalOperations) {
    EXPECT_EQ(F(0x3010, {"GR1", "MASK"}), "GR1←GR1 AND　M(MASK)　　FR設定");
    EXPECT_EQ(F(0x3112, {"GR1", "BITS", "GR2"}), "GR1←GR1 OR　M(BITS＋GR2)　　FR設定");
    EXPECT_EQ(F(0x3220, {"GR2", "=#FFFF"}), "GR2←GR2 XOR　M(=#FFFF)　　FR設定");
    EXPECT_EQ(F(0x3412, {"GR1", "GR2"}), "GR1←GR1 AND GR2　　FR設定");
    EXPECT_EQ(F(0x3534, {"GR3", "GR4"}), "GR3←GR3 OR GR4　　FR設定");
    EXPECT_EQ(F(0x3656, {"GR5", "GR6"}), "GR5←GR5 XOR GR6　　FR設定");
}

TEST(FNotation, Comparisons) {
    EXPECT_EQ(F(0x4010, {"GR1", "LIMIT"}), "FR←GR1－M(LIMIT)　　算術比較　FR設定");
    EXPECT_EQ(F(0x4113, {"GR1", "TBL", "GR3"}), "FR←GR1－M(TBL＋GR3)　　論理比較　FR設定");
    EXPECT_EQ(F(0x4412, {"GR1", "GR2"}), "FR←GR1－GR2 　算術比較　FR設定");
    EXPECT_EQ(F(0x4512, {"GR1", "GR2"}), "FR←GR1－GR2 　論理比較　FR設定");
}

TEST(FNotation, Shifts) {
    EXPECT_EQ(F(0x5010, {"GR1", "1"}), "GR1←GR1 << 1　　算術左シフト　FR設定");
    EXPECT_EQ(F(0x5112, {"GR1", "0", "GR2"}), "GR1←GR1 >> 0＋GR2　　算術右シフト　FR設定");
    EXPECT_EQ(F(0x5230, {"GR3", "8"}), "GR3←GR3 << 8　　論理左シフト　FR設定");
    EXPECT_EQ(F(0x5340, {"GR4", "15"}), "GR4←GR4 >> 15　　論理右シフト　FR設定");
}

TEST(FNotation, JumpsTakeTheAddressFromTheFirstOperand) {
    EXPECT_EQ(F(0x6100, {"MINUS"}), "FRが負なら　PR←MINUS　");
    EXPECT_EQ(F(0x6200, {"LOOP"}), "FRが零でないなら　PR←LOOP　");
    EXPECT_EQ(F(0x6300, {"FIN"}), "FRが零なら　PR←FIN　");
    EXPECT_EQ(F(0x6400, {"LOOP"}), "無条件に　PR←LOOP　");
    EXPECT_EQ(F(0x6501, {"TBL", "GR1"}), "FRが正なら　PR←TBL＋GR1　");
    EXPECT_EQ(F(0x6600, {"OVER"}), "FRがオーバフローなら　PR←OVER　");
}

TEST(FNotation, StackCallsAndTheRest) {
    EXPECT_EQ(F(0x7000, {"0"}), "スタック←0　");
    EXPECT_EQ(F(0x7002, {"0", "GR2"}), "スタック←0＋GR2　");
    EXPECT_EQ(F(0x7130, {"GR3"}), "GR3←スタック　");
    EXPECT_EQ(F(0x8000, {"SUB"}), "副プログラム[SUB]を呼ぶ　");
    EXPECT_EQ(F(0x8004, {"TBL", "GR4"}), "副プログラム[TBL＋GR4]を呼ぶ　");
    EXPECT_EQ(F(0x8100, {}), "主プログラムに復帰　");
    EXPECT_EQ(F(0xF000, {"2"}), "スーパバイザコール（2）　");
    EXPECT_EQ(F(0x0000, {}), "何もしない");
}

TEST(FNotation, UnknownFirstWordIsAnInternalFault) {
    for (const std::int32_t word : {0xA003, 0x1300, 0xFF00, -1, 0x10000}) {
        RecordingHost host;
        EXPECT_TRUE(kv::FNotation(word, {"A", "B", "3"}, host).isEmpty()) << word;
        ASSERT_EQ(host.boxes.size(), 1) << word;
        EXPECT_EQ(host.boxes[0].title, QStringLiteral("『KavoraⅡ』システムエラー　"));
        EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("F式表記1\n")))
            << host.boxes[0].text.toStdString();
    }
}

TEST(FNotation, AssemblerAndMacroInstructions) {
    EXPECT_EQ(Macro(kv::op::IN, {"BUF", "LEN"}), "文字列入力。M(BUF）から順に設定。（マクロ命令）");
    EXPECT_EQ(Macro(kv::op::OUT, {"MSG", "MLEN"}), "文字列出力。M(MSG）から順に出力。（マクロ命令）");
    EXPECT_EQ(Macro(kv::op::RPUSH, {}), "GR1～GR7をスタックに退避。（マクロ命令）");
    EXPECT_EQ(Macro(kv::op::RPOP, {}), "スタックからGR7～GR1を復元。（マクロ命令）");
    EXPECT_EQ(Macro(kv::op::COPY, {"DEST", "SRC", "3"}),
              "SRC番地から3語を、DEST番地以降にコピーする　【拡張命令】");
    EXPECT_EQ(Macro(kv::op::START, {"BEGIN"}), "");
    EXPECT_EQ(Macro(kv::op::END, {}), "");
    EXPECT_EQ(Macro(kv::op::DC, {"1", "2"}), "");
    EXPECT_EQ(Macro(kv::op::DS, {"10"}), "");
}

}  // namespace
