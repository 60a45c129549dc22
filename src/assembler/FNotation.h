#pragma once
// The F-notation of an instruction: a register-transfer text such as GR1←GR1＋M(DATA) that spells
// out what the instruction does and whether it sets the flag register.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kv {

class Boxes;

// The text for a machine instruction by its first word (register fields included) and its operands
// as written. A first word that matches no instruction is reported as an internal fault ("F式表記")
// and gives the empty text.
QString FNotation(std::int32_t firstWord, const QStringList& operands, Boxes& host);

// The texts the assembler gives its own instructions and the macros, by instruction number
// (START, END, DC, DS: empty).
QString FNotationOfAssemblerInstruction(int instructionNumber, const QStringList& operands);

}  // namespace kv
