// The trace record writes every word itself, straight into its text: each notation must come out as
// the word formats of the panels give it, for every value a word can hold; and a flag register that
// cannot arise is reported before the record is written.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "simulator/Trace.h"

namespace kv::testing {
namespace {

TEST(TraceWords, EveryValueInEveryNotationAsTheWordFormatsShowIt) {
    MachineState machine;
    machine.ResetForRun();
    machine.PR = 0x8000;
    AssemblyState assembly;
    RecordingHost host;
    TraceOptions options;
    options.effectiveAddress = options.frBits = options.frJapanese = options.stackPointer = false;
    options.registers[3] = true;
    QString line;
    for (int form = notation::Binary; form <= notation::Character; ++form) {
        options.registerNotation[3] = form;
        for (std::int32_t value = 0; value <= 0xFFFF; ++value) {
            machine.GR[3] = value;
            TraceLine(line, options, machine, assembly, host);
            QString word;
            switch (form) {
                case notation::Binary: word = FormatBinaryWord(value); break;
                case notation::Signed: word = FormatSignedWord(value); break;
                case notation::Unsigned: word = FormatUnsignedWord(value); break;
                case notation::Hex: word = FormatHexWord(value); break;
                default: word = FormatCharWord(value) + QLatin1Char(' '); break;
            }
            ASSERT_EQ(line, QStringLiteral("#8000 ") + word + QStringLiteral(" \n")) << form << " " << value;
        }
    }
    EXPECT_TRUE(host.boxes.isEmpty());
}

TEST(TraceWords, FlagsThatCannotAriseAreReportedFirst) {
    MachineState machine;
    machine.ResetForRun();
    AssemblyState assembly;
    RecordingHost host;
    TraceOptions options;
    machine.OF = '0';
    machine.SF = machine.ZF = '1';
    EXPECT_TRUE(TraceLineReportsFault(options, machine));
    QString text = QStringLiteral("earlier records\n");
    AppendTraceLine(text, options, machine, assembly, host);
    EXPECT_EQ(text, QStringLiteral("earlier records\n#8000       011() #9000  #E000   \n"));
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_TRUE(host.boxes[0].text.startsWith(QStringLiteral("FR日本語1")));

    options.frJapanese = false;
    EXPECT_FALSE(TraceLineReportsFault(options, machine));
    machine.OF = machine.SF = machine.ZF = '?';
    options.frJapanese = true;
    EXPECT_FALSE(TraceLineReportsFault(options, machine));
}

}  // namespace
}  // namespace kv::testing
