// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours a gradient's lines are drawn in, the ends of the strips' and the
// picker's gradients, and where a strip's marker sits.
#pragma once

#include "colour.h"

#include <cstdint>

namespace tinctora {

// The two ends of one gradient: packed colours, or HSL triples that are
// interpolated channel by channel and converted per line.
struct GradientEnds {
    bool hsl = false;
    PackedColor startColor = kBlack;
    PackedColor endColor = kBlack;
    HSLColor startHsl{};
    HSLColor endHsl{};
    friend bool operator==(const GradientEnds&, const GradientEnds&) = default;
};

GradientEnds RgbEnds(PackedColor start, PackedColor end);
GradientEnds HslEnds(HSLColor start, HSLColor end);

// Calls line(i, colour) for the lines 0 to extent of a gradient. The running
// values grow by repeated addition of the step, so that the last line is the
// end colour exactly; an extent of 0 gives the one line in the start colour.
template <typename LineFn>
void ForEachGradientLine(const GradientEnds& ends, int16_t extent, bool webSafe, LineFn&& line) {
    double start[3];
    double end[3];
    if (ends.hsl) {
        start[0] = ends.startHsl.hue;
        start[1] = ends.startHsl.saturation;
        start[2] = ends.startHsl.luminance;
        end[0] = ends.endHsl.hue;
        end[1] = ends.endHsl.saturation;
        end[2] = ends.endHsl.luminance;
    } else {
        start[0] = RedOf(ends.startColor);
        start[1] = GreenOf(ends.startColor);
        start[2] = BlueOf(ends.startColor);
        end[0] = RedOf(ends.endColor);
        end[1] = GreenOf(ends.endColor);
        end[2] = BlueOf(ends.endColor);
    }
    double step[3] = {0, 0, 0};
    if (extent != 0) {
        for (int c = 0; c < 3; ++c) {
            step[c] = (end[c] - start[c]) / extent;
        }
    }
    double running[3] = {start[0], start[1], start[2]};
    for (int16_t i = 0; i <= extent; ++i) {
        const auto rounded = [&](int c) { return static_cast<int16_t>(RoundHalfEven(running[c])); };
        RGBColor color;
        if (ends.hsl) {
            UpdateRGB(HSLColor{rounded(0), rounded(1), rounded(2)}, color);
        } else {
            color.red = rounded(0);
            color.green = rounded(1);
            color.blue = rounded(2);
        }
        if (webSafe) {
            color = SnapWebSafe(color);
        }
        line(i, PackColor(color));
        for (int c = 0; c < 3; ++c) {
            running[c] += step[c];
        }
    }
}

// The channel value a strip shows: red, green, blue, hue, saturation or
// luminance for the indices 0 to 5.
int16_t ChannelValue(int index, const RGBColor& rgb, const HSLColor& hsl);

// The strip of a channel runs from its maximum at the top to 0 below the bottom.
GradientEnds StripGradient(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl);
// The colour a strip's marker contrasts with: the current colour when linked,
// else the colour the unlinked strip shows at the current value. Never snapped.
PackedColor StripMarkerBasis(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl);
// The row of a strip of the given height that shows the value on a scale.
int16_t MarkerRow(int32_t value, int32_t scale, int32_t height);

// The picker runs from 0 at the left to the maximum just right of the strip.
GradientEnds PickerGradient(int index, bool linked, const RGBColor& rgb, const HSLColor& hsl);

} // namespace tinctora
