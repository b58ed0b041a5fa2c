// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Packing, channel extraction, hexadecimal text, web-safe snapping, contrast
// and clamping.
#include "colour.h"

#include <cmath>

namespace tinctora {

PackedColor PackColor(int16_t red, int16_t green, int16_t blue) {
    // HSL conversion can deliver 256 for a full channel; packing brings it back.
    const auto limit = [](int16_t v) { return static_cast<int32_t>(v > 255 ? 255 : v); };
    return limit(red) + 256 * limit(green) + 65536 * limit(blue);
}

static PackedColor Resolve(PackedColor value) {
    if (value < 0) {
        return SystemColor(value & 0x7FFFFFFF);
    }
    return value;
}

int16_t RedOf(PackedColor value) {
    return static_cast<int16_t>(Resolve(value) & 0xFF);
}
int16_t GreenOf(PackedColor value) {
    return static_cast<int16_t>((Resolve(value) & 0xFF00) / 256);
}
int16_t BlueOf(PackedColor value) {
    return static_cast<int16_t>((Resolve(value) & 0xFF0000) / 65536);
}

RGBColor UnpackColor(PackedColor value) {
    RGBColor c;
    c.red = RedOf(value);
    c.green = GreenOf(value);
    c.blue = BlueOf(value);
    return c;
}

std::string HexByte(int16_t value, int upperCase) {
    const char* digits = upperCase != 0 ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    auto v = static_cast<uint16_t>(value);
    do {
        text.insert(text.begin(), digits[v % 16]);
        v /= 16;
    } while (v != 0);
    if (text.size() % 2 != 0) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string HexColorText(PackedColor value) {
    return "#" + HexByte(RedOf(value), 0) + HexByte(GreenOf(value), 0) + HexByte(BlueOf(value), 0);
}

static int DigitValue(char ch, int base) {
    int value = -1;
    if (ch >= '0' && ch <= '9') {
        value = ch - '0';
    } else if (ch >= 'a' && ch <= 'f') {
        value = ch - 'a' + 10;
    } else if (ch >= 'A' && ch <= 'F') {
        value = ch - 'A' + 10;
    }
    return value < base ? value : -1;
}

int32_t ReadLeadingNumber(std::string_view text, int base) {
    // Any value above every channel maximum clamps the same way.
    constexpr int32_t kSaturated = 1'000'000;
    int32_t value = 0;
    for (const char ch : text) {
        const int digit = DigitValue(ch, base);
        if (digit < 0) {
            break;
        }
        value = value * base + digit;
        if (value > kSaturated) {
            value = kSaturated;
        }
    }
    return value;
}

// A piece is at most two characters, so its value is at most 0xFF.
static int16_t LeadingHexValue(std::string_view piece) {
    return static_cast<int16_t>(ReadLeadingNumber(piece, 16));
}

RGBColor ParseHexColor(std::string_view text) {
    std::string digits;
    digits.reserve(text.size());
    for (const char ch : text) {
        if (ch != '#') {
            digits.push_back(ch);
        }
    }
    const std::string_view rest(digits);
    const auto piece = [&rest](std::size_t start) {
        return start < rest.size() ? rest.substr(start, 2) : std::string_view{};
    };
    RGBColor c;
    c.red = LeadingHexValue(piece(0));
    c.green = LeadingHexValue(piece(2));
    c.blue = LeadingHexValue(piece(4));
    return c;
}

static int16_t SnapChannel(int16_t v) {
    const int r = v % 51;
    if (r == 0) {
        return v;
    }
    int snapped = v - r;
    if (r > 25 && snapped + 51 <= 255) {
        snapped += 51;
    }
    return static_cast<int16_t>(snapped);
}

RGBColor SnapWebSafe(RGBColor color) {
    color.red = SnapChannel(color.red);
    color.green = SnapChannel(color.green);
    color.blue = SnapChannel(color.blue);
    return color;
}

bool IsWebSafe(PackedColor value) {
    return RedOf(value) % 51 == 0 && GreenOf(value) % 51 == 0 && BlueOf(value) % 51 == 0;
}

PackedColor ContrastColor(PackedColor value) {
    // The order of the sum is part of the result: grey 128 lands just below 128.
    double y = GreenOf(value) * 0.59 + RedOf(value) * 0.3;
    y = y + BlueOf(value) * 0.11;
    return y >= 128 ? kBlack : kWhite;
}

int32_t ClampValue(int32_t value, int32_t minimum, int32_t maximum) {
    if (value > maximum) {
        return maximum;
    }
    if (value < minimum) {
        return minimum;
    }
    return value;
}

} // namespace tinctora
