#include "simulator/WordDisplay.h"

#include "assembler/Catalogue.h"

namespace kv {

QString FormatSignedWord(std::int64_t value, Boxes& host) {
    if (!IsWordValue(value)) ReportInternalError(host, QStringLiteral("算術十進文字列変換"), 1);
    return FormatSignedWord(value);
}

QString FormatUnsignedWord(std::int64_t value, Boxes& host) {
    if (!IsWordValue(value)) ReportInternalError(host, QStringLiteral("論理十進文字列変換"), 1);
    return FormatUnsignedWord(value);
}

QString FormatFlagWord(const QString& fr, Boxes& host) {
    const int fault = FlagWordFault(fr);
    if (fault != 0) ReportInternalError(host, QStringLiteral("FR日本語"), fault);
    return FormatFlagWord(fr);
}

}  // namespace kv
