// The old-CASL conversion: the mnemonic map, the conversion of single lines in both comment modes,
// a whole old program converted and formatted as the workbench does it, and the line break forms.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "editor/LineCheck.h"
#include "editor/LoopSlice.h"
#include "editor/OldCaslConversion.h"
#include "workbench/AssembleCommand.h"
#include "workbench/Session.h"

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kv {
namespace {

const QString kMarker = QString::fromUtf16(kConversionMarker);
const QString kOld = QString::fromUtf16(kOldLinePrefix);

class OldCaslConversionTest : public ::testing::Test {
  protected:
    Session session;
    testing::RecordingHost host;
    LineChecker checker{session.table, session.settings};

    QString convert(const QString& text, ConversionComments comments = ConversionComments::Shown) {
        LoopSlice slice(host);
        return ConvertOldCasl(text, BuildOldMnemonicMap(), comments, slice);
    }
    // The conversion followed by the format, as the menu command and kavora2-cli run them.
    QString convertAndFormat(const QString& text, ConversionComments comments) {
        return FormatAndCheckAll(checker, convert(text, comments), {}).text;
    }
};

TEST_F(OldCaslConversionTest, TheMapHoldsSevenEntriesInSearchOrder) {
    const OldMnemonicMap map = BuildOldMnemonicMap();
    ASSERT_EQ(map.count, 7);
    const QStringList olds{"EXIT ", "LEA ", "ADD ", "SUB ", "JMP ", "JPZ ", "EOR "};
    const QStringList news{"RET ", "LAD ", "ADDA ", "SUBA ", "JUMP ", "JPL ", "XOR "};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(map.entries[i].oldText, olds[i]);
        EXPECT_EQ(map.entries[i].newText, news[i]);
        EXPECT_EQ(map.entries[i].firstText, i == 5 ? QStringLiteral("JZE ") : QString());
    }
    for (int i = 7; i < 10; ++i) EXPECT_TRUE(map.entries[i].oldText.isEmpty());
}

TEST_F(OldCaslConversionTest, EveryOldMnemonicInBothModes) {
    struct Case {
        QString line;
        QStringList converted;  // the converted lines, without the marker
    };
    const QVector<Case> cases{
        {" EXIT", {" RET "}},
        {"FIN EXIT", {"FIN RET "}},
        {" LEA GR1,0", {" LAD GR1,0"}},
        {" ADD GR1,DATA", {" ADDA GR1,DATA"}},
        {" SUB GR1,ONE,GR2", {" SUBA GR1,ONE,GR2"}},
        {" JMP LOOP", {" JUMP LOOP"}},
        {" EOR GR3,MASK", {" XOR GR3,MASK"}},
        {" JPZ NEXT", {" JZE NEXT", " JPL NEXT"}},
    };
    for (const Case& c : cases) {
        QString shown, quiet;
        for (const QString& line : c.converted) {
            shown += line + kMarker + "\n";
            quiet += line + "\n";
        }
        EXPECT_EQ(convert(c.line), shown + kOld + c.line + "\n") << c.line.toStdString();
        EXPECT_EQ(convert(c.line, ConversionComments::None), quiet + "\n") << c.line.toStdString();
    }
}

TEST_F(OldCaslConversionTest, EdgeCasesOfTheSearch) {
    const QVector<QPair<QString, QString>> cases{
        // Only a whole mnemonic followed by a blank matches; case counts.
        {" ADDA GR1,A", " ADDA GR1,A\n"},
        {" SUBA GR1,A", " SUBA GR1,A\n"},
        {" add GR1,A", " add GR1,A\n"},
        {" EXITS", " EXITS\n"},
        // The search covers the whole line: the comment too.
        {" RET ;EXIT here", " RET ;RET here" + kMarker + "\n" + kOld + " RET ;EXIT here\n"},
        // Two old mnemonics: only the first in map order is converted (EXIT comes before LEA).
        {" LEA GR1,0 ;EXIT soon", " LEA GR1,0 ;RET soon" + kMarker + "\n" + kOld + " LEA GR1,0 ;EXIT soon\n"},
        {" SUB GR1,A ;ADD later",
         " SUB GR1,A ;ADDA later" + kMarker + "\n" + kOld + " SUB GR1,A ;ADD later\n"},
        // Tabs and full-width characters are made half-width first; the case stays as typed.
        {"\tＬＥＡ\tgr1，０", " LAD gr1,0" + kMarker + "\n" + kOld + " LEA gr1,0\n"},
        {"　ＥＸＩＴ", " RET " + kMarker + "\n" + kOld + " EXIT\n"},
        {"", ""},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(convert(line), expected) << line.toStdString();
}

// A labelled JPZ gives the label to the JZE line only; the JPL line keeps the columns with blanks.
// Elsewhere on a line JPZ is converted in place and the line stays one line.
TEST_F(OldCaslConversionTest, JpzSplitsOnlyAsTheInstructionAndTheLabelStaysOnTheFirstLine) {
    EXPECT_EQ(convert("LOOP JPZ NEXT ;go"), QStringLiteral("LOOP JZE NEXT ;go ;***　CASLⅡ変換　***\n"
                                                           "     JPL NEXT ;go ;***　CASLⅡ変換　***\n"
                                                           ";旧　LOOP JPZ NEXT ;go\n"));
    EXPECT_EQ(convert("LOOP      JPZ       NEXT", ConversionComments::None),
              "LOOP      JZE       NEXT\n"
              "          JPL       NEXT\n\n");
    EXPECT_EQ(convert("LOOP LD GR1,A ;JPZ below", ConversionComments::None), "LOOP LD GR1,A ;JPL below\n\n");
    EXPECT_EQ(convert(" LD GR1,JPZ ;x", ConversionComments::None), " LD GR1,JPL ;x\n\n");
    EXPECT_EQ(convert(";JPZ note", ConversionComments::None), ";JPL note\n\n");
    // A label named JPZ before a JPZ instruction: the instruction is split, the label kept.
    EXPECT_EQ(convert("JPZ JPZ X", ConversionComments::None), "JPZ JZE X\n    JPL X\n\n");
    // At the start of a line JPZ is a label, not the instruction.
    EXPECT_EQ(convert("JPZ LOOP", ConversionComments::None), "JPL LOOP\n\n");
}

TEST_F(OldCaslConversionTest, LinesEndTheSameWayWhateverTheirBreaks) {
    const QString expected = " LAD GR1,0\n\n RET \n\n";
    EXPECT_EQ(convert(" LEA GR1,0\n EXIT", ConversionComments::None), expected);
    EXPECT_EQ(convert(" LEA GR1,0\r\n EXIT\r\n", ConversionComments::None), expected);
    EXPECT_EQ(convert(" LEA GR1,0\r EXIT\r", ConversionComments::None), expected);
    // A break at the very end starts no further line; inner empty lines stay.
    EXPECT_EQ(convert("A\n\nB\n"), "A\n\nB\n");
    EXPECT_EQ(convert("\r\n"), "\n");
}

TEST_F(OldCaslConversionTest, TheSliceTellsWhereEachLineBeganAndDoesNotRunEventsPerLine) {
    QString text;
    for (int i = 0; i < 3000; ++i) text += " LEA GR1,0\n";
    QVector<qsizetype> positions;
    LoopSlice slice(host, [&positions](qsizetype position) { positions.push_back(position); });
    const QString converted = ConvertOldCasl(text, BuildOldMnemonicMap(), ConversionComments::None, slice);
    EXPECT_EQ(converted.count(QStringLiteral(" LAD GR1,0\n\n")), 3000);
    EXPECT_LE(host.eventRuns, 3000 / LoopSlice::kStepsPerClockReading);
    EXPECT_EQ(positions.size(), host.eventRuns);
    for (qsizetype position : positions) EXPECT_EQ(position % 11, 0);
}

// An old program with tabs, a full-width line, comments and every kind of conversion.
const QString kOldProgram = QStringLiteral(
    "; 1+2+...+10 を求める（旧CASL）\n"
    "MAIN\tSTART\n"
    "\tLEA\tGR1,0\t; 合計\n"
    "\tLEA\tGR2,10\n"
    "LOOP\tST\tGR2,CNT\n"
    "\tADD\tGR1,CNT\n"
    "\tSUB\tGR2,ONE\n"
    "AGAIN\tJPZ\tLOOP\n"
    "\tEOR\tGR1,MASK\n"
    "\tST\tGR1,SUM\t; 結果 (JPZ ではない)\n"
    "　ＬＤ　ＧＲ０，ＳＵＭ\n"
    "\tJMP\tFIN\n"
    "FIN\tEXIT\n"
    "\n"
    "ONE\tDC\t1\t; add 用の 1\n"
    "MASK\tDC\t#FFFF\n"
    "CNT\tDS\t1\n"
    "SUM\tDS\t1\n"
    "\tEND\n");

// After the format the marker's full-width blanks are half-width, like every comment's; the old
// lines are comment lines and stay as they were written.
TEST_F(OldCaslConversionTest, AnOldProgramWithCommentsShown) {
    const QString expected = QStringLiteral(
        "; 1+2+...+10 を求める（旧CASL）\n"
        "MAIN      START     \n"
        "          LAD       GR1,0               ; 合計 ;*** CASLⅡ変換 ***\n"
        ";旧　 LEA GR1,0 ; 合計\n"
        "          LAD       GR2,10              ;*** CASLⅡ変換 ***\n"
        ";旧　 LEA GR2,10\n"
        "LOOP      ST        GR2,CNT\n"
        "          ADDA      GR1,CNT             ;*** CASLⅡ変換 ***\n"
        ";旧　 ADD GR1,CNT\n"
        "          SUBA      GR2,ONE             ;*** CASLⅡ変換 ***\n"
        ";旧　 SUB GR2,ONE\n"
        "AGAIN     JZE       LOOP                ;*** CASLⅡ変換 ***\n"
        "          JPL       LOOP                ;*** CASLⅡ変換 ***\n"
        ";旧　AGAIN JPZ LOOP\n"
        "          XOR       GR1,MASK            ;*** CASLⅡ変換 ***\n"
        ";旧　 EOR GR1,MASK\n"
        "          ST        GR1,SUM             ; 結果 (JPL ではない) ;*** CASLⅡ変換 ***\n"
        ";旧　 ST GR1,SUM ; 結果 (JPZ ではない)\n"
        "          LD        GR0,SUM\n"
        "          JUMP      FIN                 ;*** CASLⅡ変換 ***\n"
        ";旧　 JMP FIN\n"
        "FIN       RET                           ;*** CASLⅡ変換 ***\n"
        ";旧　FIN EXIT\n"
        "ONE       DC        1                   ; add 用の 1\n"
        "MASK      DC        #FFFF\n"
        "CNT       DS        1\n"
        "SUM       DS        1\n"
        "          END       \n");
    EXPECT_EQ(convertAndFormat(kOldProgram, ConversionComments::Shown), expected);
}

TEST_F(OldCaslConversionTest, AnOldProgramWithoutComments) {
    const QString expected =
        "; 1+2+...+10 を求める（旧CASL）\n"
        "MAIN      START     \n"
        "          LAD       GR1,0               ; 合計\n"
        "          LAD       GR2,10\n"
        "LOOP      ST        GR2,CNT\n"
        "          ADDA      GR1,CNT\n"
        "          SUBA      GR2,ONE\n"
        "AGAIN     JZE       LOOP\n"
        "          JPL       LOOP\n"
        "          XOR       GR1,MASK\n"
        "          ST        GR1,SUM             ; 結果 (JPL ではない)\n"
        "          LD        GR0,SUM\n"
        "          JUMP      FIN\n"
        "FIN       RET       \n"
        "ONE       DC        1                   ; add 用の 1\n"
        "MASK      DC        #FFFF\n"
        "CNT       DS        1\n"
        "SUM       DS        1\n"
        "          END       \n";
    EXPECT_EQ(convertAndFormat(kOldProgram, ConversionComments::None), expected);
    // The same program with CR LF line ends converts to the same text.
    QString crlf = kOldProgram;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(convertAndFormat(crlf, ConversionComments::None), expected);
}

// The converted program assembles and links: no label is defined twice.
TEST_F(OldCaslConversionTest, TheConvertedProgramAssembles) {
    for (ConversionComments comments : {ConversionComments::Shown, ConversionComments::None}) {
        AssembleContext context{session.table,    session.settings, session.machine,
                                session.assembly, session.error,    host};
        const AssembleOutcome outcome = AssembleAndLink(context, convertAndFormat(kOldProgram, comments));
        EXPECT_TRUE(outcome.assembled);
        EXPECT_TRUE(outcome.linked);
    }
}

TEST_F(OldCaslConversionTest, TheSettingChoosesTheMode) {
    EXPECT_EQ(ConversionCommentsFrom(1), ConversionComments::Shown);
    EXPECT_EQ(ConversionCommentsFrom(0), ConversionComments::None);
}

}  // namespace
}  // namespace kv
