#include "machine/WordFormats.h"

namespace kv {

namespace {

// Full-width forms of the half-width katakana 0xA1 to 0xDF.
const char16_t kKatakana[] =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";

}  // namespace

bool IsWordValue(std::int64_t value) { return value >= -32768 && value <= 65535; }

QString HexWord(std::int64_t value) {
    return QString::number(value & 0xFFFF, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString FormatHexWord(std::int64_t value) { return QLatin1Char('#') + HexWord(value); }

QString FormatSignedWord(std::int64_t value) {
    const int v = static_cast<std::int16_t>(value & 0xFFFF);
    const QString digits = v > 0 ? QLatin1Char('+') + QString::number(v) : QString::number(v);
    return digits.rightJustified(6, QLatin1Char(' '));
}

QString FormatUnsignedWord(std::int64_t value) {
    return QString::number(value & 0xFFFF).rightJustified(5, QLatin1Char(' '));
}

QString FormatCharWord(std::int64_t value) { return QString(QChar(CharWordCharacter(value))); }

char16_t CharWordCharacter(std::int64_t value) {
    if (value == 32) return u'□';
    if (value >= 33 && value <= 126) return static_cast<char16_t>(0xFF01 + (value - 33));
    if (value >= 0xA1 && value <= 0xDF) return kKatakana[value - 0xA1];
    return u'※';
}

QString FormatBinaryWord(std::int64_t value) {
    const std::uint32_t bits = static_cast<std::uint32_t>(value & 0xFFFF);
    QString text;
    text.reserve(20);
    for (int group = 3; group >= 0; --group) {
        for (int b = 3; b >= 0; --b) text += (bits >> (group * 4 + b)) & 1 ? QLatin1Char('1') : QLatin1Char('0');
        text += QLatin1Char(' ');
    }
    return text;
}

QString FormatFlagWord(const QString& fr) {
    if (fr == QLatin1String("000")) return QStringLiteral(" 正 ");
    if (fr == QLatin1String("001")) return QStringLiteral(" 零 ");
    if (fr == QLatin1String("010")) return QStringLiteral(" 負 ");
    if (fr == QLatin1String("100")) return QStringLiteral("あ正");
    if (fr == QLatin1String("101")) return QStringLiteral("あ零");
    if (fr == QLatin1String("110")) return QStringLiteral("あ負");
    if (fr == QLatin1String("???")) return QStringLiteral(" ？ ");
    return QString();
}

int FlagWordFault(const QString& fr) {
    if (!FormatFlagWord(fr).isEmpty()) return 0;
    return fr == QLatin1String("011") || fr == QLatin1String("111") ? 1 : 2;
}

}  // namespace kv
