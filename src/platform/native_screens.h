// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The monitors as the X server counts their pixels, beside Qt's scale factors.
#pragma once

#include "screen_pixels.h"

#include <QRect>

#include <vector>

namespace tinctora {

// The monitors in native pixels, with and without their scale factors. Qt
// keeps a screen's origin in native pixels and divides only its size by the
// scale factor.
struct NativeScreens {
    std::vector<QRect> rects;
    std::vector<ScaledScreen> scaled;
};

NativeScreens ReadNativeScreens();

} // namespace tinctora
