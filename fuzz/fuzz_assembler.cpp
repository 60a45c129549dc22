// Source texts for the parser, the assembler, the linker and the listings. The bytes are read either
// as raw text or as a sequence of CASL II tokens (mnemonics, registers, labels, constants, literals,
// quotes, separators, comments, full-width and Japanese characters, line breaks), so that most
// inputs reach deep into the grammar. Besides the sanitizers it checks that nothing is written into
// the spare words above the stack bottom, that the listing never exceeds its capacity, and that the
// error state is clear after every operation.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "RecordingHost.h"
#include "assembler/Listings.h"
#include "assembler/SourceLineParser.h"
#include "workbench/AssembleCommand.h"
#include "workbench/Session.h"

namespace {

const char* const kTokens[] = {
    "START", "END", "DS", "DC", "IN", "OUT", "LD", "ST", "LAD", "ADDA", "ADDL", "SUBA", "SUBL", "AND", "OR",
    "XOR", "CPA", "CPL", "SLA", "SRA", "SLL", "SRL", "JMI", "JNZ", "JZE", "JUMP", "JPL", "JOV", "PUSH", "POP",
    "CALL", "RET", "SVC", "NOP", "COPY", "RPUSH", "RPOP", "GR0", "GR1", "GR7", "GR8", "GRO", "1", "7", "0",
    "MAIN", "SUB", "LOOP", "DATA", "X", "ABCDEFGHI", "=", "#", "#FFFF", "#12", "-32768", "65535", "70000",
    "4094", "4095", "255", "256", "'", "''", "'A,B'", "=10", "='X'", "=#0001", ",", ",", " ", " ", "  ", "\t",
    ";", "; コメント", ".", "\n", "\n", "\n", "ＬＤ", "　", "ｱ", "あ", "\r", "-", "+", "\x01", "MAIN START",
    " RET\n END\n",
};
constexpr std::size_t kTokenCount = sizeof(kTokens) / sizeof(kTokens[0]);

QString sourceOf(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return QString();
    if (data[0] & 1) return QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    QString text;
    for (std::size_t i = 1; i < size; ++i) text += QString::fromUtf8(kTokens[data[i] % kTokenCount]);
    return text;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    kv::Session session;
    session.settings.userStart = (data[0] % 2) ? 0x8000 : 0x9000;
    session.settings.labelWidth = static_cast<std::int16_t>(8 + data[1] % 13);
    session.settings.instructionWidth = static_cast<std::int16_t>(5 + data[2] % 16);
    session.applySettings();
    constexpr std::int32_t kSentinel = 0x5A5A;
    for (int i = kv::MachineState::kAreaWords + 1; i < kv::MachineState::kWords; ++i)
        session.machine.memory[i] = kSentinel;

    const QString source = sourceOf(data + 3, size - 3);
    kv::testing::RecordingHost host;

    // The editor's check of every line on its own.
    const kv::ParseContext parse{session.table, session.settings, session.machine.userStart,
                                 session.machine.userStart, session.machine.userEnd, 0};
    for (const QString& line : source.split(QLatin1Char('\n'))) kv::ParseSourceLine(parse, line);

    // The assemble command as a whole.
    kv::AssembleContext context{session.table, session.settings, session.machine, session.assembly, session.error,
                                host};
    const kv::AssembleOutcome outcome = kv::AssembleAndLink(context, source);
    if (outcome.assembled) {
        kv::BuildAddressList(session.assembly);
        kv::BuildFNotationList(session.assembly);
    }
    check(session.error.number() == 0);
    check(session.assembly.listing.size() <= kv::AssemblyState::kListingLines);
    for (int i = kv::MachineState::kAreaWords + 1; i < kv::MachineState::kWords; ++i)
        check(session.machine.memory[i] == kSentinel);
    return 0;
}
