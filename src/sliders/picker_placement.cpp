// Where the picker opens.
#include "picker_placement.h"

#include "channel_text.h"
#include "colour.h"

#include <algorithm>

namespace tinctora {

int16_t PickerStartValue(std::string_view text, int index, bool hexMode) {
    const int base = hexMode && IsRgbChannel(index) ? 16 : 10;
    return static_cast<int16_t>(ClampValue(ReadLeadingNumber(text, base), 0, 255));
}

PickerPlacement PlacePicker(const PickerPlacementInput& in) {
    PickerPlacement out;
    out.left = in.pointerX - in.markerColumn - in.clientLeft;
    out.top = in.swatchBottom;
    if (!in.keepWithin) {
        return out;
    }
    // Pushed back by whole pixels, the pointer follows by exactly as many and
    // stays over the marker's column.
    const int32_t maxLeft = in.keepWithin->right - in.outerWidth;
    // Bounds narrower than the window keep its right edge: a Wayland
    // compositor flips a popup that overhangs on the right to the far side of
    // where it was asked for, but only slides one that overhangs on the left.
    const int32_t minLeft = std::min(in.keepWithin->left, maxLeft);
    if (out.left < minLeft) {
        out.pointerX = in.pointerX + (minLeft - out.left);
        out.left = minLeft;
    } else if (out.left > maxLeft) {
        out.pointerX = in.pointerX - (out.left - maxLeft);
        out.left = maxLeft;
    }
    return out;
}

} // namespace tinctora
