// The forms of the assembler and macro instructions and of COPY: no operand (NON), two labels
// (LL), two labels and a count (COPY), START, END, DS and DC.

#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
#include "assembler/AssemblyState.h"
#include "assembler/SourceLineParser.h"
#include "assembler/OperandForms.h"

namespace kv {

namespace {

bool TakeLabel(FormAttempt& attempt, QStringView text) {
    const QStringView label = TrimBlanks(text);
    if (!attempt.present(label) || CheckOperandLabel(label, attempt.error()) != 0) return false;
    attempt.operands.append(label.toString());
    return true;
}

// A field that is empty or only a comment.
bool TakeOnlyComment(FormAttempt& attempt) {
    if (!attempt.field.isEmpty() && attempt.field[0] != QLatin1Char(';')) return false;
    attempt.comment = attempt.field.toString();
    return true;
}

// One DC constant, by its first character.
bool CheckConstant(QStringView constant, ErrorState& error) {
    std::int32_t value = 0;
    switch (StartOf(constant)) {
        case Start::Decimal: return ParseDecimalConstant(constant, value, error) == 0;
        case Start::Hex: return ParseHexConstant(constant, value, error) == 0;
        case Start::Label: return CheckOperandLabel(constant, error) == 0;
        case Start::Character: return CheckCharConstant(constant, error) == 0;
        default: error.raise(ErrorCode::ConstantBadCharacter); return false;
    }
}

}  // namespace

namespace form {

bool NON(FormAttempt& attempt) { return TakeOnlyComment(attempt); }

bool LL(FormAttempt& attempt) {
    if (HasPeriod(attempt.field)) return attempt.fail(ErrorCode::PeriodInOperand);
    const Split first = SplitAt(attempt.field, QLatin1Char(','));
    if (!first.found) return attempt.fail(ErrorCode::OperandMissing);
    if (!TakeLabel(attempt, first.field)) return false;
    const Split second = SplitAt(first.rest, QLatin1Char(' '));
    if (!TakeLabel(attempt, second.field)) return false;
    attempt.comment = TrimBlanks(second.rest).toString();
    return true;
}

bool COPY(FormAttempt& attempt) {
    const Split first = SplitAt(attempt.field, QLatin1Char(','));
    if (!first.found) return attempt.fail(ErrorCode::OperandMissing);
    if (!TakeLabel(attempt, first.field)) return false;
    const Split second = SplitAt(first.rest, QLatin1Char(','));
    if (!second.found) return attempt.fail(ErrorCode::OperandMissing);
    if (!TakeLabel(attempt, second.field)) return false;
    const Split third = SplitAt(second.rest, QLatin1Char(' '));
    std::int32_t count = 0;
    if (!attempt.present(third.field) || ParseCount(third.field, count, attempt.error()) != 0) return false;
    if (count > 255) return false;
    attempt.firstWord |= count;
    attempt.operands.append(third.field.toString());
    attempt.comment = TrimBlanks(third.rest).toString();
    return true;
}

bool START(FormAttempt& attempt) {
    if (TakeOnlyComment(attempt)) return true;
    const Split label = SplitAt(attempt.field, QLatin1Char(' '));
    if (CheckOperandLabel(label.field, attempt.error()) != 0) return attempt.fail(ErrorCode::StartLabelInvalid);
    attempt.operands.append(label.field.toString());
    attempt.comment = TrimBlanks(label.rest).toString();
    return true;
}

bool END(FormAttempt& attempt) { return TakeOnlyComment(attempt) || attempt.fail(ErrorCode::EndWithLabelOrOperand); }

// Reserves n words at the location counter (filled with the initial value when the line is
// applied), when they fit below the end of the user area.
bool DS(FormAttempt& attempt) {
    const Split operand = SplitAt(attempt.field, QLatin1Char(' '));
    std::int32_t n = 0;
    if (!attempt.present(operand.field) || ParseCount(operand.field, n, attempt.error()) != 0) return false;
    const ParseContext& c = attempt.context;
    const std::int64_t location = c.location;
    if (location < c.userStart || location + n >= c.userEnd) return attempt.fail(ErrorCode::NoRoomForCode);
    attempt.line.dsWords = n;
    attempt.operands.append(operand.field.toString());
    attempt.comment = TrimBlanks(operand.rest).toString();
    return true;
}

// Constants one after another while each is accepted and a "," announces the next.
bool DC(FormAttempt& attempt) {
    QStringView text = attempt.field;
    for (bool first = true;; first = false) {
        const ExtractedOperand constant = ExtractOperand(text, attempt.error());
        if (constant.status != 0) return attempt.fail(first ? ErrorCode::OperandMissing : ErrorCode::ConstantBadCharacter);
        if (!CheckConstant(constant.operand, attempt.error())) return false;
        attempt.operands.append(constant.operand);
        if (!constant.separated) {
            attempt.comment = constant.comment;
            return true;
        }
        text = constant.rest;
    }
}

}  // namespace form

}  // namespace kv
