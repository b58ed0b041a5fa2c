// The nearest readable version of a colour: the same hue and saturation at the
// luminance closest to its own that reaches a contrast ratio on a background.
#pragma once

#include "colour.h"

#include <optional>

namespace tinctora {

// The colour with its luminance (0..240) moved as little as needed for its
// ratio to the background to reach `ratio`, up or down, whichever is nearer;
// at equal distance, away from the background's luminance. With `webSafe`
// each candidate is judged as the all-web-safe mode will snap it. Nothing
// when no luminance reaches the ratio.
std::optional<PackedColor> RaiseContrast(PackedColor colour, PackedColor background, double ratio,
                                         bool webSafe);

} // namespace tinctora
