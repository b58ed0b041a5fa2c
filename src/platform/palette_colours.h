// Maps the classic system-colour indices onto the roles of a Qt palette.
#pragma once

#include "colour.h"

class QPalette;

namespace tinctora {

PackedColor PaletteSystemColor(const QPalette& palette, int32_t index);

} // namespace tinctora
