#pragma once
// The source line parser: decides whether one line of CASL II source is empty, a comment or a
// statement; splits a statement into label, instruction and operands; checks every field; encodes
// the register fields of the first word; and formats the line in columns. It reads the instruction
// table and the settings and changes nothing: what the line would write at the location counter
// (its first words, its label references, the words DS reserves) comes back in the parsed line, and
// the assembler's code generation applies it. The editor's line check and format call it the same
// way, so checking a line in the editor never touches the machine.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <array>
#include <cstdint>
#include <optional>

#include "assembler/AssemblyState.h"
#include "machine/ErrorState.h"

namespace kv {

class InstructionTable;
struct Settings;

// Result classes of one line.
enum class LineClass {
    Statement = 0,
    Comment = 1,
    LabelError = 2,
    InstructionError = 3,
    OperandError = 4,
    Empty = 9,
    Fatal = 999,  // the line cannot be placed (DS past the end of the area): the assembly ends
};

// What the parser reads: the instruction table, the column widths, where the line's words would go,
// and how many label references the current program holds already (a program holds at most 200).
struct ParseContext {
    const InstructionTable& table;
    const Settings& settings;
    std::int32_t location;  // the location counter: the address of the line's first word
    std::int32_t userStart, userEnd;
    int referencesHeld = 0;
};

struct ParsedLine {
    QString line;  // on success the formatted line (without the comment); else the normalised line
    QString label;
    QString instruction;
    int instructionNumber = 0;  // 1..37
    int form = 0;               // 1 or 2
    QStringList operands;       // after extraction; for DC every constant
    QString joinedOperands;     // joined with ","
    QString comment;            // trimmed; empty when none
    LineClass resultClass = LineClass::Empty;
    ErrorState error;           // the code the line leaves; None for a statement, comment or empty line

    // What the line writes at the location counter L. Trying the operand forms clears the word at L
    // and makes L and L + 1 instruction words; the first word holds the register fields and, once a
    // form fits, the instruction's code (a rejected line keeps what its last form wrote). An address
    // constant goes into L + 1; a label operand becomes a reference to L + 1, kept only when a form
    // fits; DS reserves dsWords words from L.
    bool operandsTried = false;
    std::int32_t firstWord = 0;
    std::optional<std::int32_t> addressWord;
    int dsWords = -1;
    QVector<NamedAddress> references;
    std::array<bool, 8> usedRegisters{};

    int operandCount() const { return operands.size(); }
    // The full formatted statement: the formatted line followed by the comment.
    QString statement() const { return line + comment; }
};

// The whole check of one line (without its line break). A rejected line keeps the fields found
// before the error.
ParsedLine ParseSourceLine(const ParseContext& context, const QString& line);

// One operand taken off the front of an operand text.
struct ExtractedOperand {
    int status = 0;          // 0 an operand was taken; 8 the text is a comment; 9 no text (error 147)
    QString operand;         // may be empty when the text begins with ","
    QString comment;         // what follows the operand when no "," separates it, trimmed
    bool separated = false;  // a "," followed the operand: another operand is expected
    QStringView rest;        // the text after that ",", a view into the text given
};

// Takes one address or constant off the front of the text. The operand ends at a blank or a ","
// outside a character constant ("''" inside one is a quote), or at the end of the text.
ExtractedOperand ExtractOperand(QStringView text, ErrorState& error);

// Kinds of address operands.
enum class AddressKind { Decimal, Hex, Label, DecimalLiteral, HexLiteral, CharLiteral, Error };

// Checks an address operand and returns its kind. The value of a decimal or hexadecimal constant
// becomes the line's address word; a label becomes a reference to L + 1 (error 331 when the program
// would hold more than 200 references). A literal is checked only. Errors go into the line.
AddressKind ClassifyAddress(const ParseContext& context, ParsedLine& line, const QString& operand);

// The operand field of the instruction at the given position: tries form 1, then form 2, and
// fills the operands, joined operands, comment, form, result class (Statement when a form fits) and
// what the line writes.
void ParseOperands(const ParseContext& context, QStringView operandText, int instructionNumber, ParsedLine& line);

}  // namespace kv
