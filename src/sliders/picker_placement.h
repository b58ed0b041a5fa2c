// Where the picker opens: the value its marker starts at, the marker's column
// and the window's place under the colour swatch, kept on the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tinctora {

// The value the picker opens at, read from the channel box's text (hex digits
// for red, green and blue in hex mode) and limited to 0..255 on every channel.
int16_t PickerStartValue(std::string_view text, int index, bool hexMode);

// The marker's column for a value: the value's share of the full width, so
// that the maximum lies just right of the last column.
float PickerMarkerX(int16_t value, int16_t maxValue, int scaleWidth);

// What the placement reads. Window sizes are outer sizes in twips, positions
// are screen pixels.
struct PickerPlacementInput {
    int32_t pointerX = 0;
    float markerX = 0;
    int16_t frameWidthTwips = 0;
    float widthTwips = 0;
    float screenWidthTwips = 0;
    int32_t swatchBottom = 0; // the first screen row below the colour swatch
    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
};

struct PickerPlacement {
    float leftTwips = 0;
    float topTwips = 0;
    // Where the pointer is moved to so that it stays over the marker's column
    // when the window had to be pushed back onto the screen.
    std::optional<int32_t> pointerX;
};

PickerPlacement PlacePicker(const PickerPlacementInput& in);

} // namespace tinctora
