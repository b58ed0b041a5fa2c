// Where the picker opens.
#include "picker_placement.h"

#include "channel_text.h"
#include "colour.h"

namespace tinctora {

int16_t PickerStartValue(std::string_view text, int index, bool hexMode) {
    const int base = hexMode && index <= 2 ? 16 : 10;
    return static_cast<int16_t>(ClampValue(ReadLeadingNumber(text, base), 0, 255));
}

float PickerMarkerX(int16_t value, int16_t maxValue, int scaleWidth) {
    return static_cast<float>(static_cast<double>(value) / maxValue * scaleWidth);
}

PickerPlacement PlacePicker(const PickerPlacementInput& in) {
    PickerPlacement out;
    const double px = in.pointerX;
    out.leftTwips = static_cast<float>((px - static_cast<double>(in.markerX)) * in.twipsPerPixelX -
                                       in.frameWidthTwips / 2.0);
    out.topTwips = static_cast<float>(static_cast<double>(in.twipsPerPixelY) * in.swatchBottom);
    if (out.leftTwips < 0) {
        out.pointerX = static_cast<int32_t>(RoundHalfEven(px - out.leftTwips / in.twipsPerPixelX));
        out.leftTwips = 0;
    } else if (out.leftTwips + in.widthTwips > in.screenWidthTwips) {
        const double overshoot = out.leftTwips + in.widthTwips - in.screenWidthTwips;
        out.pointerX = static_cast<int32_t>(RoundHalfEven(px - overshoot / in.twipsPerPixelX + 1));
        out.leftTwips = in.screenWidthTwips - in.widthTwips;
    }
    return out;
}

} // namespace tinctora
