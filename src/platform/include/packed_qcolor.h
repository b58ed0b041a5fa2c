// Conversions between packed colours (system colours resolved) and QColor.
#pragma once

#include "colour.h"

#include <QColor>

#include <optional>

namespace tinctora {

inline QColor ToQColor(PackedColor value) {
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

inline PackedColor ToPacked(const QColor& color) {
    return PackColor(static_cast<int16_t>(color.red()), static_cast<int16_t>(color.green()),
                     static_cast<int16_t>(color.blue()));
}

} // namespace tinctora
