// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// RGB <-> HSL on the tool's 0..240 scale. Every step keeps the written order
// and precision: the results are the numbers the user reads in the HSL boxes.
#include "colour.h"

#include <algorithm>

namespace tinctora {

HSLColor RGBToHSL(PackedColor value) {
    const int R = RedOf(value);
    const int G = GreenOf(value);
    const int B = BlueOf(value);
    const int mx = std::max(std::max(R, G), B);
    const int mn = std::min(std::min(R, G), B);
    const int diff = mx - mn;
    const int sum = mx + mn;
    const double lraw = (sum * 240 + 255) / 510.0;

    HSLColor hsl;
    if (mx == mn) {
        hsl.saturation = 0;
        hsl.hue = -1;
        hsl.luminance = static_cast<int16_t>(RoundHalfEven(lraw));
        return hsl;
    }
    double sraw = 0;
    if (lraw <= 120) {
        sraw = (diff * 240 + 0.5) / sum;
    } else {
        sraw = (diff * 240 + 0.5) / (510 - sum);
    }
    const double dR = (40 * (mx - R) + 0.5) / diff;
    const double dG = (40 * (mx - G) + 0.5) / diff;
    const double dB = (40 * (mx - B) + 0.5) / diff;
    double hraw = 0;
    if (R == mx) {
        hraw = dB - dG;
    } else if (G == mx) {
        hraw = (80 + dR) - dB;
    } else {
        hraw = (160 + dG) - dR;
    }
    if (hraw < 0) {
        hraw += 240;
    }
    hsl.hue = static_cast<int16_t>(RoundHalfEven(hraw));
    hsl.saturation = static_cast<int16_t>(RoundHalfEven(sraw));
    hsl.luminance = static_cast<int16_t>(RoundHalfEven(lraw));
    return hsl;
}

int32_t HueToChannel(int16_t m1, int16_t m2, int32_t hue) {
    if (hue < 0) {
        hue += 240;
    } else if (hue > 240) {
        hue -= 240;
    }
    if (hue < 40) {
        return static_cast<int32_t>(RoundHalfEven((20 + (m2 - m1) * hue) / 40.0 + m1));
    }
    if (hue < 120) {
        return m2;
    }
    if (hue < 160) {
        return static_cast<int32_t>(RoundHalfEven(((160 - hue) * (m2 - m1) + 20) / 40.0 + m1));
    }
    return m1;
}

static int16_t ScaleToChannel(int32_t x) {
    return static_cast<int16_t>(RoundHalfEven((120 + x * 255) / 240.0));
}

PackedColor HSLToRGB(HSLColor hsl) {
    const int H = hsl.hue;
    const int S = hsl.saturation;
    const int L = hsl.luminance;
    if (S == 0) {
        const auto v = static_cast<int16_t>(RoundHalfEven(L * 255 / 240.0));
        return PackColor(v, v, v);
    }
    int16_t m2 = 0;
    if (L <= 120) {
        m2 = static_cast<int16_t>(RoundHalfEven((120 + L * (S + 240)) / 240.0));
    } else {
        m2 = static_cast<int16_t>(RoundHalfEven((L + S) - (120 + L * S) / 240.0));
    }
    const auto m1 = static_cast<int16_t>(2 * L - m2);
    const int32_t r = HueToChannel(m1, m2, H + 80);
    const int32_t g = HueToChannel(m1, m2, H);
    const int32_t b = HueToChannel(m1, m2, H - 80);
    return PackColor(ScaleToChannel(r), ScaleToChannel(g), ScaleToChannel(b));
}

void UpdateHSL(const RGBColor& rgb, HSLColor& hsl) {
    HSLColor t = RGBToHSL(PackColor(rgb.red, rgb.green, rgb.blue));
    if (t.hue == -1) {
        t.hue = hsl.hue;
    }
    hsl = t;
}

void UpdateRGB(const HSLColor& hsl, RGBColor& rgb) {
    rgb = UnpackColor(HSLToRGB(hsl));
}

} // namespace tinctora
