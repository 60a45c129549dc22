#pragma once
// The source line parser: decides whether one line of CASL II source is empty, a comment or a
// statement; splits a statement into label, instruction and operands; checks every field; encodes
// the register fields of the first word at the location counter; and formats the line in columns.
// The assembler calls it for every line, the editor for its line check and for formatting.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

namespace kv {

class InstructionTable;
struct Settings;
struct MachineState;
struct AssemblyState;
struct ErrorState;

// Result classes of one line.
namespace lineclass {
inline constexpr int Statement = 0, Comment = 1, LabelError = 2, InstructionError = 3, OperandError = 4,
                     Empty = 9, Fatal = 999;
}

// What the parser reads and changes: the instruction table (the DS entry's length), the column
// widths, the words at the location counter, the current program's reference list and the used
// registers, and the error code.
struct ParseContext {
    InstructionTable& table;
    const Settings& settings;
    MachineState& machine;
    AssemblyState& assembly;
    ErrorState& error;
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
    int resultClass = lineclass::Empty;

    int operandCount() const { return operands.size(); }
    // The full formatted statement: the formatted line followed by the comment.
    QString statement() const { return line + comment; }
};

// The whole check of one line (without its line break). Resets the error code on entry; an error
// leaves its code in the error state. A rejected line keeps the fields found before the error.
ParsedLine ParseSourceLine(ParseContext& context, const QString& line);

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
namespace address {
inline constexpr int Decimal = 0, Hex = 1, Label = 2, DecimalLiteral = 3, HexLiteral = 4, CharLiteral = 5,
                     Error = 9;
}

// Checks an address operand and returns its kind. The value of a decimal or hexadecimal constant
// goes into the word after the location counter; a label is recorded as a reference to that word
// (error 331 when the program holds 200 references). A literal is checked only.
int ClassifyAddress(ParseContext& context, const QString& operand);

// The operand field of the instruction at the given position: tries form 1, then form 2, and
// fills the operands, joined operands, comment, form and result class (0 when a form fits).
void ParseOperands(ParseContext& context, QStringView operandText, int instructionNumber, ParsedLine& line);

}  // namespace kv
