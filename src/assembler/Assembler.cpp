#include "assembler/Assembler.h"

#include "assembler/AssemblyState.h"
#include "assembler/CodeGeneration.h"
#include "assembler/FNotation.h"
#include "assembler/SourceElements.h"
#include "assembler/AssemblyTables.h"
#include "assembler/Catalogue.h"
#include "assembler/SourceLineParser.h"
#include "machine/InstructionTable.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "settings/Settings.h"
#include "host/Host.h"

namespace kv {

namespace {

// Where the comment begins in the line as typed: it ends the line once trailing blanks are gone (the
// half-width forms keep every character's position). -1 without a comment.
int commentPosition(const QString& text, const QString& comment) {
    if (comment.isEmpty()) return -1;
    QString normalised = ToHalfWidth(text);
    while (normalised.endsWith(QLatin1Char(' '))) normalised.chop(1);
    return normalised.endsWith(comment, Qt::CaseInsensitive) ? normalised.size() - comment.size() : -1;
}

// One pass over the source. Each step returns false when an error ends the whole assembly; the
// error code is then set and fatal_ holds the result.
class Assembler {
public:
    explicit Assembler(AssembleContext& c) : c_(c), a_(c.assembly), m_(c.machine) {}

    AssembleResult run(const QString& source);

private:
    bool assembleLine(const QString& text);
    bool statement(const QString& text, const ParsedLine& parsed);
    bool literalReferences(const ParsedLine& parsed);
    bool startProgram(const ParsedLine& parsed);
    bool endProgram();
    bool resolveReferences();
    bool finish();
    bool addListingLine(std::uint32_t colour, std::int32_t address, const QString& text, int words);
    bool fail(ErrorCode code, AssembleResult result = AssembleResult::Failure);
    void colour(int start, int length, Rgb colour) { a_.colouring.push_back({lineNumber_ - 1, start, length, colour}); }
    void message(Rgb colour, const QString& text) { c_.host.appendMessage(colour, text); }

    AssembleContext& c_;
    AssemblyState& a_;
    MachineState& m_;
    CodeGenerator generator_{c_};
    AssembleResult result_ = AssembleResult::Success;
    AssembleResult fatal_ = AssembleResult::Failure;
    int lineNumber_ = 0;  // 1-based line of the source
};

AssembleResult Assembler::run(const QString& source) {
    a_ = AssemblyState();
    a_.locationCounter = m_.userStart;
    m_.entryAddress = m_.userStart;
    const QStringList lines = (source + QLatin1Char('\n')).split(QLatin1Char('\n'));
    bool ok = true;
    for (int i = 0; ok && i + 1 < lines.size(); ++i) {
        lineNumber_ = i + 1;
        ok = assembleLine(lines[i]);
        if ((i & 0xFF) == 0xFF) c_.host.letEventsRun();
    }
    if (ok && finish()) return result_;
    message(colours::Red, QStringLiteral("　重大エラー：") + ReportError(c_.error, c_.host, ReportStyle::Line));
    return fatal_;
}

bool Assembler::fail(ErrorCode code, AssembleResult result) {
    c_.error.raise(code);
    fatal_ = result;
    return false;
}

bool Assembler::addListingLine(std::uint32_t colour, std::int32_t address, const QString& text, int words) {
    const int number = AddListingLine(a_, c_.error, colour, address, text, words);
    if (number == 0) return fail(ErrorCode::ProgramTooLong);
    if (address >= 0 && m_.holds(address)) m_.lineOfAddress[address - m_.userStart] = number;
    return true;
}

bool Assembler::assembleLine(const QString& rawText) {
    if (a_.locationCounter > m_.userEnd) return fail(ErrorCode::NoRoomForCode);
    m_.wordKinds[a_.locationCounter - m_.userStart] = kind::Free;
    const QString text = rawText.endsWith(QLatin1Char('\r')) ? rawText.chopped(1) : rawText;
    const ParseContext context{c_.table, c_.settings, a_.locationCounter, m_.userStart, m_.userEnd,
                               static_cast<int>(a_.references.size())};
    const ParsedLine parsed = ParseSourceLine(context, text);
    c_.error.code = parsed.error.code;
    PlaceParsedLine(parsed, a_.locationCounter, m_, a_);
    switch (parsed.resultClass) {
        case LineClass::Empty: return true;
        case LineClass::Comment:
            colour(0, text.size(), colours::Comment);
            return addListingLine(kSourceLineColour, kNoAddress, parsed.line, 0);
        case LineClass::Fatal: return fail(c_.error.code, AssembleResult::DsOverflow);
        case LineClass::Statement: return statement(text, parsed);
        default:
            colour(0, text.size(), colours::ErrorLine);
            message(colours::Red, QStringLiteral("%1").arg(lineNumber_, 4) + QStringLiteral("行：") +
                                      ReportError(c_.error, c_.host, ReportStyle::Line));
            result_ = AssembleResult::Failure;
            return addListingLine(kSourceLineColour, kErrorLine, parsed.line, 0);
    }
}

bool Assembler::statement(const QString& text, const ParsedLine& parsed) {
    if (!literalReferences(parsed)) return false;

    const int commentStart = commentPosition(text, parsed.comment);
    colour(0, commentStart < 0 ? text.size() : commentStart, colours::Black);
    if (commentStart >= 0) colour(commentStart, parsed.comment.size(), colours::Comment);

    const int number = parsed.instructionNumber;
    if (number == op::START && a_.programOpen) return fail(ErrorCode::StartEndMismatch);
    if (!parsed.label.isEmpty() && number != op::START && DefineLabel(a_, c_.error, parsed.label) != 0)
        return fail(c_.error.code);
    if (number == op::START && !startProgram(parsed)) return false;
    if (number == op::END && !endProgram()) return false;

    const std::int32_t address = a_.locationCounter;
    const bool noCode = number == op::START || number == op::END;
    const int words = noCode ? 0 : generator_.wordCount(parsed);
    if (!addListingLine(kSourceLineColour, noCode ? kNoAddress : address, parsed.statement(), words)) return false;
    if (!generator_.generate(parsed)) return fail(c_.error.code);
    if (number == op::RET) a_.retSeen = true;
    a_.listing.last().fNotation = generator_.fNotation(parsed, address);
    return true;
}

bool Assembler::literalReferences(const ParsedLine& parsed) {
    for (int i = 0; i < 2 && i < parsed.operandCount(); ++i) {
        const QString& operand = parsed.operands[i];
        if (!operand.startsWith(QLatin1Char('='))) continue;
        if (AddReference(a_, c_.error, operand, a_.locationCounter + 1) != 0) return fail(c_.error.code);
        AddLiteral(a_, operand.mid(1));
    }
    return true;
}

bool Assembler::startProgram(const ParsedLine& parsed) {
    const QString& name = parsed.label;
    a_.labelList.push_back({QStringLiteral("●") + name + QStringLiteral("（") + HexWord(a_.locationCounter) +
                                QStringLiteral("）"),
                            a_.locationCounter});
    message(colours::Blue, QStringLiteral("【") + name + QStringLiteral("】のアセンブルを始めます。"));
    a_.programCount += 1;
    a_.labels.clear();
    a_.literals.clear();
    a_.references.clear();
    a_.retSeen = false;
    if (AddProgram(a_, c_.error, name) != 0) return fail(c_.error.code);
    a_.programOpen = true;
    if (parsed.operandCount() == 0) return true;
    if (a_.programCount == 1) {
        a_.startLabel = parsed.operands[0];
        return true;
    }
    c_.error.raise(ErrorCode::StartLabelNotFirstProgram);
    message(colours::Red, ReportError(c_.error, c_.host, ReportStyle::Line));
    message(colours::Green, QStringLiteral("（説明）オブジェクトレベルのリンク作業を行なわない『KavoraⅡ』の制限です。"));
    message(colours::Green, QStringLiteral("　STARTの実行開始番地に指定されたラベルを無視します。"));
    message(colours::Green, QStringLiteral("　STARTの次の行に「JUMP　実行開始ラベル」と入力すれば回避できます。"));
    return true;
}

bool Assembler::endProgram() {
    if (!a_.programOpen) return fail(ErrorCode::EndWithoutStart);
    message(colours::Black, QStringLiteral("　プログラム内のラベルを、実アドレスに変換します。"));
    a_.programOpen = false;
    if (!generator_.literalPool()) return fail(c_.error.code);
    for (const NamedAddress& label : a_.labels)
        a_.labelList.push_back({QStringLiteral("　") + label.name + QStringLiteral("（") + HexWord(label.address) +
                                    QStringLiteral("）"),
                                label.address});
    if (!resolveReferences()) return false;
    if (a_.programCount == 1 && !a_.startLabel.isEmpty()) {
        const NamedAddress* found = FindName(a_.labels, a_.startLabel);
        if (found == nullptr) return fail(ErrorCode::StartLabelNotFound);
        m_.entryAddress = found->address;
    }
    if (!a_.retSeen) {
        message(colours::Olive, QStringLiteral("　警告！　このプログラムには、RETがありません。"));
        message(colours::Olive, QStringLiteral("　文法上は可能ですので続行しますが、通常、RETの入力忘れです。"));
        message(colours::Olive, QStringLiteral("　RETのないプログラムを実行すると、予想できないエラーが発生します。"));
    }
    return true;
}

// Each reference takes the address of the program's label of that name; the others go to the linker.
bool Assembler::resolveReferences() {
    for (const NamedAddress& reference : a_.references) {
        const NamedAddress* found = FindName(a_.labels, reference.name);
        if (found == nullptr) {
            if (AddExternalReference(a_, c_.error, reference.name, reference.address) != 0) return fail(c_.error.code);
        } else if (m_.inArea(reference.address)) {
            m_.word(reference.address) = found->address;
        }
    }
    return true;
}

bool Assembler::finish() {
    if (a_.programOpen) return fail(ErrorCode::StartWithoutEnd);
    if (a_.locationCounter == m_.userStart) return fail(ErrorCode::NoProgram);
    const int last = std::min(a_.locationCounter - m_.userStart, MachineState::kWords - 1);
    for (int i = 0; i <= last; ++i)
        if (m_.memory[i] >= -32768 && m_.memory[i] <= -1) m_.memory[i] += 65536;
    return true;
}

}  // namespace

AssembleResult Assemble(AssembleContext& context, const QString& source) { return Assembler(context).run(source); }

}  // namespace kv
