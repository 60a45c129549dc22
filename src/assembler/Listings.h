#pragma once
// The three listings of the last assembly as plain text, one line per listing line, each line ending
// in "\n": the assembly list (addresses, machine words and source), the address list and the
// F-notation list.

#include <QString>

namespace kv {

struct AssemblyState;
struct MachineState;

// Builds the assembly list; also stores every line's 6-character address prefix, which the other
// two listings reuse, so it must be built first after an assembly.
QString BuildAssemblyList(AssemblyState& assembly, const MachineState& machine);
QString BuildAddressList(const AssemblyState& assembly);
QString BuildFNotationList(const AssemblyState& assembly);

}  // namespace kv
