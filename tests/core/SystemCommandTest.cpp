// The system commands of the options dialog: their words, what each changes, and errors 1001 and
// 1002, after which nothing has changed.

#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "settings/SystemCommand.h"

using namespace kv;

TEST(SystemCommand, WordsAreSplitAtBlanksFullWidthBlanksAndCommas) {
    EXPECT_EQ(SystemCommandWords(QStringLiteral("  leng 1,12 ")), QStringList({"leng", "1", "12"}));
    EXPECT_EQ(SystemCommandWords(QStringLiteral("leng　1 , 12")), QStringList({"leng", "1", "12"}));
    EXPECT_EQ(SystemCommandWords(QStringLiteral("")), QStringList());
}

// The panes show the medium size (14): changing it changes theirs, changing another size does not.
TEST(SystemCommand, PanesFollowTheFontSizeTheyShow) {
    Settings settings;
    ErrorState error;
    ASSERT_EQ(settings.paneFontSize, 14);
    EXPECT_EQ(RunSystemCommand(QStringLiteral("font 1,24"), settings, error), SystemCommandOutcome::Accepted);
    EXPECT_EQ(settings.paneFontSize, 14);
    EXPECT_EQ(RunSystemCommand(QStringLiteral("font 2,16"), settings, error), SystemCommandOutcome::Accepted);
    EXPECT_EQ(settings.mediumFontSize, 16);
    EXPECT_EQ(settings.paneFontSize, 16);
    EXPECT_EQ(RunSystemCommand(QStringLiteral("font 2,99"), settings, error), SystemCommandOutcome::Refused);
    EXPECT_EQ(settings.paneFontSize, 16);
}

TEST(SystemCommand, Commands) {
    using O = SystemCommandOutcome;
    struct Case {
        QString text;
        O outcome;
        int error;
        std::function<bool(const Settings&)> changed;  // what an accepted command changed
    };
    const Case cases[] = {
        {"leng 1,12", O::Accepted, 0, [](const Settings& s) { return s.labelWidth == 12; }},
        {"leng 1 12", O::Accepted, 0, [](const Settings& s) { return s.labelWidth == 12; }},
        {"leng 1,7", O::Refused, 1002, nullptr},
        {"leng 1,21", O::Refused, 1002, nullptr},
        {"leng 1,8", O::Accepted, 0, [](const Settings& s) { return s.labelWidth == 8; }},
        {"leng 2,5", O::Accepted, 0, [](const Settings& s) { return s.instructionWidth == 5; }},
        {"leng 2,4", O::Refused, 1002, nullptr},
        {"leng 3,20", O::Accepted, 0, [](const Settings& s) { return s.operandWidth == 20; }},
        {"leng 4,10", O::Refused, 1002, nullptr},
        {"leng 1", O::Refused, 1002, nullptr},
        {"leng 1,abc", O::Refused, 1002, nullptr},
        {"font 1,24", O::Accepted, 0, [](const Settings& s) { return s.largeFontSize == 24; }},
        {"font 2,16", O::Accepted, 0, [](const Settings& s) { return s.mediumFontSize == 16; }},
        {"font 3,8", O::Accepted, 0, [](const Settings& s) { return s.smallFontSize == 8; }},
        {"font 0,12", O::Refused, 1002, nullptr},
        {"font 1,0", O::Refused, 1002, nullptr},
        {"font 1,-12", O::Refused, 1002, nullptr},
        {"font 1,999999999999", O::Refused, 1002, nullptr},
        {"fr 0", O::Accepted, 0, [](const Settings& s) { return s.frSwitch == 0; }},
        {"fr 1", O::Accepted, 0, [](const Settings& s) { return s.frSwitch == 1; }},
        {"fr 5", O::Accepted, 0, [](const Settings& s) { return s.frSwitch == 0; }},
        {"debug 80,1", O::Accepted, 0, [](const Settings& s) { return s.debug[80] == 1; }},
        {"debug 0,-3", O::Accepted, 0, [](const Settings& s) { return s.debug[0] == -3; }},
        {"debug 100,2", O::Accepted, 0, [](const Settings& s) { return s.debug[100] == 2; }},
        {"debug 101,1", O::Refused, 1002, nullptr},
        {"debug -1,1", O::Refused, 1002, nullptr},
        {"size 3", O::Refused, 1001, nullptr},
        {"LENG 1,12", O::Refused, 1001, nullptr},
        {"", O::Ignored, 0, nullptr},
        {"leng", O::Ignored, 0, nullptr},
        {"leng 1 12 1 1 1 1 1 1 1 1", O::Ignored, 0, nullptr},  // eleven words
        {"leng 1 12 1 1 1 1 1 1 1", O::Accepted, 0, [](const Settings& s) { return s.labelWidth == 12; }},
    };
    for (const Case& c : cases) {
        Settings settings;
        const Settings before = settings;
        ErrorState error;
        EXPECT_EQ(CheckSystemCommand(c.text, error), c.outcome) << qPrintable(c.text);
        EXPECT_EQ(error.number(), c.error) << qPrintable(c.text);
        error.clear();
        EXPECT_EQ(RunSystemCommand(c.text, settings, error), c.outcome) << qPrintable(c.text);
        EXPECT_EQ(error.number(), c.error) << qPrintable(c.text);
        if (c.changed) {
            EXPECT_TRUE(c.changed(settings)) << qPrintable(c.text);
        } else {
            EXPECT_EQ(settings.labelWidth, before.labelWidth) << qPrintable(c.text);
            EXPECT_EQ(settings.largeFontSize, before.largeFontSize) << qPrintable(c.text);
            EXPECT_EQ(settings.frSwitch, before.frSwitch) << qPrintable(c.text);
            EXPECT_EQ(settings.debug, before.debug) << qPrintable(c.text);
        }
    }
}
