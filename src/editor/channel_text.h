// How the channel boxes read and write their text: the key filter, the
// numeric reading of a box, and the texts the displays show.
#pragma once

#include "colour.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tinctora {

constexpr int kHexBoxIndex = 6;
constexpr int kAllChannels = 7;

// The largest value of a channel: 255 for red, green and blue, 240 for HSL.
constexpr int ChannelMaximum(int index) {
    return index <= 2 ? 255 : 240;
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
