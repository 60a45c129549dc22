// The structured editor's text rules: the Enter check, the format command, template colours, Tab.

#include <gtest/gtest.h>

#include "editor/LineCheck.h"
#include "settings/Settings.h"

namespace kv {

void PrintTo(const ColouredRun& run, std::ostream* out) {
    *out << "{" << run.start << ", " << run.length << ", rgb(" << int(run.colour.r) << ","
         << int(run.colour.g) << "," << int(run.colour.b) << ")}";
}

namespace {

class LineCheckTest : public ::testing::Test {
  protected:
    InstructionTable table;
    Settings settings;
    LineChecker checker{table, settings};

    FormattedText format(const QString& text, QVector<int>* positions = nullptr) {
        return FormatAndCheckAll(checker, text, [positions](int position) {
            if (positions) positions->push_back(position);
        });
    }
};

TEST_F(LineCheckTest, EnterRewritesACorrectLineIntoColumns) {
    const LineCheckResult r = CheckCurrentLine(checker, QStringLiteral("LOOP LD GR1,A ;count"));
    EXPECT_EQ(r.outcome, LineClass::Statement);
    EXPECT_EQ(r.replacement, QStringLiteral("LOOP      LD        GR1,A               ;count"));
    EXPECT_EQ(r.commentStart, 40);
    EXPECT_EQ(r.commentLength, 6);
    EXPECT_FALSE(r.isError());

    // Lower case and full-width characters come back in upper-case half-width form; character
    // constants and the comment keep their case.
    const LineCheckResult dc = CheckCurrentLine(checker, QStringLiteral("msg dc 'Hi' ；Ｓａｙ"));
    EXPECT_EQ(dc.replacement, QStringLiteral("MSG       DC        'Hi'                ;Say"));

    // Operands of 20 characters or more are followed by a single blank before the comment.
    const LineCheckResult longOperand =
        CheckCurrentLine(checker, QStringLiteral(" DC 1,2,3,4,5,6,7,8,9,10 ;c"));
    EXPECT_EQ(longOperand.replacement, QStringLiteral("          DC        1,2,3,4,5,6,7,8,9,10 ;c"));
    EXPECT_EQ(longOperand.commentStart, 41);

    // Without a comment the line ends after the operands, or after the instruction's blanks.
    EXPECT_EQ(CheckCurrentLine(checker, QStringLiteral("\tRET")).replacement,
              QStringLiteral("          RET       "));
    EXPECT_EQ(CheckCurrentLine(checker, QStringLiteral(" RET")).commentLength, 0);
}

TEST_F(LineCheckTest, EnterFollowsTheColumnWidthsOfTheSettings) {
    settings.labelWidth = 12;
    settings.instructionWidth = 6;
    settings.operandWidth = 8;
    const LineCheckResult r = CheckCurrentLine(checker, QStringLiteral("LOOP LD GR1,A ;count"));
    EXPECT_EQ(r.replacement, QStringLiteral("LOOP        LD    GR1,A   ;count"));
    EXPECT_EQ(r.commentStart, 26);
}

TEST_F(LineCheckTest, EnterOnEmptyBlankCommentAndErrorLines) {
    EXPECT_EQ(CheckCurrentLine(checker, QString()).outcome, LineClass::Empty);
    const LineCheckResult blanks = CheckCurrentLine(checker, QStringLiteral("    "));
    EXPECT_EQ(blanks.outcome, LineClass::Empty);
    EXPECT_TRUE(blanks.replacement.isEmpty());

    const LineCheckResult comment = CheckCurrentLine(checker, QStringLiteral("   ; note"));
    EXPECT_EQ(comment.outcome, LineClass::Comment);
    EXPECT_TRUE(comment.replacement.isEmpty());
    EXPECT_EQ(comment.error.number(), 0);

    const LineCheckResult bad = CheckCurrentLine(checker, QStringLiteral(" ld gr9,a"));
    EXPECT_TRUE(bad.isError());
    EXPECT_EQ(bad.outcome, LineClass::OperandError);
    EXPECT_EQ(bad.error.number(), 151);
    EXPECT_TRUE(bad.replacement.isEmpty());

    const LineCheckResult label = CheckCurrentLine(checker, QStringLiteral("TOOLONGLABEL NOP"));
    EXPECT_EQ(label.outcome, LineClass::LabelError);
    EXPECT_EQ(label.error.number(), 111);
    EXPECT_EQ(CheckCurrentLine(checker, QStringLiteral(" FOO GR1")).error.number(), 121);

    // A correct line after an error leaves no code behind.
    EXPECT_EQ(CheckCurrentLine(checker, QStringLiteral(" NOP")).error.number(), 0);
}

TEST_F(LineCheckTest, ChecksNeverPileUpReferences) {
    // 250 lines naming labels: one program holds at most 200 references, but every check starts
    // afresh, so none of them fails.
    QString text;
    for (int i = 0; i < 250; ++i) text += QStringLiteral(" LD GR1,L%1\n").arg(i);
    const FormattedText f = format(text);
    ASSERT_EQ(f.runs.size(), 1);
    EXPECT_EQ(f.runs[0].colour, colours::Black);
    EXPECT_EQ(f.outcome, LineClass::Statement);

    // Every line is checked at the start of the user area, wherever the area lies: the largest
    // storage area fits again and again.
    settings.userStart = 0x9000;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CheckCurrentLine(checker, QStringLiteral("BUF DS 4094")).outcome, LineClass::Statement);
    const LineCheckResult tooLarge = CheckCurrentLine(checker, QStringLiteral("BUF DS 4095"));
    EXPECT_TRUE(tooLarge.isError());
    EXPECT_EQ(tooLarge.error.number(), 307);
}

TEST_F(LineCheckTest, FormatRewritesKeepsAndDropsLines) {
    const QString text = QStringLiteral(
        "main start \t\r\n"
        "   ; indented comment\r\n"
        "    \r\n"
        " ld gr9,a\t;tab kept\r\n"
        "\r\n"
        " LD GR1,A ;count\r\n"
        " ret");
    QVector<int> positions;
    const FormattedText f = format(text, &positions);
    ASSERT_TRUE(f.changed);
    EXPECT_EQ(f.text, QStringLiteral("MAIN      START     \n"
                                     "   ; indented comment\n"
                                     " ld gr9,a\t;tab kept\n"
                                     "          LD        GR1,A               ;count\n"
                                     "          RET       \n"));
    const int line4 =
        QStringLiteral("MAIN      START     \n   ; indented comment\n ld gr9,a\t;tab kept\n").size();
    const QVector<ColouredRun> expected{
        {0, 21, colours::Black},     {21, 22, colours::Comment},        {43, 20, colours::ErrorLine},
        {line4, 40, colours::Black}, {line4 + 40, 7, colours::Comment}, {line4 + 47, 21, colours::Black},
    };
    EXPECT_EQ(f.runs, expected);
    EXPECT_EQ(f.outcome, LineClass::Statement);
    // The position of each line's start, in the old text.
    EXPECT_EQ(positions, (QVector<int>{0, 14, 37, 43, 64, 66, 84}));
}

TEST_F(LineCheckTest, FormatEdgeTexts) {
    const FormattedText one = format(QStringLiteral("x"));
    EXPECT_FALSE(one.changed);
    EXPECT_EQ(one.outcome, LineClass::Empty);
    EXPECT_FALSE(format(QString()).changed);

    // A line break at the very end starts no further line; a last blank line is dropped and the
    // outcome is that of the last line read.
    EXPECT_EQ(format(QStringLiteral(" NOP\n")).text, QStringLiteral("          NOP       \n"));
    const FormattedText blankLast = format(QStringLiteral(" NOP\n  "));
    EXPECT_EQ(blankLast.text, QStringLiteral("          NOP       \n"));
    EXPECT_EQ(blankLast.outcome, LineClass::Empty);
    EXPECT_EQ(format(QStringLiteral("\n\n  \n")).text, QString());

    const FormattedText error = format(QStringLiteral(" NOP\n BAD"));
    EXPECT_EQ(error.outcome, LineClass::InstructionError);
    EXPECT_EQ(error.runs.last(), (ColouredRun{21, 5, colours::ErrorLine}));
}

// Lines end at LF, CR LF or a lone CR: every form gives the same lines, none is read as one long
// line with a break inside.
TEST_F(LineCheckTest, FormatSplitsLinesTheSameWayWhateverTheirBreaks) {
    const QString expected =
        QStringLiteral("MAIN      START     \n          RET       \n          END       \n");
    for (const QString& text :
         {QStringLiteral("main start\n ret\n end"), QStringLiteral("main start\r\n ret\r\n end\r\n"),
          QStringLiteral("main start\r ret\r end\r"), QStringLiteral("main start\r\n ret\r end\n")}) {
        const FormattedText f = format(text);
        EXPECT_EQ(f.text, expected) << text.toStdString();
        EXPECT_EQ(f.runs, (QVector<ColouredRun>{{0, static_cast<int>(expected.size()), colours::Black}}));
    }
}

TEST_F(LineCheckTest, TemplateLineColours) {
    EXPECT_TRUE(TemplateLineRuns(QString()).isEmpty());
    EXPECT_EQ(TemplateLineRuns(QStringLiteral("; head")), (QVector<ColouredRun>{{0, 6, colours::Comment}}));
    EXPECT_EQ(TemplateLineRuns(QStringLiteral("MAIN START")),
              (QVector<ColouredRun>{{0, 10, colours::Black}}));
    EXPECT_EQ(TemplateLineRuns(QStringLiteral(" RET ; end ; x")),
              (QVector<ColouredRun>{{0, 5, colours::Black}, {5, 9, colours::Comment}}));
    // Only the first ";" counts, even inside a character constant.
    EXPECT_EQ(TemplateLineRuns(QStringLiteral("A DC ';'")),
              (QVector<ColouredRun>{{0, 6, colours::Black}, {6, 2, colours::Comment}}));
}

TEST_F(LineCheckTest, TabStopsAndTheTabRule) {
    const TabStops defaults = TabStopsFrom(settings);
    EXPECT_EQ(defaults.first, 10);
    EXPECT_EQ(defaults.second, 20);
    EXPECT_EQ(defaults.third, 40);
    settings.labelWidth = 8;
    settings.instructionWidth = 5;
    settings.operandWidth = 12;
    const TabStops narrow = TabStopsFrom(settings);
    EXPECT_EQ(narrow.second, 13);
    EXPECT_EQ(narrow.third, 25);

    struct Case {
        int column, blanks;
        bool toLineStart;
    };
    for (const Case& c : {Case{0, 10, false}, Case{9, 1, false}, Case{10, 10, false}, Case{19, 1, false},
                          Case{20, 20, false}, Case{39, 1, false}, Case{40, 0, true}, Case{45, 0, true}}) {
        const TabMove move = TabRule(c.column, defaults);
        EXPECT_EQ(move.blanks, c.blanks) << c.column;
        EXPECT_EQ(move.toLineStart, c.toLineStart) << c.column;
    }
}

}  // namespace
}  // namespace kv
