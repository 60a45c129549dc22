#include "machine/CodePage932.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace kv::cp932 {

namespace {

// How many input bytes an unconvertible unit takes at src.
using UnitSize = size_t (*)(const char* src, size_t left);

size_t singleByte(const char*, size_t) { return 1; }

// One UTF-16 code unit, or both halves of a surrogate pair so that a character outside the basic
// plane gets one replacement.
size_t utf16Unit(const char* src, size_t left) {
    const auto unit = [src](int i) {
        return static_cast<unsigned char>(src[i]) | (static_cast<unsigned char>(src[i + 1]) << 8);
    };
    if (left >= 4 && unit(0) >= 0xD800 && unit(0) <= 0xDBFF && unit(2) >= 0xDC00 && unit(2) <= 0xDFFF)
        return 4;
    return std::min<size_t>(2, left);
}

// Converts with glibc's iconv in one pass into out, which the caller sizes for the worst case.
// An input unit that cannot be converted is skipped and the replacement is written in its place.
// Returns the bytes written; clean becomes false when a unit had to be replaced.
size_t convert(const char* to, const char* from, const char* in, size_t inSize, char* out, size_t outSize,
               UnitSize unitSize, const QByteArray& replacement, bool& clean) {
    clean = true;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        clean = false;
        return 0;
    }
    char* src = const_cast<char*>(in);
    size_t srcLeft = inSize;
    char* dst = out;
    size_t dstLeft = outSize;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
        clean = false;
        if (errno == E2BIG || dstLeft < static_cast<size_t>(replacement.size())) break;
        const size_t skip = unitSize(src, srcLeft);
        src += skip;
        srcLeft -= skip;
        std::copy(replacement.begin(), replacement.end(), dst);
        dst += replacement.size();
        dstLeft -= replacement.size();
    }
    iconv_close(cd);
    return outSize - dstLeft;
}

// UTF-16 to code page 932: every code unit gives at most two bytes.
QByteArray toCp932(const QString& text, bool& clean) {
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    const size_t n = convert("CP932", "UTF-16LE", reinterpret_cast<const char*>(text.utf16()),
                             static_cast<size_t>(text.size()) * 2, out.data(), out.size(), utf16Unit, "?", clean);
    out.truncate(static_cast<qsizetype>(n));
    return out;
}

// Code page 932 to UTF-16: every byte or byte pair gives one code unit, an invalid byte U+FFFD.
QString fromCp932(const QByteArray& bytes, bool& clean) {
    QString out(bytes.size(), Qt::Uninitialized);
    const size_t n = convert("UTF-16LE", "CP932", bytes.constData(), bytes.size(),
                             reinterpret_cast<char*>(out.data()), static_cast<size_t>(out.size()) * 2, singleByte,
                             QByteArray("\xFD\xFF", 2), clean);
    out.truncate(static_cast<qsizetype>(n / 2));
    return out;
}

bool isSurrogatePair(const QString& text) {
    return text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
}

}  // namespace

int codeOf(const QString& character) {
    if (character.size() != 1 && !isSurrogatePair(character)) return -1;
    bool clean = false;
    const QByteArray out = toCp932(character, clean);
    if (!clean) return -1;
    if (out.size() == 1) return static_cast<unsigned char>(out[0]);
    if (out.size() == 2) return (static_cast<unsigned char>(out[0]) << 8) | static_cast<unsigned char>(out[1]);
    return -1;
}

QByteArray encode(const QString& text) {
    bool clean = false;
    return toCp932(text, clean);
}

std::optional<QByteArray> encodeExactly(const QString& text) {
    bool clean = false;
    QByteArray bytes = toCp932(text, clean);
    if (!clean) return std::nullopt;
    return bytes;
}

QString decode(const QByteArray& bytes) {
    bool clean = false;
    return fromCp932(bytes, clean);
}

QChar characterOf(int byte) {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            bool clean = false;
            const QString character = fromCp932(QByteArray(1, static_cast<char>(b)), clean);
            t[b] = clean && character.size() == 1 ? character[0] : QChar('?');
        }
        return t;
    }();
    return table[byte & 0xFF];
}

bool isValidUtf8(const QByteArray& bytes) {
    int i = 0;
    const int n = bytes.size();
    while (i < n) {
        const unsigned char c = bytes[i];
        int follow = 0;
        std::uint32_t min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3;
            min = 0x10000;
        } else {
            return false;
        }
        std::uint32_t code = c & (0x3F >> follow);
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n) return false;
            const unsigned char f = bytes[i + k];
            if ((f & 0xC0) != 0x80) return false;
            code = (code << 6) | (f & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += follow + 1;
    }
    return true;
}

QString decodeTextFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii && isValidUtf8(bytes)) return QString::fromUtf8(bytes);
    return decode(bytes);
}

}  // namespace kv::cp932
