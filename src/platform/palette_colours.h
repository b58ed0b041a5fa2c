// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Maps the classic system-colour indices onto the roles of a Qt palette.
#pragma once

#include "colour.h"

class QPalette;

namespace tinctora {

PackedColor PaletteSystemColor(const QPalette& palette, int32_t index);

} // namespace tinctora
