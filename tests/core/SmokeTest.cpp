#include <gtest/gtest.h>

#include "machine/KvSetValue.h"

TEST(InstructionTable, Builds) {
    kv::InstructionTable table;
    EXPECT_EQ(table.FindMnemonic("LD"), 7);
}
