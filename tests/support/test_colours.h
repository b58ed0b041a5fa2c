// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Short constructors for colour records in test tables.
#pragma once

#include "colour.h"

namespace tinctora {

inline RGBColor Rgb(int r, int g, int b) {
    RGBColor c;
    c.red = static_cast<int16_t>(r);
    c.green = static_cast<int16_t>(g);
    c.blue = static_cast<int16_t>(b);
    return c;
}

inline HSLColor Hsl(int h, int s, int l) {
    return {static_cast<int16_t>(h), static_cast<int16_t>(s), static_cast<int16_t>(l)};
}

} // namespace tinctora
