// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// From a pointer position on a strip or on the picker to a channel value, and
// the text that value is written into the channel's box as.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tinctora {

// The value under row y of a strip hp pixels high: the scale at row 0, 0 at
// the bottom row, clamped beyond the strip.
int32_t StripValueAt(float y, double hp, int32_t scale);

// The picker column under x: x rounded and kept within the strip's columns,
// however far outside the window the pointer is.
float PickerColumn(float x, int scaleWidth);
// The value of a picker column: 0 at the left column, the maximum at the
// right, the column's share floored in whole numbers so that no rounding of a
// fraction moves a value between neighbouring columns.
int32_t PickerValueAt(float column, int scaleWidth, int16_t maxValue);
// The marker's column for a value: the first column that picks it again, so
// that the pointer left on the marker's column gives back the very value the
// strip opened at. Values above the maximum lie right of the strip.
int32_t PickerMarkerColumn(int32_t value, int16_t maxValue, int scaleWidth);

// How the picker's marker follows the pointer. Where the pointer could not be
// put on the marker's column (a desktop that ignores pointer moves, a
// compositor that moved the strip to keep it on the screen), the marker stays
// where it is shown until the pointer reaches it, and from then on follows the
// column under the pointer: the value never jumps.
class PickerFollow {
public:
    // startColumn: the column the pointer is over as the strip opens.
    // startShown: whether that column is taken from the strip as shown; if
    // it comes from Qt's idea of the strip's place, the first reading on the
    // strip as shown judges afresh which side of the marker the pointer is on.
    PickerFollow(int32_t markerColumn, float startColumn, int scaleWidth, bool startShown);

    // A reading at x on the strip as shown. Returns the column to pick at, or
    // empty while the marker waits for the pointer.
    std::optional<float> shown(float x);
    // A reading at x on the strip where the program asked for it, which may
    // lie off the strip as shown by a move of the compositor's that the
    // program cannot see. These continue from the last shown reading; before
    // any, they are taken as they come. level: whether the reading is level
    // with the strip's rows. After shown readings, which tell that the strip's
    // own window gets the pointer while over it, a level one is off an end of
    // the strip: it picks that end's column, and back on the strip the marker
    // follows on, the pointer having come back over the columns in between.
    std::optional<float> unsure(float x, bool level);

private:
    std::optional<float> follow(float column);

    int scaleWidth_;
    float marker_;
    bool engaged_ = false;
    // The side of the marker the waiting pointer is on: -1 left, 1 right.
    std::optional<int> side_;
    enum class Last { None, Shown, Unsure, OffEnd } last_ = Last::None;
    float lastShownX_ = 0;
    float offEndColumn_ = 0;
    float unsureOffset_ = 0;
};

// The text a strip or the picker writes for a value: red, green and blue
// (0..2) snapped in web-safe mode and as two hex digits in hex mode; hue,
// saturation and luminance always plain decimal.
std::string ChannelValueText(int index, int32_t value, bool hexMode, bool webSafe);

} // namespace tinctora
