// Code page 932 at the program's edges. The bytes are read three ways: as code page 932 (whatever
// decodes must encode and decode back to the same text, and every character of it must have a
// code that decodes to that character), as UTF-8 (the validity check must agree with Qt's
// decoder), and as UTF-16 text typed by the learner (encoding never grows past two bytes a unit,
// and a text whose every character has a code comes back unchanged).

#include <QStringDecoder>

#include "FuzzSupport.h"
#include "machine/CodePage932.h"

namespace {

namespace cp932 = kv::cp932;

constexpr char16_t kReplacement = 0xFFFD;

// The characters of a text, a surrogate pair counting as one.
QStringList charactersOf(const QString& text) {
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        characters << text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
    }
    return characters;
}

// The bytes of a code from codeOf.
QByteArray bytesOfCode(int code) {
    QByteArray bytes;
    if (code >= 0x100) bytes.append(static_cast<char>(code >> 8));
    bytes.append(static_cast<char>(code & 0xFF));
    return bytes;
}

void decodeAndBack(const QByteArray& bytes) {
    const QString text = cp932::decode(bytes);
    KV_FUZZ_REQUIRE(text.size() <= bytes.size());
    if (text.contains(QChar(kReplacement))) return;
    KV_FUZZ_REQUIRE(cp932::decode(cp932::encode(text)) == text);
    for (const QString& character : charactersOf(text)) {
        const int code = cp932::codeOf(character);
        KV_FUZZ_REQUIRE(code >= 0 && code <= 0xFFFF);
        KV_FUZZ_REQUIRE(cp932::decode(bytesOfCode(code)) == character);
        if (code < 0x100 && character != QStringLiteral("?"))
            KV_FUZZ_REQUIRE(cp932::characterOf(code) == character[0]);
    }
}

void utf8Agreement(const QByteArray& bytes) {
    // Qt's decoder as the reference, told to keep a byte order mark as a character and to count a
    // sequence cut off at the end as an error.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    KV_FUZZ_REQUIRE(cp932::isValidUtf8(bytes) == !decoder.hasError());
    if (!decoder.hasError()) KV_FUZZ_REQUIRE(text.toUtf8() == bytes);
    cp932::decodeTextFile(bytes);
}

void encodeAndBack(const QByteArray& bytes) {
    const QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    const QByteArray encoded = cp932::encode(text);
    KV_FUZZ_REQUIRE(encoded.size() <= 2 * text.size());
    bool everyCharacterHasACode = true;
    for (const QString& character : charactersOf(text))
        everyCharacterHasACode &= cp932::codeOf(character) >= 0;
    if (everyCharacterHasACode) {
        const QString back = cp932::decode(encoded);
        KV_FUZZ_REQUIRE(cp932::encode(back) == encoded);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = kv::fuzz::bytesOf(data, size);
    decodeAndBack(bytes);
    utf8Agreement(bytes);
    encodeAndBack(bytes);
    return 0;
}
