#include "machine/CodePage932.h"

#include <iconv.h>

#include <algorithm>
#include <array>

namespace kv::cp932 {

namespace {

// Converts with glibc's iconv in one pass. An input unit that cannot be converted is skipped
// (skipBytes of it) and the replacement is written in its place; returns false when that happened.
bool convert(const char* to, const char* from, const QByteArray& in, QByteArray& out, int skipBytes,
             const QByteArray& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    bool clean = true;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
        clean = false;
        const size_t skip = std::min<size_t>(skipBytes, srcLeft);
        src += skip;
        srcLeft -= skip;
        if (dstLeft < static_cast<size_t>(replacement.size())) break;
        std::copy(replacement.begin(), replacement.end(), dst);
        dst += replacement.size();
        dstLeft -= replacement.size();
    }
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return clean;
}

QByteArray utf16Bytes(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QString fromUtf16Bytes(const QByteArray& bytes) {
    return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
}

}  // namespace

int codeOf(const QString& character) {
    QByteArray out;
    if (character.isEmpty() || !convert("CP932", "UTF-16LE", utf16Bytes(character), out, 2, "?")) return -1;
    if (out.size() == 1) return static_cast<unsigned char>(out[0]);
    if (out.size() == 2) return (static_cast<unsigned char>(out[0]) << 8) | static_cast<unsigned char>(out[1]);
    return -1;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    convert("CP932", "UTF-16LE", utf16Bytes(text), out, 2, "?");
    return out;
}

QString decode(const QByteArray& bytes) {
    QByteArray out;
    convert("UTF-16LE", "CP932", bytes, out, 1, QByteArray("\xFD\xFF", 2));
    return fromUtf16Bytes(out);
}

QChar characterOf(int byte) {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            QByteArray out;
            const bool ok = convert("UTF-16LE", "CP932", QByteArray(1, static_cast<char>(b)), out, 1, "");
            const QString character = fromUtf16Bytes(out);
            t[b] = ok && character.size() == 1 ? character[0] : QChar('?');
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
