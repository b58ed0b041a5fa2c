// Where the picker opens.
#include "picker_placement.h"

#include "channel_text.h"
#include "colour.h"

namespace tinctora {

int16_t PickerStartValue(std::string_view text, int index, bool hexMode) {
    const int base = hexMode && index <= 2 ? 16 : 10;
    return static_cast<int16_t>(ClampValue(ReadLeadingNumber(text, base), 0, 255));
}

PickerPlacement PlacePicker(const PickerPlacementInput& in) {
    PickerPlacement out;
    out.left = in.pointerX - in.markerColumn - in.clientLeft;
    out.top = in.swatchBottom;
    if (!in.screenWidth) {
        return out;
    }
    // Pushed back by whole pixels, the pointer follows by exactly as many and
    // stays over the marker's column.
    const int32_t maxLeft = *in.screenWidth - in.outerWidth;
    if (out.left < 0) {
        out.pointerX = in.pointerX - out.left;
        out.left = 0;
    } else if (out.left > maxLeft) {
        out.pointerX = in.pointerX - (out.left - maxLeft);
        out.left = maxLeft;
    }
    return out;
}

} // namespace tinctora
