#pragma once
// The word formats as run mode shows them on the panels, in the trace and for SVC: a value that is
// no word, or a flag text that cannot arise, is reported as an internal fault first.

#include <QString>
#include <cstdint>

#include "machine/WordFormats.h"

namespace kv {

class Boxes;

QString FormatSignedWord(std::int64_t value, Boxes& host);
QString FormatUnsignedWord(std::int64_t value, Boxes& host);
QString FormatFlagWord(const QString& fr, Boxes& host);

}  // namespace kv
