// The pieces the operand forms share: guarded access to the words at the location counter, the
// splitting of the operand field, and the table of form grammars.

#include "assembler/AssemblyState.h"
#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "assembler/OperandForms.h"
#include "machine/MachineState.h"

namespace kv {

std::int32_t WordAt(const MachineState& machine, std::int64_t address) {
    return machine.holds(address) ? machine.memory[address - machine.userStart] : 0;
}

void StoreWord(MachineState& machine, std::int64_t address, std::int32_t value) {
    if (machine.holds(address)) machine.memory[address - machine.userStart] = value;
}

void StoreKind(MachineState& machine, std::int64_t address, std::uint16_t kind) {
    if (machine.holds(address)) machine.wordKinds[address - machine.userStart] = kind;
}

Start StartOf(QStringView text) {
    if (text.isEmpty()) return Start::Other;
    const QChar first = text[0];
    if (CharClass(first) == 12 || first == QLatin1Char('+') || first == QLatin1Char('-')) return Start::Decimal;
    if (CharClass(first) == 11) return Start::Label;
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

bool FormAttempt::fail(std::int32_t code) {
    context.error.raise(code);
    return false;
}

bool FormAttempt::present(QStringView operand) {
    if (!operand.isEmpty() && operand[0] != QLatin1Char(';')) return true;
    return fail(147);
}

std::array<bool, 8>& FormAttempt::usedRegisters() { return context.assembly.usedRegisters; }

std::int32_t FormAttempt::firstWord() const { return WordAt(context.machine, context.assembly.locationCounter); }

void FormAttempt::setFirstWord(std::int32_t value) {
    StoreWord(context.machine, context.assembly.locationCounter, value);
}

FormGrammar GrammarOf(const QString& name) {
    struct Entry {
        const char* name;
        FormGrammar grammar;
    };
    static const Entry kGrammars[] = {
        {"RR", form::RR},     {"RAX", form::RAX},     {"AX", form::AX},   {"R", form::R},
        {"NON", form::NON},   {"LL", form::LL},       {"COPY", form::COPY}, {"START", form::START},
        {"END", form::END},   {"DS", form::DS},       {"DC", form::DC},
    };
    for (const Entry& entry : kGrammars)
        if (name == QLatin1String(entry.name)) return entry.grammar;
    return nullptr;
}

}  // namespace kv
