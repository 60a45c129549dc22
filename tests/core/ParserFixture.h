#pragma once
// A fresh instruction table, settings, machine, assembly and error state for every parser test. Each
// parse is placed into the machine and the assembly as the assembler places it, and its error code
// is left in the error state, so the helpers can read the words at the location counter.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>

#include "assembler/AssemblyState.h"
#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
#include "assembler/CodeGeneration.h"
#include "assembler/SourceLineParser.h"
#include "machine/InstructionTable.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kv::testing {

inline QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

class ParserTest : public ::testing::Test {
protected:
    // A pattern no form writes, to see which words a parse touched.
    static constexpr std::int32_t kUntouched = 0x5A5A;
    static constexpr std::uint16_t kUntouchedKind = kind::Constant;

    InstructionTable table;
    Settings settings;
    MachineState machine;
    AssemblyState assembly;
    ErrorState error;

    void SetUp() override {
        machine.memory.fill(kUntouched);
        machine.wordKinds.fill(kUntouchedKind);
    }

    // What the parser reads, for a line at the location counter.
    ParseContext context() const {
        return {table, settings, assembly.locationCounter, machine.userStart, machine.userEnd,
                static_cast<int>(assembly.references.size())};
    }
    // Places what a parse found, as the assembler does, and leaves its error code.
    void place(const ParsedLine& parsed) {
        PlaceParsedLine(parsed, assembly.locationCounter, machine, assembly);
        error.code = parsed.error.code;
    }

    ParsedLine parse(const QString& line) {
        const ParsedLine parsed = ParseSourceLine(context(), line);
        place(parsed);
        return parsed;
    }
    AddressKind classify(const QString& operand) {
        ParsedLine line;
        const AddressKind kind = ClassifyAddress(context(), line, operand);
        if (line.addressWord) machine.memory[assembly.locationCounter - machine.userStart + 1] = *line.addressWord;
        assembly.references += line.references;
        error.code = line.error.code;
        return kind;
    }
    void parseOperands(QStringView text, int instructionNumber, ParsedLine& line) {
        ParseOperands(context(), text, instructionNumber, line);
        place(line);
    }

    // The word and the kind at the location counter plus the offset.
    std::int32_t word(int offset = 0) const {
        return machine.memory[assembly.locationCounter - machine.userStart + offset];
    }
    std::uint16_t kindAt(int offset = 0) const {
        return machine.wordKinds[assembly.locationCounter - machine.userStart + offset];
    }

    // The line is rejected with the code in the result class.
    void expectRejected(const QString& line, std::int32_t code, LineClass resultClass = LineClass::OperandError) {
        const ParsedLine parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, resultClass) << line.toStdString();
        EXPECT_EQ(error.number(), code) << line.toStdString();
    }

    // The line is accepted with these operands.
    void expectAccepted(const QString& line, const QStringList& operands) {
        const ParsedLine parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, LineClass::Statement) << line.toStdString() << " code " << error.number();
        EXPECT_EQ(error.number(), 0) << line.toStdString();
        EXPECT_EQ(parsed.operands, operands) << line.toStdString();
    }
};

}  // namespace kv::testing
