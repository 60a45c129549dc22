#include "assembler/CodeGeneration.h"

#include "assembler/AssemblyState.h"
#include "assembler/FNotation.h"
#include "assembler/Assembler.h"
#include "assembler/SourceElements.h"
#include "assembler/AssemblyTables.h"
#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "host/Host.h"
#include "machine/CodePage932.h"
#include "machine/InstructionTable.h"
#include "machine/MachineState.h"
#include "settings/Settings.h"

namespace kv {

namespace {

// The characters between the quotes of a character constant, "''" standing for one quote.
QString characters(const QString& constant) {
    return constant.mid(1, constant.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
}

QVector<std::int32_t> expansionWords(int instruction) {
    switch (instruction) {
        case op::IN:
        case op::OUT:
            return {0x7001, 0, 0x7002, 0, 0x1210, 0, 0x1220, 0, 0xF000, instruction == op::IN ? 1 : 2, 0x7120, 0x7110};
        case op::RPUSH:
            return {0x7001, 0, 0x7002, 0, 0x7003, 0, 0x7004, 0, 0x7005, 0, 0x7006, 0, 0x7007, 0};
        default: return {0x7170, 0x7160, 0x7150, 0x7140, 0x7130, 0x7120, 0x7110};
    }
}

void storeWord(MachineState& machine, std::int64_t address, std::int32_t value) {
    if (machine.holds(address)) machine.memory[address - machine.userStart] = value;
}

void storeKind(MachineState& machine, std::int64_t address, std::uint16_t kind) {
    if (machine.holds(address)) machine.wordKinds[address - machine.userStart] = kind;
}

}  // namespace

void PlaceParsedLine(const ParsedLine& line, std::int32_t location, MachineState& machine, AssemblyState& assembly) {
    for (int r = 0; r < 8; ++r) assembly.usedRegisters[r] = assembly.usedRegisters[r] || line.usedRegisters[r];
    if (!line.operandsTried) return;
    const std::int64_t l = location;
    storeWord(machine, l, line.firstWord);
    storeKind(machine, l, kind::Instruction);
    storeKind(machine, l + 1, kind::Instruction);
    if (line.addressWord) storeWord(machine, l + 1, *line.addressWord);
    for (std::int64_t address = l; address < l + line.dsWords; ++address) {
        storeWord(machine, address, machine.grInitialValue);
        storeKind(machine, address, kind::Free);
    }
    assembly.references += line.references;
}

bool CodeGenerator::fail(ErrorCode code) {
    c_.error.raise(code);
    return false;
}

QVector<CodeGenerator::Word> CodeGenerator::constantWords(const QString& constant) const {
    QVector<Word> words;
    if (constant.startsWith(QLatin1Char('\''))) {
        const QString text = characters(constant);
        for (int i = 0; i < text.size(); ++i) {
            const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const int code = cp932::codeOf(text.mid(i, length));
            words.push_back({code < 0 ? '?' : code, QString()});
            i += length - 1;
        }
    } else if (constant.startsWith(QLatin1Char('#'))) {
        std::int32_t value = 0;
        ErrorState checked;  // the parser accepted the constant already
        ParseHexConstant(constant, value, checked);
        words.push_back({value, QString()});
    } else if (!constant.isEmpty() && constant[0] >= QLatin1Char('A') && constant[0] <= QLatin1Char('Z')) {
        words.push_back({0, constant});
    } else {
        std::int32_t value = 0;
        ErrorState checked;
        ParseDecimalConstant(constant, value, checked);
        words.push_back({value, QString()});
    }
    return words;
}

int CodeGenerator::wordCount(const ParsedLine& parsed) const {
    switch (parsed.instructionNumber) {
        case op::IN: case op::OUT: return 12;
        case op::RPUSH: return 14;
        case op::RPOP: return 7;
        case op::DS: return parsed.dsWords;
        case op::DC: {
            int count = 0;
            for (const QString& constant : parsed.operands) count += constantWords(constant).size();
            return count;
        }
        default: return c_.table.LengthOf(parsed.instructionNumber, parsed.form);
    }
}

bool CodeGenerator::generate(const ParsedLine& parsed) {
    AssemblyState& a = c_.assembly;
    const std::int32_t l = a.locationCounter;
    switch (parsed.instructionNumber) {
        case op::START: case op::END: return true;
        case op::IN: case op::OUT:
            if (a.references.size() + 2 > AssemblyState::kReferences) return fail(ErrorCode::TooManyLabels);
            if (!expansion(parsed.instructionNumber == op::IN ? kind::In : kind::Out,
                           expansionWords(parsed.instructionNumber)))
                return false;
            AddReference(a, c_.error, parsed.operands[0], l + 5);
            AddReference(a, c_.error, parsed.operands[1], l + 7);
            return true;
        case op::RPUSH: return expansion(kind::RPush, expansionWords(op::RPUSH));
        case op::RPOP: return expansion(kind::RPop, expansionWords(op::RPOP));
        case op::DC: return constants(parsed.operands);
        case op::DS: a.locationCounter += parsed.dsWords; return true;
        case op::COPY:
            if (AddReference(a, c_.error, parsed.operands[0], l + 1) != 0 ||
                AddReference(a, c_.error, parsed.operands[1], l + 2) != 0)
                return false;
            if (c_.machine.holds(l + 2)) c_.machine.wordKinds[l + 2 - c_.machine.userStart] = kind::Instruction;
            a.locationCounter += 3;
            return true;
        default:
            a.locationCounter += c_.table.LengthOf(parsed.instructionNumber, parsed.form);
            return true;
    }
}

// An expansion must end before the last word of the area.
bool CodeGenerator::expansion(std::uint16_t firstKind, const QVector<std::int32_t>& words) {
    MachineState& m = c_.machine;
    const std::int32_t l = c_.assembly.locationCounter;
    if (l + words.size() > m.userEnd) return fail(ErrorCode::NoRoomForCode);
    for (int i = 0; i < words.size(); ++i) {
        m.word(l + i) = words[i];
        m.wordKinds[l + i - m.userStart] = i == 0 ? firstKind : kind::Instruction;
    }
    c_.assembly.locationCounter += words.size();
    return true;
}

// DC words from the location counter up; a word that would pass the end of the area is refused.
bool CodeGenerator::constants(const QStringList& operands) {
    MachineState& m = c_.machine;
    AssemblyState& a = c_.assembly;
    for (const QString& constant : operands) {
        for (const Word& word : constantWords(constant)) {
            if (a.locationCounter > m.userEnd) return fail(ErrorCode::NoRoomForCode);
            if (!word.label.isEmpty() && AddReference(a, c_.error, word.label, a.locationCounter) != 0) return false;
            m.word(a.locationCounter) = word.value;
            m.wordKinds[a.locationCounter - m.userStart] = kind::Constant;
            a.locationCounter += 1;
        }
    }
    return true;
}

bool CodeGenerator::literalPool() {
    AssemblyState& a = c_.assembly;
    if (a.literals.isEmpty()) return true;
    if (AddListingLine(a, c_.error, kLiteralHeadingColour, kNoAddress, QStringLiteral(" ;***　リテラルのDC行自動生成　***"),
                       0) == 0)
        return false;
    const Settings& s = c_.settings;
    for (const QString& literal : a.literals) {
        const QString text = (QLatin1Char('=') + literal).leftJustified(8, QLatin1Char(' '), true) +
                             QString(s.labelWidth - 8, QLatin1Char(' ')) + QStringLiteral("DC") +
                             QString(s.instructionWidth - 2, QLatin1Char(' ')) + literal;
        const std::int32_t address = a.locationCounter;
        const int words = constantWords(literal).size();
        if (AddListingLine(a, c_.error, kSourceLineColour, address, text, words) == 0) return false;
        if (DefineLabel(a, c_.error, QLatin1Char('=') + literal) != 0) return false;
        if (!constants({literal})) return false;
    }
    return true;
}

QString CodeGenerator::fNotation(const ParsedLine& parsed, std::int32_t address) const {
    switch (parsed.instructionNumber) {
        case op::START: case op::END: case op::DS: case op::DC: case op::IN: case op::OUT: case op::RPUSH:
        case op::RPOP: case op::COPY:
            return FNotationOfAssemblerInstruction(parsed.instructionNumber, parsed.operands);
        default:
            return FNotation(c_.machine.inArea(address) ? c_.machine.word(address) & 0xFFFF : 0, parsed.operands,
                             c_.host);
    }
}

}  // namespace kv
