// From a pointer position to a channel value and its text.
#include "pointer_values.h"

#include "channel_text.h"
#include "colour.h"

#include <algorithm>
#include <cmath>

namespace tinctora {

int32_t StripValueAt(float y, double hp, int32_t scale) {
    const double t = y / (hp - 1) * scale;
    // Clamped before the conversion: a pointer far off the strip must not overflow.
    const double floored = std::clamp(std::floor(t), 0.0, static_cast<double>(scale));
    return scale - static_cast<int32_t>(floored);
}

float PickerColumn(float x, int scaleWidth) {
    const double last = RoundHalfEven(scaleWidth - 1);
    return static_cast<float>(std::clamp(RoundHalfEven(x), 0.0, last));
}

int32_t PickerValueAt(float column, int scaleWidth, int16_t maxValue) {
    return static_cast<int32_t>(column) * maxValue / (scaleWidth - 1);
}

int32_t PickerMarkerColumn(int32_t value, int16_t maxValue, int scaleWidth) {
    if (value <= 0 || maxValue <= 0) {
        return 0;
    }
    // The smallest column c with c * maxValue / (scaleWidth - 1) >= value.
    return (value * (scaleWidth - 1) + maxValue - 1) / maxValue;
}

PickerFollow::PickerFollow(int32_t markerColumn, float startColumn, int scaleWidth, bool startShown)
    : scaleWidth_(scaleWidth), marker_(static_cast<float>(markerColumn)) {
    follow(PickerColumn(startColumn, scaleWidth_));
    // A start a compositor's unseen move put on the other side of the marker
    // would otherwise count as passing it, and the value would jump.
    if (!startShown) {
        last_ = Last::Unsure;
    }
}

std::optional<float> PickerFollow::shown(float x) {
    // Back on the strip after readings that only continued from it: those
    // may have drifted by a few pixels, so the marker waits for the pointer
    // again rather than jump to it.
    if (last_ == Last::Unsure) {
        engaged_ = false;
        side_.reset();
    }
    last_ = Last::Shown;
    lastShownX_ = x;
    return follow(PickerColumn(x, scaleWidth_));
}

std::optional<float> PickerFollow::unsure(float x, bool level) {
    const auto lastColumn = static_cast<float>(scaleWidth_ - 1);
    if (level && (last_ == Last::Shown || last_ == Last::OffEnd)) {
        // A move of the compositor's shifts the strip by far less than half
        // its width, so the side of its middle tells the end.
        offEndColumn_ = x >= lastColumn / 2 ? lastColumn : 0.0f;
        last_ = Last::OffEnd;
        return follow(offEndColumn_);
    }
    // The first of them takes over where the last shown one left off, or
    // from the end the pointer left by: as they come where they lie beyond
    // it, else from that end's column.
    if (last_ == Last::Shown) {
        unsureOffset_ = lastShownX_ - x;
    } else if (last_ == Last::OffEnd) {
        unsureOffset_ = offEndColumn_ > 0 ? std::max(0.0f, offEndColumn_ - x) : std::min(0.0f, -x);
    }
    last_ = Last::Unsure;
    return follow(PickerColumn(x + unsureOffset_, scaleWidth_));
}

std::optional<float> PickerFollow::follow(float column) {
    if (!engaged_) {
        // A marker right of the strip (a hue above 240) is reached at the last column.
        const float target = std::min(marker_, static_cast<float>(scaleWidth_ - 1));
        const int side = (column > target) - (column < target);
        if (!side_) {
            side_ = side;
        }
        // Reached, or passed over between two readings.
        engaged_ = side == 0 || side != *side_;
        if (!engaged_) {
            return std::nullopt;
        }
    }
    marker_ = column;
    return column;
}

std::string ChannelValueText(int index, int32_t value, bool hexMode, bool webSafe) {
    if (!IsRgbChannel(index)) {
        return DecimalText(value);
    }
    const int16_t shown = webSafe ? WebSafeValue(value) : static_cast<int16_t>(value);
    return RgbChannelText(shown, hexMode);
}

} // namespace tinctora
