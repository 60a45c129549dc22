// The source line parser: normalising the line, the label and instruction fields, and the
// formatted line. The operand field is parsed by ParseOperands.

#include "assembler/SourceLineParser.h"

#include <algorithm>

#include "assembler/SourceElements.h"
#include "assembler/Catalogue.h"
#include "machine/InstructionTable.h"
#include "settings/Settings.h"

namespace kv {

namespace {

// The label field checks; every failing check sets its code, the last one wins.
bool CheckLabelField(QStringView label, ErrorState& error) {
    bool accepted = true;
    if (label.size() >= 9) {
        error.raise(ErrorCode::LabelTooLong);
        accepted = false;
    }
    const QString framed = QLatin1Char('_') + label.toString() + QLatin1Char('_');
    if (QStringLiteral("_GR0_GR1_GR2_GR3_GR4_GR5_GR6_GR7_").contains(framed)) {
        error.raise(ErrorCode::LabelIsRegister);
        accepted = false;
    }
    for (QChar c : label.mid(1))
        if (CharClass(c) == CharacterClass::Other) {
            error.raise(ErrorCode::LabelBadCharacter);
            accepted = false;
            break;
        }
    return accepted;
}

// A column: the text padded with blanks to the width, and never without a blank after it, so
// that the formatted line reads back as the same fields.
QString Column(const QString& text, int width) {
    return text.leftJustified(std::max<qsizetype>(width, text.size() + 1), QLatin1Char(' '));
}

QString FormattedLine(const ParsedLine& parsed, const Settings& settings) {
    QString line = Column(parsed.label, settings.labelWidth) + Column(parsed.instruction, settings.instructionWidth);
    if (parsed.comment.isEmpty()) return line + parsed.joinedOperands;
    return line + Column(parsed.joinedOperands, settings.operandWidth);
}

ParsedLine CommentLine(ParsedLine parsed) {
    parsed.resultClass = LineClass::Comment;
    return parsed;
}

ParsedLine Rejected(ParsedLine parsed, ErrorCode code, LineClass resultClass) {
    parsed.error.raise(code);
    parsed.resultClass = resultClass;
    return parsed;
}

}  // namespace

ParsedLine ParseSourceLine(const ParseContext& context, const QString& text) {
    ParsedLine parsed;
    parsed.line = TrimBlanksRight(ToHalfWidth(text)).toString();
    const QString work = UpperOutsideQuotes(parsed.line) + QLatin1Char(' ');
    if (work.size() <= 1) return parsed;

    // The label field: the first character decides.
    QStringView rest;
    const QChar first = work[0];
    if (first == QLatin1Char(';')) return CommentLine(parsed);
    if (first == QLatin1Char(' ')) {
        rest = TrimBlanksLeft(work);
        if (rest.startsWith(QLatin1Char(';'))) return CommentLine(parsed);
    } else if (CharClass(first) == CharacterClass::Letter) {
        const qsizetype end = work.indexOf(QLatin1Char(' '));  // the appended blank at the latest
        parsed.label = work.left(end);
        if (!CheckLabelField(parsed.label, parsed.error)) {
            parsed.resultClass = LineClass::LabelError;
            return parsed;
        }
        rest = TrimBlanksLeft(QStringView(work).mid(end));
    } else {
        return Rejected(parsed, ErrorCode::LabelBadCharacter, LineClass::LabelError);
    }

    // The instruction field; a ";" right after the label starts a comment, not an instruction.
    const qsizetype end = rest.indexOf(QLatin1Char(' '));
    const QStringView mnemonic = rest.left(end);
    if (mnemonic.isEmpty() || mnemonic.startsWith(QLatin1Char(';')))
        return Rejected(parsed, ErrorCode::InstructionMissing, LineClass::InstructionError);
    if (mnemonic.size() > 5) return Rejected(parsed, ErrorCode::InstructionInvalid, LineClass::InstructionError);
    parsed.instructionNumber = context.table.FindMnemonic(mnemonic.toString());
    if (parsed.instructionNumber == 0) return Rejected(parsed, ErrorCode::InstructionInvalid, LineClass::InstructionError);
    parsed.instruction = mnemonic.toString();
    if (parsed.instructionNumber == op::START && parsed.label.isEmpty())
        return Rejected(parsed, ErrorCode::StartWithoutLabel, LineClass::LabelError);
    if (parsed.instructionNumber == op::END && !parsed.label.isEmpty())
        return Rejected(parsed, ErrorCode::EndWithLabelOrOperand, LineClass::LabelError);

    ParseOperands(context, rest.mid(end), parsed.instructionNumber, parsed);
    if (parsed.resultClass == LineClass::Statement) parsed.line = FormattedLine(parsed, context.settings);
    return parsed;
}

}  // namespace kv
