// How the channel boxes read and write their text: the key filter, the
// numeric reading of a box, and the texts the displays show.
#pragma once

#include "colour.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tinctora {

// The channels by index: red, green and blue (0..2), hue, saturation and
// luminance (3..5), the hex box, and all of them at once.
constexpr int kRgbChannels = 3;
constexpr int kHexBoxIndex = 6;
constexpr int kAllChannels = 7;

constexpr bool IsRgbChannel(int index) {
    return index >= 0 && index < kRgbChannels;
}
constexpr bool IsHslChannel(int index) {
    return index >= kRgbChannels && index < kHexBoxIndex;
}
// The six channels that hold a number, each with its strip and arrow.
constexpr bool IsNumberChannel(int index) {
    return IsRgbChannel(index) || IsHslChannel(index);
}

// The largest value of a channel: 255 for red, green and blue, 240 for HSL.
constexpr int ChannelMaximum(int index) {
    return IsRgbChannel(index) ? 255 : 240;
}

// The character a channel box receives for a typed character code, or 0 when
// the character is dropped. Backspace (8) always passes.
int FilterChannelKey(int index, int code, bool hexMode);

// The stored value of a red, green, blue (0..2) or HSL (3..5) box text.
int16_t ReadChannelText(int index, std::string_view text, bool hexMode);

// The text a red, green or blue box shows for a value in the current notation.
std::string RgbChannelText(int16_t value, bool hexMode);
std::string DecimalText(int32_t value);

// The red channel of the web-safe snap of a single value.
int16_t WebSafeValue(int32_t value);

} // namespace tinctora
