// The pieces the operand forms share: the first character of a constant, the splitting of the
// operand field, and the table of form grammars.

#include "assembler/AssemblyState.h"
#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "assembler/OperandForms.h"

namespace kv {

Start StartOf(QStringView text) {
    if (text.isEmpty()) return Start::Other;
    const QChar first = text[0];
    if (CharClass(first) == CharacterClass::Digit || first == QLatin1Char('+') || first == QLatin1Char('-')) return Start::Decimal;
    if (CharClass(first) == CharacterClass::Letter) return Start::Label;
    if (first == QLatin1Char('#')) return Start::Hex;
    if (first == QLatin1Char('\'')) return Start::Character;
    if (first == QLatin1Char('=')) return Start::Literal;
    return Start::Other;
}

bool HasPeriod(QStringView field) {
    bool inside = false;
    for (QChar c : field) {
        if (c == QLatin1Char('\'')) inside = !inside;
        else if (inside) continue;
        else if (c == QLatin1Char(';')) return false;
        else if (c == QLatin1Char('.')) return true;
    }
    return false;
}

Split SplitAt(QStringView text, QChar stop) {
    const qsizetype at = text.indexOf(stop);
    if (at < 0) return {text, QStringView(), false};
    return {text.left(at), TrimBlanksLeft(text.mid(at + 1)), true};
}

bool FormAttempt::fail(ErrorCode code) {
    line.error.raise(code);
    return false;
}

bool FormAttempt::present(QStringView operand) {
    if (!operand.isEmpty() && operand[0] != QLatin1Char(';')) return true;
    return fail(ErrorCode::OperandMissing);
}

ErrorState& FormAttempt::error() { return line.error; }

std::array<bool, 8>& FormAttempt::usedRegisters() { return line.usedRegisters; }

FormGrammar GrammarOf(OperandForm form) {
    switch (form) {
        case OperandForm::RR: return form::RR;
        case OperandForm::RAX: return form::RAX;
        case OperandForm::AX: return form::AX;
        case OperandForm::R: return form::R;
        case OperandForm::NON: return form::NON;
        case OperandForm::LL: return form::LL;
        case OperandForm::COPY: return form::COPY;
        case OperandForm::START: return form::START;
        case OperandForm::END: return form::END;
        case OperandForm::DS: return form::DS;
        case OperandForm::DC: return form::DC;
        case OperandForm::None: break;
    }
    return nullptr;
}

}  // namespace kv
