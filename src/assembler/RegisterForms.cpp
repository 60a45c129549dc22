// The forms of the machine instructions: two registers (RR), register and address with an
// optional index register (RAX), address with an optional index register (AX), one register (R).

#include "assembler/SourceElements.h"
#include "assembler/SourceLineParser.h"
#include "assembler/OperandForms.h"

namespace kv {

namespace {

// A general register operand; with digitShorthand "0" to "7" stand for GR0 to GR7. The operand
// is kept in its register form.
bool TakeRegister(FormAttempt& attempt, QStringView text, bool digitShorthand, int& reg) {
    const QString trimmed = TrimBlanksRight(text).toString();
    const QString name = digitShorthand ? DigitToRegister(trimmed) : trimmed;
    if (!attempt.present(name)) return false;
    if (CheckGeneralRegister(name, reg, attempt.usedRegisters(), attempt.error()) != 0) return false;
    attempt.operands.append(name);
    return true;
}

// The address operand: checked and classified, which keeps its value or its reference in the line.
bool TakeAddress(FormAttempt& attempt, const ExtractedOperand& adr) {
    if (adr.status == 9 || !attempt.present(adr.operand)) return false;
    if (ClassifyAddress(attempt.context, attempt.line, adr.operand) == AddressKind::Error) return false;
    attempt.operands.append(adr.operand);
    return true;
}

// The optional index register after the address, up to the next blank; what follows it, or the
// address when no "," comes next, is the comment.
bool TakeIndex(FormAttempt& attempt, const ExtractedOperand& adr) {
    if (!adr.separated) {
        attempt.comment = adr.comment;
        return true;
    }
    const Split index = SplitAt(TrimBlanksLeft(adr.rest), QLatin1Char(' '));
    const QString name = DigitToRegister(index.field.toString());
    int x = 0;
    if (!attempt.present(name)) return false;
    if (CheckIndexRegister(name, x, attempt.usedRegisters(), attempt.error()) != 0) return false;
    attempt.firstWord += x;
    attempt.operands.append(name);
    attempt.comment = TrimBlanks(index.rest).toString();
    return true;
}

}  // namespace

namespace form {

bool RR(FormAttempt& attempt) {
    if (HasPeriod(attempt.field)) return attempt.fail(ErrorCode::PeriodInOperand);
    const Split first = SplitAt(attempt.field, QLatin1Char(','));
    if (!first.found) return attempt.fail(ErrorCode::OperandMissing);
    int r1 = 0;
    if (!TakeRegister(attempt, first.field, true, r1)) return false;
    attempt.firstWord = r1 * 16;
    const Split second = SplitAt(first.rest, QLatin1Char(' '));
    int r2 = 0;
    if (!TakeRegister(attempt, second.field, false, r2)) return false;
    attempt.firstWord += r2;
    attempt.comment = TrimBlanks(second.rest).toString();
    return true;
}

bool RAX(FormAttempt& attempt) {
    const Split first = SplitAt(attempt.field, QLatin1Char(','));
    if (!first.found) return attempt.fail(ErrorCode::OperandMissing);
    int r = 0;
    if (!TakeRegister(attempt, first.field, true, r)) return false;
    attempt.firstWord = r * 16;
    const ExtractedOperand adr = ExtractOperand(first.rest, attempt.error());
    return TakeAddress(attempt, adr) && TakeIndex(attempt, adr);
}

bool AX(FormAttempt& attempt) {
    const ExtractedOperand adr = ExtractOperand(attempt.field, attempt.error());
    return TakeAddress(attempt, adr) && TakeIndex(attempt, adr);
}

bool R(FormAttempt& attempt) {
    const Split operand = SplitAt(attempt.field, QLatin1Char(' '));
    int r = 0;
    if (!TakeRegister(attempt, operand.field, true, r)) return false;
    attempt.firstWord = r * 16;
    attempt.comment = TrimBlanks(operand.rest).toString();
    return true;
}

}  // namespace form

}  // namespace kv
