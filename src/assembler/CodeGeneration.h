#pragma once
// The words the assembler writes itself: the IN, OUT, RPUSH and RPOP expansions, DC constants, the
// references of COPY, and the literal pool at the end of each program.

#include <QString>
#include <QVector>
#include <cstdint>

#include "machine/ErrorState.h"

namespace kv {

struct AssembleContext;
struct AssemblyState;
struct MachineState;
struct ParsedLine;

// Writes what the parser found the line at the location means: the cleared first word and the two
// instruction words, the address constant, the words DS reserves (the initial value, free), the
// first word, the label references and the registers used. Words outside the machine are skipped.
void PlaceParsedLine(const ParsedLine& line, std::int32_t location, MachineState& machine, AssemblyState& assembly);

class CodeGenerator {
public:
    explicit CodeGenerator(AssembleContext& context) : c_(context) {}

    // How many words the statement occupies.
    int wordCount(const ParsedLine& parsed) const;
    // Writes what the parser did not write and advances the location counter. False with the
    // error code set (307 no room, 331 too many references).
    bool generate(const ParsedLine& parsed);
    // The literal pool of the program that ends: one DC line per literal, in the order of first use.
    bool literalPool();
    // The F-notation of the statement that starts at the address.
    QString fNotation(const ParsedLine& parsed, std::int32_t address) const;

private:
    struct Word {
        std::int32_t value = 0;
        QString label;  // a DC label operand: filled in when the reference is resolved
    };
    QVector<Word> constantWords(const QString& constant) const;
    bool constants(const QStringList& operands);
    bool expansion(std::uint16_t firstKind, const QVector<std::int32_t>& words);
    bool fail(ErrorCode code);

    AssembleContext& c_;
};

}  // namespace kv
