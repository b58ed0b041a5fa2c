// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour values every part of Tinctora works on: the channel record, the
// HSL triple, packed colours with system colours, and the small pure helpers.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tinctora {

// The field order red, blue, green is deliberate: code that builds a record
// field by field must name each channel.
struct RGBColor {
    int16_t red = 0;
    int16_t blue = 0;
    int16_t green = 0;
    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};

// Hue, saturation and luminance on the 0..240 scale; hue -1 marks a grey.
struct HSLColor {
    int16_t hue = 0;
    int16_t saturation = 0;
    int16_t luminance = 0;
    friend bool operator==(const HSLColor&, const HSLColor&) = default;
};

// 0x00BBGGRR; a negative value names system colour (value & 0x7FFFFFFF).
using PackedColor = int32_t;

constexpr PackedColor kBlack = 0x000000;
constexpr PackedColor kWhite = 0xFFFFFF;

// Looks up the packed colour of a system colour index.
using SystemColorLookup = std::function<PackedColor(int32_t index)>;

// Installs the lookup RedOf/GreenOf/BlueOf use for negative values; an empty
// function restores the built-in table.
void SetSystemColorLookup(SystemColorLookup lookup);
// The built-in table of classic desktop colours, used until the application
// installs the desktop's own.
PackedColor DefaultSystemColor(int32_t index);
PackedColor SystemColor(int32_t index);

PackedColor PackColor(int16_t red, int16_t green, int16_t blue);
int16_t RedOf(PackedColor value);
int16_t GreenOf(PackedColor value);
int16_t BlueOf(PackedColor value);
RGBColor UnpackColor(PackedColor value);
inline PackedColor PackColor(const RGBColor& c) {
    return PackColor(c.red, c.green, c.blue);
}

// Two hex digits (an even number of digits); upperCase non-zero for A..F.
std::string HexByte(int16_t value, int upperCase);
// "#" and six lower-case hex digits: the hex box's text and the colours of the HTML code.
std::string HexColorText(PackedColor value);
// The value of the leading digits of the text in base 10 or 16; text without
// leading digits reads as 0. Long digit runs saturate instead of overflowing.
int32_t ReadLeadingNumber(std::string_view text, int base);
RGBColor ParseHexColor(std::string_view text);
RGBColor SnapWebSafe(RGBColor color);
bool IsWebSafe(PackedColor value);
PackedColor ContrastColor(PackedColor value);
int32_t ClampValue(int32_t value, int32_t minimum, int32_t maximum);

// Rounds to the nearest integer with halves to the even neighbour.
inline double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

HSLColor RGBToHSL(PackedColor value);
PackedColor HSLToRGB(HSLColor hsl);
int32_t HueToChannel(int16_t m1, int16_t m2, int32_t hue);
void UpdateHSL(const RGBColor& rgb, HSLColor& hsl);
void UpdateRGB(const HSLColor& hsl, RGBColor& rgb);

} // namespace tinctora
