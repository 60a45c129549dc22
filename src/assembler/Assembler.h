#pragma once
// The assembler: turns the whole source text into COMET II words in the user area, one line at a
// time, one program (START ... END) after another. At each END the program's literal pool is
// generated and its labels resolved; names it does not define are left to the linker. Progress and
// errors go to the message pane; the colours of the source lines, the listing lines and the label
// list are left in the assembly state.

#include <QString>

namespace kv {

class InstructionTable;
struct Settings;
struct MachineState;
struct AssemblyState;
struct ErrorState;
class Host;

struct AssembleContext {
    const InstructionTable& table;
    const Settings& settings;
    MachineState& machine;
    AssemblyState& assembly;
    ErrorState& error;
    Host& host;
};

// Assembly results: success, failure (grammar errors or a fatal error), a fatal DS overflow.
enum class AssembleResult { Success = 0, Failure = 9, DsOverflow = 999 };

AssembleResult Assemble(AssembleContext& context, const QString& source);

}  // namespace kv
