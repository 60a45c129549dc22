#pragma once
// The operand grammar of each operand form and the small pieces the forms share.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>

#include "machine/ErrorState.h"
#include "machine/InstructionTable.h"

namespace kv {

struct ParseContext;
struct ParsedLine;
struct ExtractedOperand;

// What the first character of a constant or address makes of it.
enum class Start { Decimal, Hex, Label, Character, Literal, Other };
Start StartOf(QStringView text);

// A "." in the operand field, outside character constants and before a comment begun with ";".
bool HasPeriod(QStringView field);

// The text up to the first stop character and the text after it, left-trimmed.
struct Split {
    QStringView field;
    QStringView rest;
    bool found = false;
};
Split SplitAt(QStringView text, QChar stop);

// One attempt at an operand form: the trimmed operand field and what the attempt produced. The
// line collects what every attempt leaves behind (errors, used registers, the address word).
struct FormAttempt {
    const ParseContext& context;
    ParsedLine& line;
    QStringView field;
    QStringList operands;
    QString comment;
    std::int32_t firstWord = 0;  // the register fields and counts; the code is added when the form fits

    // Sets the error code; always false, for "return fail(code)".
    bool fail(ErrorCode code);
    // True for an operand that is there: not empty and not the start of a comment; else error 147.
    bool present(QStringView operand);
    ErrorState& error();
    std::array<bool, 8>& usedRegisters();
};

// The grammars of the operand forms, by form name.
namespace form {
bool RR(FormAttempt& attempt);
bool RAX(FormAttempt& attempt);
bool AX(FormAttempt& attempt);
bool R(FormAttempt& attempt);
bool NON(FormAttempt& attempt);
bool LL(FormAttempt& attempt);
bool COPY(FormAttempt& attempt);
bool START(FormAttempt& attempt);
bool END(FormAttempt& attempt);
bool DS(FormAttempt& attempt);
bool DC(FormAttempt& attempt);
}  // namespace form

// The grammar of one form: true when the operand field fits it, false with the error code set
// where the grammar has one.
using FormGrammar = bool (*)(FormAttempt&);
// The grammar of a form; nullptr for None.
FormGrammar GrammarOf(OperandForm form);

}  // namespace kv
