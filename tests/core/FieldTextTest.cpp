// Numbers and hexadecimal constants typed into the fields of the dialogs.

#include <gtest/gtest.h>

#include <limits>

#include "settings/FieldText.h"

using namespace kv;

TEST(FieldText, ReadWholeNumber) {
    const std::int64_t most = std::numeric_limits<std::int32_t>::max();
    const std::int64_t least = std::numeric_limits<std::int32_t>::min();
    const std::pair<QString, std::int64_t> cases[] = {
        {"16", 16},
        {" 16 ", 16},
        {"+7", 7},
        {"-5", -5},
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"1 2", 1},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.6", 1},
        {".5", 0},
        {".", 0},
        {"-", 0},
        {"1e2", 100},
        {"1e", 1},
        {"1e+x", 1},
        {"１６", 16},
        {"－３", -3},
        {"99999999999999999999", most},
        {"-99999999999999999999", least},
        {"1e999", most},
        {"#10", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadWholeNumber(text), value) << qPrintable(text);
}

TEST(FieldText, ParseHexField) {
    const std::pair<QString, std::int32_t> cases[] = {
        {"#0000", 0}, {"#8000", 0x8000}, {"#FFFF", 0xFFFF}, {"#9000", 0x9000}, {"#8abc", -1}, {"8000", -1},
        {"#800", -1}, {"#80000", -1},    {"", -1},          {" #8000", -1},    {"#80G0", -1}, {"＃8000", -1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseHexField(text), value) << qPrintable(text);
}
