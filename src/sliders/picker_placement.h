// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the picker opens: the value its marker starts at and the window's
// place under the colour swatch, kept on the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tinctora {

// The value the picker opens at, read from the channel box's text (hex digits
// for red, green and blue in hex mode) and limited to 0..255 on every channel.
int16_t PickerStartValue(std::string_view text, int index, bool hexMode);

// What the placement reads, all in logical screen pixels.
struct PickerPlacementInput {
    int32_t pointerX = 0;
    int32_t markerColumn = 0;
    // The client area's offset inside the window's frame, and the width of
    // the whole window.
    int32_t clientLeft = 0;
    int32_t outerWidth = 256;
    // The columns the whole window must stay within, from left up to but not
    // including right: the screen where the program places its windows.
    // Empty where the desktop itself keeps the window on the screen and tells
    // where it put it.
    struct Span {
        int32_t left = 0;
        int32_t right = 0;
    };
    std::optional<Span> keepWithin;
    int32_t swatchBottom = 0; // the first screen row below the colour swatch
};

struct PickerPlacement {
    int32_t left = 0; // the window's outer left edge
    int32_t top = 0;
    // Where the pointer is moved to so that it stays over the marker's column
    // when the window had to be pushed back within its bounds.
    std::optional<int32_t> pointerX;
};

PickerPlacement PlacePicker(const PickerPlacementInput& in);

} // namespace tinctora
