#pragma once
// The trace: one record per executed instruction in the console, under a heading that names the
// columns. Which columns appear is chosen in the trace options window; eleven of the options are
// kept in the settings file, the others last while the workbench runs.

#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

namespace kv {

struct AssemblyState;
struct MachineState;
struct TraceSettings;
class Boxes;

// Word notations of the register and memory columns (the index of their lists).
namespace notation {
inline constexpr int Binary = 0, Signed = 1, Unsigned = 2, Hex = 3, Character = 4;
}

// Memory words traced: first to last address, both in the user area.
struct MemoryRange {
    std::int32_t first = 0, last = 0;
    friend bool operator==(MemoryRange a, MemoryRange b) { return a.first == b.first && a.last == b.last; }
};

struct TraceOptions {
    static constexpr int kMaxMemoryWords = 10;

    bool nextAddress = false;       // CheckPR: "→PR" column
    bool effectiveAddress = true;   // CheckEA: "EA" column
    bool contentsOfEA = false;      // CheckMEA: "M(EA)" column
    bool frBits = true;             // CheckFR3: FR as 3 bits
    bool frJapanese = true;         // CheckFRN: FR in Japanese
    bool stackPointer = true;       // CheckSP: "SP" column
    bool topStack = true;           // CheckMSP: the top stack words (only with the SP column)
    int stackWords = 1;             // ComboSP: 1 to 3 top stack words (its list index + 1)
    bool programLine = false;       // CheckPROG: source text of the listing line
    bool fNotation = false;         // CheckFK: F-notation of the listing line
    bool showWindow = true;         // CheckFlg: show the options window before each trace
    std::array<bool, 8> registers{};  // Check1(i): GRi traced; set when run mode is entered
    std::array<int, 8> registerNotation{notation::Hex, notation::Hex, notation::Hex, notation::Hex,
                                        notation::Hex, notation::Hex, notation::Hex, notation::Hex};
    QVector<MemoryRange> memoryRanges;  // from memoryText, at most kMaxMemoryWords words in all
    QString memoryText;                 // TextADR as accepted
    int memoryNotation = notation::Hex;  // ComboADR

    // The eleven persistent options from the settings file; out-of-range values read as their
    // nearest valid value. The other options stay as they are.
    void load(const TraceSettings& stored);
    // The eleven persistent options, in the order of the settings file.
    TraceSettings stored() const;
};

// The heading line, ending with "\n".
QString TraceHeader(const TraceOptions& options);

// The record of the instruction just executed (PR is still its address; nextPR, EA and the
// registers are after execution), ending with "\n". line is cleared first and keeps its capacity,
// so a caller that reuses it builds each record without allocating.
void TraceLine(QString& line, const TraceOptions& options, const MachineState& machine,
               const AssemblyState& assembly, Boxes& host);
// The same record at the end of text, which collects the records of a run.
void AppendTraceLine(QString& text, const TraceOptions& options, const MachineState& machine,
                     const AssemblyState& assembly, Boxes& host);
// True when the record of the machine's state reports an internal fault through the host: its flag
// register cannot arise. A caller that collects records passes the ones before it on first.
bool TraceLineReportsFault(const TraceOptions& options, const MachineState& machine);

// The memory-address text of the options window ("#hhhh" items separated by "," with "-" for a
// range), checked against the user area. On success message is empty and ranges holds the words
// to trace; otherwise message is the text of the box titled title, and the window stays open.
struct TraceAddressCheck {
    QVector<MemoryRange> ranges;
    QString message;
    QString title;
    bool ok() const { return message.isEmpty(); }
};
TraceAddressCheck CheckTraceAddresses(const QString& text, const MachineState& machine);

}  // namespace kv
