// How the channel boxes read and write their text.
#include "channel_text.h"

namespace tinctora {

namespace {

constexpr int kBackspace = 8;

bool IsDigit(int code) {
    return code >= '0' && code <= '9';
}
bool IsHexLetter(int code) {
    return code >= 'A' && code <= 'F';
}
int UpperCase(int code) {
    return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
}
int LowerCase(int code) {
    return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
}

} // namespace

int FilterChannelKey(int index, int code, bool hexMode) {
    if (index == kHexBoxIndex) {
        const int lower = LowerCase(code);
        const int upper = UpperCase(lower);
        if (IsDigit(upper) || IsHexLetter(upper) || lower == kBackspace || lower == '#') {
            return lower;
        }
        return 0;
    }
    const int upper = UpperCase(code);
    if (IsDigit(upper) || upper == kBackspace) {
        return upper;
    }
    if (IsHexLetter(upper) && IsRgbChannel(index) && hexMode) {
        return upper;
    }
    return 0;
}

int16_t ReadChannelText(int index, std::string_view text, bool hexMode) {
    const int base = IsRgbChannel(index) && hexMode ? 16 : 10;
    return static_cast<int16_t>(
        ClampValue(ReadLeadingNumber(text, base), 0, ChannelMaximum(index)));
}

std::string RgbChannelText(int16_t value, bool hexMode) {
    return hexMode ? HexByte(value, 1) : DecimalText(value);
}

std::string DecimalText(int32_t value) {
    return std::to_string(value);
}

int16_t WebSafeValue(int32_t value) {
    RGBColor color;
    color.red = static_cast<int16_t>(value);
    return SnapWebSafe(color).red;
}

} // namespace tinctora
