// The 37 entries of the instruction table, the mnemonic look-up and the DS word count.

#include <gtest/gtest.h>

#include "assembler/SourceLineParser.h"
#include "machine/InstructionTable.h"
#include "settings/Settings.h"

namespace kv {
namespace {

struct Expected {
    const char* mnemonic;
    const char* form1;
    std::int32_t code1;
    std::int16_t words1;
    const char* form2;
    std::int32_t code2;
    std::int16_t words2;
};

// DS takes its count from each line's operand, so its stored count is left out below.
const Expected kTable[InstructionTable::kCount] = {
    {"START", "START", 0, 0, "", 0, 0},
    {"END", "END", 0, 0, "", 0, 0},
    {"DS", "DS", 0, -1, "", 0, 0},
    {"DC", "DC", 0, 1, "", 0, 0},
    {"IN", "LL", 0, 12, "", 0, 0},
    {"OUT", "LL", 0, 12, "", 0, 0},
    {"LD", "RR", 0x1400, 1, "RAX", 0x1000, 2},
    {"ST", "RAX", 0x1100, 2, "", 0, 0},
    {"LAD", "RAX", 0x1200, 2, "", 0, 0},
    {"ADDA", "RR", 0x2400, 1, "RAX", 0x2000, 2},
    {"ADDL", "RR", 0x2600, 1, "RAX", 0x2200, 2},
    {"SUBA", "RR", 0x2500, 1, "RAX", 0x2100, 2},
    {"SUBL", "RR", 0x2700, 1, "RAX", 0x2300, 2},
    {"AND", "RR", 0x3400, 1, "RAX", 0x3000, 2},
    {"OR", "RR", 0x3500, 1, "RAX", 0x3100, 2},
    {"XOR", "RR", 0x3600, 1, "RAX", 0x3200, 2},
    {"CPA", "RR", 0x4400, 1, "RAX", 0x4000, 2},
    {"CPL", "RR", 0x4500, 1, "RAX", 0x4100, 2},
    {"SLA", "RAX", 0x5000, 2, "", 0, 0},
    {"SRA", "RAX", 0x5100, 2, "", 0, 0},
    {"SLL", "RAX", 0x5200, 2, "", 0, 0},
    {"SRL", "RAX", 0x5300, 2, "", 0, 0},
    {"JMI", "AX", 0x6100, 2, "", 0, 0},
    {"JNZ", "AX", 0x6200, 2, "", 0, 0},
    {"JZE", "AX", 0x6300, 2, "", 0, 0},
    {"JUMP", "AX", 0x6400, 2, "", 0, 0},
    {"JPL", "AX", 0x6500, 2, "", 0, 0},
    {"JOV", "AX", 0x6600, 2, "", 0, 0},
    {"PUSH", "AX", 0x7000, 2, "", 0, 0},
    {"POP", "R", 0x7100, 1, "", 0, 0},
    {"CALL", "AX", 0x8000, 2, "", 0, 0},
    {"RET", "NON", 0x8100, 1, "", 0, 0},
    {"SVC", "AX", 0xF000, 2, "", 0, 0},
    {"NOP", "NON", 0x0000, 1, "", 0, 0},
    {"COPY", "COPY", 0xA000, 3, "", 0, 0},
    {"RPUSH", "NON", 0, 14, "", 0, 0},
    {"RPOP", "NON", 0, 7, "", 0, 0},
};

TEST(InstructionTable, HoldsTheThirtySevenEntriesInOrder) {
    const InstructionTable table;
    for (int position = 1; position <= InstructionTable::kCount; ++position) {
        const Expected& e = kTable[position - 1];
        SCOPED_TRACE(e.mnemonic);
        EXPECT_EQ(table.entry(position).mnemonic.toStdString(), e.mnemonic);
        EXPECT_EQ(kv::OperandFormName(table.FormOf(position, 1)).toStdString(), e.form1);
        EXPECT_EQ(table.CodeOf(position, 1), e.code1);
        if (position != op::DS) {
            EXPECT_EQ(table.LengthOf(position, 1), e.words1);
        }
        EXPECT_EQ(kv::OperandFormName(table.FormOf(position, 2)).toStdString(), e.form2);
        EXPECT_EQ(table.CodeOf(position, 2), e.code2);
        EXPECT_EQ(table.LengthOf(position, 2), e.words2);
    }
}

TEST(InstructionTable, NamedPositionsMatchTheTable) {
    const InstructionTable table;
    EXPECT_EQ(table.entry(op::START).mnemonic.toStdString(), "START");
    EXPECT_EQ(table.entry(op::END).mnemonic.toStdString(), "END");
    EXPECT_EQ(table.entry(op::DS).mnemonic.toStdString(), "DS");
    EXPECT_EQ(table.entry(op::DC).mnemonic.toStdString(), "DC");
    EXPECT_EQ(table.entry(op::IN).mnemonic.toStdString(), "IN");
    EXPECT_EQ(table.entry(op::OUT).mnemonic.toStdString(), "OUT");
    EXPECT_EQ(table.entry(op::LD).mnemonic.toStdString(), "LD");
    EXPECT_EQ(table.entry(op::RET).mnemonic.toStdString(), "RET");
    EXPECT_EQ(table.entry(op::SVC).mnemonic.toStdString(), "SVC");
    EXPECT_EQ(table.entry(op::NOP).mnemonic.toStdString(), "NOP");
    EXPECT_EQ(table.entry(op::COPY).mnemonic.toStdString(), "COPY");
    EXPECT_EQ(table.entry(op::RPUSH).mnemonic.toStdString(), "RPUSH");
    EXPECT_EQ(table.entry(op::RPOP).mnemonic.toStdString(), "RPOP");
}

TEST(InstructionTable, FindMnemonicIsExactAndCaseSensitive) {
    const InstructionTable table;
    for (int position = 1; position <= InstructionTable::kCount; ++position)
        EXPECT_EQ(table.FindMnemonic(QLatin1String(kTable[position - 1].mnemonic)), position);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("ld")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("Ld")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("LDX")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("JUMPS")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("JUM")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("LD ")), 0);
    EXPECT_EQ(table.FindMnemonic(QStringLiteral("ＬＤ")), 0);
    EXPECT_EQ(table.FindMnemonic(QString()), 0);
}

TEST(InstructionTable, DsLinesLeaveTheTableAsBuilt) {
    const InstructionTable table;
    Settings settings;
    for (int words : {5, 0, 32767}) {
        const ParsedLine parsed = ParseSourceLine({table, settings, 0x8000, 0x8000, 0x8FFF, 0},
                                                  QStringLiteral(" DS ") + QString::number(words));
        EXPECT_EQ(parsed.dsWords, words == 32767 ? -1 : words);
    }
    EXPECT_EQ(table.LengthOf(op::DS, 1), 0);
    EXPECT_EQ(table.LengthOf(op::DS, 2), 0);
    for (int position = 1; position <= InstructionTable::kCount; ++position) {
        if (position == op::DS) continue;
        EXPECT_EQ(table.LengthOf(position, 1), kTable[position - 1].words1) << position;
        EXPECT_EQ(table.LengthOf(position, 2), kTable[position - 1].words2) << position;
    }
}

}  // namespace
}  // namespace kv
