#include "assembler/SourceElements.h"

#include "assembler/Catalogue.h"

namespace kv {

namespace {

const char16_t kFullWidth[] =
    u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ０１２３４５６７８９；，’＃＝－＋　";
const char kHalfWidth[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789;,'#=-+ ";

}  // namespace

QString ToHalfWidth(const QString& text) {
    static_assert(sizeof(kFullWidth) / sizeof(char16_t) == sizeof(kHalfWidth), "one half-width form each");
    QString result = text;
    for (QChar& c : result) {
        if (c == QLatin1Char('\t')) {
            c = QLatin1Char(' ');
            continue;
        }
        if (c.unicode() < 0x2000) continue;
        for (size_t i = 0; i + 1 < sizeof(kHalfWidth); ++i)
            if (c.unicode() == kFullWidth[i]) {
                c = QLatin1Char(kHalfWidth[i]);
                break;
            }
    }
    return result;
}

QString UpperOutsideQuotes(const QString& text) {
    QString result = text;
    bool inside = false;
    for (QChar& c : result) {
        if (c == QLatin1Char(';') && !inside) break;
        if (c == QLatin1Char('\'')) inside = !inside;
        else if (!inside && c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
    }
    return result;
}

CharacterClass CharClass(QChar c) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) return CharacterClass::Letter;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return CharacterClass::Digit;
    return CharacterClass::Other;
}

QString DigitToRegister(const QString& text) {
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('7'))
        return QStringLiteral("GR") + text;
    return text;
}

QStringView TrimBlanksLeft(QStringView text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' ')) ++first;
    return text.mid(first);
}

QStringView TrimBlanksRight(QStringView text) {
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == QLatin1Char(' ')) --length;
    return text.left(length);
}

QStringView TrimBlanks(QStringView text) { return TrimBlanksLeft(TrimBlanksRight(text)); }

namespace {

constexpr int kRejected = 9;

int Reject(ErrorState& error, ErrorCode code) {
    error.raise(code);
    return kRejected;
}

// 0 to 7 for "GR0" to "GR7"; -1 for any other text.
int RegisterNumber(QStringView text) {
    if (text.size() != 3 || !text.startsWith(QLatin1String("GR"))) return -1;
    const char16_t digit = text[2].unicode();
    return digit >= u'0' && digit <= u'7' ? digit - u'0' : -1;
}

// A letter A-Z followed by letters A-Z and digits 0-9.
bool IsLabelText(QStringView text) {
    if (text.isEmpty() || CharClass(text[0]) != CharacterClass::Letter) return false;
    for (QChar c : text.mid(1))
        if (CharClass(c) == CharacterClass::Other) return false;
    return true;
}

// The character check of decimal constants and counts (at most 6 characters of "0123456789+-"),
// then the number the text spells: an optional sign at the front and at least one digit; whatever
// follows the digits is not read ("1-2" spells 1).
bool ReadDecimal(QStringView text, std::int32_t& value) {
    if (text.isEmpty() || text.size() > 6) return false;
    for (QChar c : text)
        if (CharClass(c) != CharacterClass::Digit && c != QLatin1Char('+') && c != QLatin1Char('-')) return false;
    const bool hasSign = text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-');
    qsizetype i = hasSign ? 1 : 0;
    if (i >= text.size() || CharClass(text[i]) != CharacterClass::Digit) return false;
    std::int32_t number = 0;
    for (; i < text.size() && CharClass(text[i]) == CharacterClass::Digit; ++i) number = number * 10 + (text[i].unicode() - u'0');
    value = text[0] == QLatin1Char('-') ? -number : number;
    return true;
}

}  // namespace

int CheckGeneralRegister(QStringView text, int& reg, std::array<bool, 8>& used, ErrorState& error) {
    const QStringView name = TrimBlanksRight(text);
    if (name.size() != 3) return kRejected;
    if (name == QLatin1String("GRO")) return Reject(error, ErrorCode::LetterOForZero);
    const int number = RegisterNumber(name);
    if (number < 0) return Reject(error, ErrorCode::GeneralRegisterInvalid);
    used[number] = true;
    reg = number;
    return 0;
}

int CheckIndexRegister(QStringView text, int& reg, std::array<bool, 8>& used, ErrorState& error) {
    const QStringView name = TrimBlanksRight(text);
    if (name.size() != 3) return kRejected;
    if (name == QLatin1String("GRO")) return Reject(error, ErrorCode::LetterOInIndexRegister);
    const int number = RegisterNumber(name);
    if (number == 0) return Reject(error, ErrorCode::IndexRegisterZero);
    if (number < 0) return Reject(error, ErrorCode::IndexRegisterInvalid);
    used[number] = true;
    reg = number;
    return 0;
}

int CheckOperandLabel(QStringView text, ErrorState& error) {
    const QStringView label = TrimBlanks(text);
    int status = 0;
    if (label == QLatin1String("GRO")) status = Reject(error, ErrorCode::LetterOForZero);
    if (label.size() >= 9) status = Reject(error, ErrorCode::OperandLabelTooLong);
    if (RegisterNumber(label) >= 0) status = Reject(error, ErrorCode::RegisterAsAddress);
    if (!IsLabelText(label)) status = Reject(error, ErrorCode::OperandLabelBadCharacter);
    return status;
}

int ParseHexConstant(QStringView text, std::int32_t& value, ErrorState& error) {
    static const QString kDigits = QStringLiteral("0123456789ABCDEF");
    if (text.size() != 5 || text[0] != QLatin1Char('#')) return Reject(error, ErrorCode::HexConstantInvalid);
    std::int32_t number = 0;
    for (QChar c : text.mid(1)) {
        const qsizetype digit = kDigits.indexOf(c);
        if (digit < 0) return Reject(error, ErrorCode::HexConstantInvalid);
        number = number * 16 + static_cast<std::int32_t>(digit);
    }
    value = number;
    return 0;
}

int ParseDecimalConstant(QStringView text, std::int32_t& value, ErrorState& error) {
    std::int32_t number = 0;
    if (!ReadDecimal(text, number) || number < -32768 || number > 65535) return Reject(error, ErrorCode::DecimalConstantInvalid);
    value = number;
    return 0;
}

int ParseCount(QStringView text, std::int32_t& value, ErrorState& error) {
    std::int32_t number = 0;
    if (!ReadDecimal(text, number)) return Reject(error, ErrorCode::DecimalConstantInvalid);
    if (number < 0 || number > 65535) return kRejected;
    value = number;
    return 0;
}

int CheckCharConstant(QStringView text, ErrorState& error) {
    const QChar quote = QLatin1Char('\'');
    if (text.size() < 2 || text.front() != quote || text.back() != quote) return Reject(error, ErrorCode::CharConstantInvalid);
    const QStringView inner = text.mid(1, text.size() - 2);
    int status = 0;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] != quote) continue;
        if (i + 1 < inner.size() && inner[i + 1] == quote) ++i;
        else status = Reject(error, ErrorCode::CharConstantInvalid);
    }
    for (QChar c : inner)
        if (c.unicode() < u' ') return Reject(error, ErrorCode::CharConstantControlCharacter);
    return status;
}

}  // namespace kv
