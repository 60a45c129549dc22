// The operand field: taking operands off the text, classifying addresses, and trying the forms of
// an instruction one after the other.

#include "assembler/AssemblyState.h"
#include "assembler/OperandForms.h"
#include "assembler/SourceElements.h"
#include "assembler/SourceLineParser.h"
#include "machine/InstructionTable.h"

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
AddressKind ClassifyLiteral(QStringView constant, ErrorState& error) {
    std::int32_t value = 0;
    switch (StartOf(constant)) {
        case Start::Decimal:
            return ParseDecimalConstant(constant, value, error) == 0 ? AddressKind::DecimalLiteral : AddressKind::Error;
        case Start::Hex:
            return ParseHexConstant(constant, value, error) == 0 ? AddressKind::HexLiteral : AddressKind::Error;
        case Start::Character:
            return CheckCharConstant(constant, error) == 0 ? AddressKind::CharLiteral : AddressKind::Error;
        default: return AddressKind::Error;
    }
}

// A reference to the word after the first, counted against the program's 200.
bool AddReference(const ParseContext& context, ParsedLine& line, const QString& label) {
    if (context.referencesHeld + line.references.size() >= AssemblyState::kReferences) {
        line.error.raise(ErrorCode::TooManyLabels);
        return false;
    }
    line.references.push_back({label, context.location + 1});
    return true;
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

AddressKind ClassifyAddress(const ParseContext& context, ParsedLine& line, const QString& operand) {
    ErrorState& error = line.error;
    std::int32_t value = 0;
    switch (StartOf(operand)) {
        case Start::Decimal:
            if (ParseDecimalConstant(operand, value, error) != 0) return AddressKind::Error;
            line.addressWord = value;
            return AddressKind::Decimal;
        case Start::Hex:
            if (ParseHexConstant(operand, value, error) != 0) return AddressKind::Error;
            line.addressWord = value;
            return AddressKind::Hex;
        case Start::Label:
            if (CheckOperandLabel(operand, error) != 0) return AddressKind::Error;
            if (!AddReference(context, line, operand)) return AddressKind::Error;
            return AddressKind::Label;
        case Start::Literal: return ClassifyLiteral(QStringView(operand).mid(1), error);
        default: return AddressKind::Error;
    }
}

// Every attempt begins on a cleared first word; the last attempt's word is what the line writes.
void ParseOperands(const ParseContext& context, QStringView operandText, int instructionNumber, ParsedLine& line) {
    const QStringView field = TrimBlanks(operandText);
    for (int alternative = 1; alternative <= 2; ++alternative) {
        const FormGrammar grammar = GrammarOf(context.table.FormOf(instructionNumber, alternative));
        if (grammar == nullptr) break;
        line.operandsTried = true;
        FormAttempt attempt{context, line, field, {}, {}};
        const bool fits = grammar(attempt);
        line.firstWord = attempt.firstWord;
        if (fits) {
            line.firstWord += context.table.CodeOf(instructionNumber, alternative);
            line.error.clear();  // an earlier form's complaint no longer applies
            line.form = alternative;
            line.operands = attempt.operands;
            line.joinedOperands = attempt.operands.join(QLatin1Char(','));
            line.comment = attempt.comment;
            line.resultClass = LineClass::Statement;
            return;
        }
        if (line.error.code == ErrorCode::NoRoomForCode) {
            line.resultClass = LineClass::Fatal;
            return;
        }
        if (HasPeriod(field)) line.error.raise(ErrorCode::PeriodInOperand);
    }
    // A rejected line generates no code: a reference into its words would later be filled in
    // over whatever statement takes its place.
    line.references.clear();
    line.resultClass = LineClass::OperandError;
    if (!line.error.isSet()) line.error.raise(ErrorCode::OperandInvalid);
}

}  // namespace kv
