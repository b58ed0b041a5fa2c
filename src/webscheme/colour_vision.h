// How a colour looks to someone who sees colours differently: the dichromacies
// by the model of Machado, Oliveira and Fernandes, and complete colour
// blindness as luminance alone.
#pragma once

#include "colour.h"

#include <array>
#include <string>

namespace tinctora {

enum class ColourVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr std::array<ColourVision, 5> kColourVisions = {
    ColourVision::Normal, ColourVision::Protanopia, ColourVision::Deuteranopia,
    ColourVision::Tritanopia, ColourVision::Achromatopsia};

// The colour as seen with the given vision; normal vision leaves it as it is.
PackedColor SimulateVision(PackedColor colour, ColourVision vision);

// The menu entry: "Normales Farbsehen", "Protanopie (Rotblindheit)", ...
std::string VisionCaption(ColourVision vision);
// The short name the preview shows while it simulates: "Protanopie", ...
std::string VisionName(ColourVision vision);

} // namespace tinctora
