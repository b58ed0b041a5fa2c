// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ends of the strips' and the picker's gradients and the strips' markers.
#include "gradient.h"

#include <utility>

namespace tinctora {

namespace {

constexpr int16_t kFull = 240;
constexpr int16_t kHalf = 120;

PackedColor HslPacked(HSLColor hsl) {
    RGBColor rgb;
    UpdateRGB(hsl, rgb);
    return PackColor(rgb);
}

} // namespace

GradientEnds RgbEnds(PackedColor start, PackedColor end) {
    GradientEnds ends;
    ends.startColor = start;
    ends.endColor = end;
    return ends;
}

GradientEnds HslEnds(HSLColor start, HSLColor end) {
    GradientEnds ends;
    ends.hsl = true;
    ends.startHsl = start;
    ends.endHsl = end;
    return ends;
}

int16_t ChannelValue(int index, const RGBColor& rgb, const HSLColor& hsl) {
    switch (index) {
    case 0:
        return rgb.red;
    case 1:
        return rgb.green;
    case 2:
        return rgb.blue;
    case 3:
        return hsl.hue;
    case 4:
        return hsl.saturation;
    default:
        return hsl.luminance;
    }
}

GradientEnds StripGradient(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl) {
    const int16_t r = rgb.red;
    const int16_t g = rgb.green;
    const int16_t b = rgb.blue;
    const int16_t h = hsl.hue;
    const int16_t s = hsl.saturation;
    const int16_t l = hsl.luminance;
    if (linked) {
        switch (index) {
        case 0:
            return RgbEnds(PackColor(255, g, b), PackColor(0, g, b));
        case 1:
            return RgbEnds(PackColor(r, 255, b), PackColor(r, 0, b));
        case 2:
            return RgbEnds(PackColor(r, g, 255), PackColor(r, g, 0));
        case 3:
            return HslEnds({kFull, s, l}, {0, s, l});
        case 4:
            return HslEnds({h, kFull, l}, {h, 0, l});
        default:
            return HslEnds({h, s, kFull}, {h, s, 0});
        }
    }
    switch (index) {
    case 0:
        return RgbEnds(PackColor(255, 0, 0), kBlack);
    case 1:
        return RgbEnds(PackColor(0, 255, 0), kBlack);
    case 2:
        return RgbEnds(PackColor(0, 0, 255), kBlack);
    case 3:
        return HslEnds({kFull, kFull, kHalf}, {0, kFull, kHalf});
    case 4:
        return HslEnds({h, kFull, kHalf}, {h, 0, kHalf});
    default:
        return HslEnds({h, kFull, kFull}, {h, kFull, 0});
    }
}

PackedColor StripMarkerBasis(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl) {
    if (linked) {
        return PackColor(rgb);
    }
    switch (index) {
    case 0:
        return PackColor(rgb.red, 0, 0);
    case 1:
        return PackColor(0, rgb.green, 0);
    case 2:
        return PackColor(0, 0, rgb.blue);
    case 3:
        return HslPacked({hsl.hue, kFull, kHalf});
    case 4:
        return HslPacked({hsl.hue, hsl.saturation, kHalf});
    default:
        return HslPacked({hsl.hue, kFull, hsl.luminance});
    }
}

int16_t MarkerRow(int32_t value, int32_t scale, int32_t height) {
    const double pos = RoundHalfEven((height - 1) * (static_cast<double>(value) / scale));
    return static_cast<int16_t>((height - 1) - static_cast<int32_t>(pos));
}

GradientEnds PickerGradient(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl) {
    // The picker runs left to right from 0 to the maximum: the strip's ends swapped.
    GradientEnds ends = StripGradient(index, linked, rgb, hsl);
    std::swap(ends.startColor, ends.endColor);
    std::swap(ends.startHsl, ends.endHsl);
    return ends;
}

} // namespace tinctora
