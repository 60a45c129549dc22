#pragma once
// The core's colours as Qt colours.

#include <QColor>

#include "host/Host.h"

namespace kv {

inline QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

}  // namespace kv
