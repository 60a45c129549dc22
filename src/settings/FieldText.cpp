#include "settings/FieldText.h"

#include <QByteArray>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kv {

namespace {

// Full-width digits, signs, point and exponent letters as half-width; anything else unchanged.
char16_t HalfWidth(char16_t c) {
    if (c >= u'０' && c <= u'９') return u'0' + (c - u'０');
    switch (c) {
        case u'＋': return u'+';
        case u'－': return u'-';
        case u'−': return u'-';
        case u'．': return u'.';
        case u'ｅ': return u'e';
        case u'Ｅ': return u'E';
        case u'　': return u' ';
        default: return c;
    }
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The leading number of the text in the C locale's form ("-12.5e3"), empty when there is none.
QByteArray LeadingNumber(const QString& text) {
    QByteArray number;
    int i = 0;
    const int n = text.size();
    auto at = [&](int k) { return k < n ? HalfWidth(text[k].unicode()) : u'\0'; };
    while (at(i) == u' ' || at(i) == u'\t') ++i;
    if (at(i) == u'+' || at(i) == u'-') number += static_cast<char>(at(i++));
    bool digits = false;
    while (IsDigit(at(i))) {
        number += static_cast<char>(at(i++));
        digits = true;
    }
    if (at(i) == u'.') {
        number += '.';
        ++i;
        while (IsDigit(at(i))) {
            number += static_cast<char>(at(i++));
            digits = true;
        }
    }
    if (!digits) return QByteArray();
    // An exponent counts only when digits follow it.
    int e = i;
    if (at(e) == u'e' || at(e) == u'E') {
        ++e;
        QByteArray exponent("e");
        if (at(e) == u'+' || at(e) == u'-') exponent += static_cast<char>(at(e++));
        if (IsDigit(at(e))) {
            while (IsDigit(at(e))) exponent += static_cast<char>(at(e++));
            number += exponent;
        }
    }
    return number;
}

}  // namespace

std::int64_t ReadWholeNumber(const QString& text) {
    const QByteArray number = LeadingNumber(text);
    if (number.isEmpty()) return 0;
    const double value = std::nearbyint(std::strtod(number.constData(), nullptr));
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (!(value >= low)) return static_cast<std::int64_t>(low);
    if (value > high) return static_cast<std::int64_t>(high);
    return static_cast<std::int64_t>(value);
}

std::int32_t ParseHexField(const QString& text) {
    if (text.size() != 5 || text[0] != QLatin1Char('#')) return -1;
    std::int32_t value = 0;
    for (int i = 1; i < 5; ++i) {
        const char16_t c = text[i].unicode();
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace kv
