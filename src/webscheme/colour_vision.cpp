// Colour vision simulated on linear sRGB.
#include "colour_vision.h"

#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace tinctora {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, G. M., Oliveira, M. M. and Fernandes, L. A. F. (2009), "A
// Physiologically-based Model for Simulation of Color Vision Deficiency",
// IEEE Transactions on Visualization and Computer Graphics 15(6), 1291-1298:
// the authors' published matrices for severity 1.0 (dichromacy), which act
// on linear sRGB.
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};

double Linear(int16_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Back to an sRGB channel; a result outside the screen's gamut is clipped.
int16_t Encoded(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double c = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return static_cast<int16_t>(RoundHalfEven(c * 255.0));
}

PackedColor Apply(const Matrix& m, PackedColor colour) {
    const std::array<double, 3> in = {Linear(RedOf(colour)), Linear(GreenOf(colour)),
                                      Linear(BlueOf(colour))};
    std::array<int16_t, 3> out{};
    for (std::size_t row = 0; row < 3; ++row) {
        out[row] = Encoded(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    }
    return PackColor(out[0], out[1], out[2]);
}

} // namespace

PackedColor SimulateVision(PackedColor colour, ColourVision vision) {
    switch (vision) {
    case ColourVision::Protanopia:
        return Apply(kProtanopia, colour);
    case ColourVision::Deuteranopia:
        return Apply(kDeuteranopia, colour);
    case ColourVision::Tritanopia:
        return Apply(kTritanopia, colour);
    case ColourVision::Achromatopsia: {
        const int16_t grey = Encoded(RelativeLuminance(colour));
        return PackColor(grey, grey, grey);
    }
    case ColourVision::Normal:
        break;
    }
    return PackColor(UnpackColor(colour));
}

std::string VisionCaption(ColourVision vision) {
    switch (vision) {
    case ColourVision::Protanopia:
        return "Protanopie (Rotblindheit)";
    case ColourVision::Deuteranopia:
        return "Deuteranopie (Grünblindheit)";
    case ColourVision::Tritanopia:
        return "Tritanopie (Blaublindheit)";
    case ColourVision::Achromatopsia:
        return "Achromatopsie (keine Farben)";
    case ColourVision::Normal:
        break;
    }
    return "Normales Farbsehen";
}

std::string VisionName(ColourVision vision) {
    const std::string caption = VisionCaption(vision);
    return vision == ColourVision::Normal ? caption : caption.substr(0, caption.find(" ("));
}

} // namespace tinctora
