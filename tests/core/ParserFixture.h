#pragma once
// A fresh instruction table, settings, machine, assembly and error state for every parser test,
// with helpers that read the words at the location counter.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>

#include "assembler/AssemblyState.h"
#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
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
    ParseContext context{table, settings, machine, assembly, error};

    void SetUp() override {
        machine.memory.fill(kUntouched);
        machine.wordKinds.fill(kUntouchedKind);
    }

    ParsedLine parse(const QString& line) { return ParseSourceLine(context, line); }

    // The word and the kind at the location counter plus the offset.
    std::int32_t word(int offset = 0) const {
        return machine.memory[assembly.locationCounter - machine.userStart + offset];
    }
    std::uint16_t kindAt(int offset = 0) const {
        return machine.wordKinds[assembly.locationCounter - machine.userStart + offset];
    }

    // The line is rejected with the code in the result class.
    void expectRejected(const QString& line, std::int32_t code, int resultClass = lineclass::OperandError) {
        const ParsedLine parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, resultClass) << line.toStdString();
        EXPECT_EQ(error.number(), code) << line.toStdString();
    }

    // The line is accepted with these operands.
    void expectAccepted(const QString& line, const QStringList& operands) {
        const ParsedLine parsed = parse(line);
        EXPECT_EQ(parsed.resultClass, lineclass::Statement) << line.toStdString() << " code " << error.number();
        EXPECT_EQ(error.number(), 0) << line.toStdString();
        EXPECT_EQ(parsed.operands, operands) << line.toStdString();
    }
};

}  // namespace kv::testing
