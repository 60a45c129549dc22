#pragma once
// The table procedures of the assembler. Each returns 0, or 9 with the error code set when a table
// is full or a name is taken.

#include <QString>
#include <cstdint>

namespace kv {

struct AssemblyState;
struct ErrorState;

int AddReference(AssemblyState& assembly, ErrorState& error, const QString& name, std::int32_t address);
int AddExternalReference(AssemblyState& assembly, ErrorState& error, const QString& name, std::int32_t address);
// Defines the name at the location counter.
int DefineLabel(AssemblyState& assembly, ErrorState& error, const QString& name);
int AddProgram(AssemblyState& assembly, ErrorState& error, const QString& name);
// Returns the number of the new line (1-based), or 0 when 500 lines are held (error 335).
int AddListingLine(AssemblyState& assembly, ErrorState& error, std::uint32_t colour, std::int32_t address,
                   const QString& text, int words);
// Appends the literal (without "=") unless the same text is already there.
void AddLiteral(AssemblyState& assembly, const QString& text);

}  // namespace kv
