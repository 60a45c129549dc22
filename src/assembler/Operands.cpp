// The operand field: taking operands off the text, classifying addresses, and trying the forms of
// an instruction one after the other.

#include "assembler/AssemblyState.h"
#include "assembler/SourceElements.h"
#include "assembler/AssemblyTables.h"
#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "assembler/OperandForms.h"
#include "machine/InstructionTable.h"
#include "machine/MachineState.h"

namespace kv {

namespace {

const QChar kQuote = QLatin1Char('\'');

// Where the operand at the front of the text ends: at a blank or "," outside a character
// constant, or at the end of the text. Inside a constant "''" is a quote and does not close it.
qsizetype OperandEnd(QStringView text) {
    bool inside = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == kQuote) {
            if (!inside) inside = true;
            else if (i + 1 < text.size() && text[i + 1] == kQuote) ++i;
            else inside = false;
        } else if (!inside && (c == QLatin1Char(' ') || c == QLatin1Char(','))) {
            return i;
        }
    }
    return text.size();
}

// A literal: the constant after the "=" is checked like an address constant or a character one.
int ClassifyLiteral(QStringView constant, ErrorState& error) {
    std::int32_t value = 0;
    switch (StartOf(constant)) {
        case Start::Decimal:
            return ParseDecimalConstant(constant, value, error) == 0 ? address::DecimalLiteral : address::Error;
        case Start::Hex: return ParseHexConstant(constant, value, error) == 0 ? address::HexLiteral : address::Error;
        case Start::Character: return CheckCharConstant(constant, error) == 0 ? address::CharLiteral : address::Error;
        default: return address::Error;
    }
}

// Before each attempt the first word is cleared and the two words at L become instruction words.
void BeginAttempt(MachineState& machine, std::int64_t location) {
    StoreWord(machine, location, 0);
    StoreKind(machine, location, kind::Instruction);
    StoreKind(machine, location + 1, kind::Instruction);
}

}  // namespace

ExtractedOperand ExtractOperand(QStringView text, ErrorState& error) {
    ExtractedOperand result;
    const QStringView trimmed = TrimBlanks(text);
    if (trimmed.isEmpty()) {
        error.raise(ErrorCode::OperandMissing);
        result.status = 9;
        return result;
    }
    if (trimmed[0] == QLatin1Char(';')) {
        result.comment = trimmed.toString();
        result.status = 8;
        return result;
    }
    const qsizetype end = OperandEnd(trimmed);
    result.operand = trimmed.left(end).toString();
    const QStringView after = TrimBlanksLeft(trimmed.mid(end));
    if (after.startsWith(QLatin1Char(','))) {
        result.separated = true;
        result.rest = after.mid(1);
    } else {
        result.comment = after.toString();
    }
    return result;
}

int ClassifyAddress(ParseContext& context, const QString& operand) {
    ErrorState& error = context.error;
    const std::int64_t next = std::int64_t{context.assembly.locationCounter} + 1;
    std::int32_t value = 0;
    switch (StartOf(operand)) {
        case Start::Decimal:
            if (ParseDecimalConstant(operand, value, error) != 0) return address::Error;
            StoreWord(context.machine, next, value);
            return address::Decimal;
        case Start::Hex:
            if (ParseHexConstant(operand, value, error) != 0) return address::Error;
            StoreWord(context.machine, next, value);
            return address::Hex;
        case Start::Label:
            if (CheckOperandLabel(operand, error) != 0) return address::Error;
            if (AddReference(context.assembly, error, operand, static_cast<std::int32_t>(next)) != 0)
                return address::Error;
            return address::Label;
        case Start::Literal: return ClassifyLiteral(QStringView(operand).mid(1), error);
        default: return address::Error;
    }
}

void ParseOperands(ParseContext& context, QStringView operandText, int instructionNumber, ParsedLine& line) {
    const QStringView field = TrimBlanks(operandText);
    const std::int64_t location = context.assembly.locationCounter;
    const qsizetype referencesBefore = context.assembly.references.size();
    for (int alternative = 1; alternative <= 2; ++alternative) {
        const FormGrammar grammar = GrammarOf(context.table.FormOf(instructionNumber, alternative));
        if (grammar == nullptr) break;
        BeginAttempt(context.machine, location);
        FormAttempt attempt{context, field, {}, {}};
        if (grammar(attempt)) {
            StoreWord(context.machine, location,
                      WordAt(context.machine, location) + context.table.CodeOf(instructionNumber, alternative));
            context.error.clear();  // an earlier form's complaint no longer applies
            line.form = alternative;
            line.operands = attempt.operands;
            line.joinedOperands = attempt.operands.join(QLatin1Char(','));
            line.comment = attempt.comment;
            line.resultClass = lineclass::Statement;
            return;
        }
        if (context.error.code == ErrorCode::NoRoomForCode) {
            line.resultClass = lineclass::Fatal;
            return;
        }
        if (HasPeriod(field)) context.error.raise(ErrorCode::PeriodInOperand);
    }
    // A rejected line generates no code: a reference into its words would later be filled in
    // over whatever statement takes its place.
    context.assembly.references.resize(referencesBefore);
    line.resultClass = lineclass::OperandError;
    if (!context.error.isSet()) context.error.raise(ErrorCode::OperandInvalid);
}

}  // namespace kv
