// Find and replace over the source text: counts, positions, colours, the final line break, case,
// line breaks in the texts, and counts far beyond 16 bits.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "editor/FindReplace.h"
#include "editor/LoopSlice.h"

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kv {

static void PrintTo(const TextRange& range, std::ostream* os) {
    *os << "{" << range.start << ", " << range.length << "}";
}

namespace {

class FindReplaceTest : public ::testing::Test {
  protected:
    testing::RecordingHost host;
    LoopSlice slice{host};

    QVector<TextRange> find(const QString& text, const QString& search) {
        return FindAll(text, search, slice);
    }
    ReplacedText replace(const QString& text, const QString& search, const QString& with) {
        return ReplaceAll(text, search, with, slice);
    }
};

TEST_F(FindReplaceTest, FindCountsAndPlacesEveryOccurrence) {
    struct Case {
        QString text, search;
        QVector<TextRange> found;
    };
    const QVector<Case> cases{
        // The search goes on right after an occurrence: no overlaps.
        {"AAAA", "AA", {{0, 2}, {2, 2}}},
        {"AAA", "AA", {{0, 2}}},
        // Comments are searched like the rest.
        {"LOOP      LD        GR1,A               ;LD again\n", "LD", {{10, 2}, {41, 2}}},
        // Case counts.
        {"          LD        GR1,A\n", "ld", {}},
        {"          LD        GR1,A\n", "Ld", {}},
        {"          LD        GR1,A\n", "LD", {{10, 2}}},
        // Not there, or nothing to look for.
        {"ABC", "X", {}},
        {"ABC", "", {}},
        {"", "A", {}},
        // A search over a line break finds it whatever form the text's breaks take.
        {"A\nB\nA\nB", "A\nB", {{0, 3}, {4, 3}}},
        {"A\nB", "A\r\nB", {{0, 3}}},
        {"A\r\nB", "A\nB", {{0, 4}}},
        {"A\rB\r\n", "\n", {{1, 1}, {3, 2}}},
        {"X+Y.Z\nX+Y.Z", "Z\nX+", {{4, 4}}},
    };
    for (const Case& c : cases) EXPECT_EQ(find(c.text, c.search), c.found) << c.text.toStdString();
}

TEST_F(FindReplaceTest, ReplaceCountsAndColoursTheReplacements) {
    const ReplacedText r = replace("LOOP LD GR1,A ;LD\n RET\n", "LD", "ST");
    EXPECT_EQ(r.count, 2);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.text, "LOOP ST GR1,A ;ST\n RET\n");
    // Everything black, the comment too, except the replacements.
    const QVector<ColouredRun> runs{{0, 5, colours::Black},
                                    {5, 2, colours::Mark},
                                    {7, 8, colours::Black},
                                    {15, 2, colours::Mark},
                                    {17, 6, colours::Black}};
    EXPECT_EQ(r.runs, runs);
}

TEST_F(FindReplaceTest, ReplaceEdgeCases) {
    struct Case {
        QString text, search, with;
        qsizetype count;
        bool changed;
        QString result;
    };
    const QVector<Case> cases{
        // A replacement holding the search text replaces once.
        {"X", "X", "XX", 1, true, "XX\n"},
        {"XX\nX", "X", "XXX", 3, true, "XXXXXX\nXXX\n"},
        // The text always ends with a line break after a replace, never with two.
        {"A\nB", "A", "C", 1, true, "C\nB\n"},
        {"A\nB\n", "B", "C", 1, true, "A\nC\n"},
        // Not found, empty search, empty replacement, empty text: the text stays as it was.
        {"A\nB", "Z", "C", 0, false, ""},
        {"A\nB", "", "C", 0, false, ""},
        {"A\nB", "A", "", 0, false, ""},
        {"", "A", "B", 0, false, ""},
        // Case counts.
        {"LD GR1,A", "ld", "ST", 0, false, ""},
        // Line breaks in the texts: lines split the same way whatever their breaks.
        {"A\r\nB\r\n", "A", "C", 1, true, "C\nB\n"},
        {"A\rB", "B", "C", 1, true, "A\nC\n"},
        {"A\nB\nA\nB", "A\r\nB", "AB", 2, true, "AB\nAB\n"},
        {"A,B", ",", "\r\n", 1, true, "A\nB\n"},
        {"A\nB\n", "\n", "+", 2, true, "A+B+\n"},
        {"AAAA", "AA", "A", 2, true, "AA\n"},
    };
    for (const Case& c : cases) {
        const ReplacedText r = replace(c.text, c.search, c.with);
        EXPECT_EQ(r.count, c.count) << c.text.toStdString() << " / " << c.search.toStdString();
        EXPECT_EQ(r.changed, c.changed) << c.text.toStdString();
        EXPECT_EQ(r.text, c.result) << c.text.toStdString();
    }
}

// No 16-bit counter: forty thousand occurrences are all found and replaced, and the loops let
// events run per time slice, never per occurrence.
TEST_F(FindReplaceTest, CountsBeyondSixteenBits) {
    QString text;
    for (int i = 0; i < 4000; ++i) text += QStringLiteral(" LD GR1,A ;A A A A A A A A A\n");
    EXPECT_EQ(find(text, "A").size(), 40000);
    const ReplacedText r = replace(text, "A", "B");
    EXPECT_EQ(r.count, 40000);
    EXPECT_EQ(r.text.count(QLatin1Char('B')), 40000);
    EXPECT_EQ(r.text.count(QLatin1Char('A')), 0);
    EXPECT_EQ(r.runs.size(), 80001);
    EXPECT_LE(host.eventRuns, 80000 / LoopSlice::kStepsPerClockReading);
}

}  // namespace
}  // namespace kv
