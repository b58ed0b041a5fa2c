// The luminance search behind "Kontrast auf AA anheben".
#include "contrast_search.h"

#include "contrast.h"

namespace tinctora {

namespace {

struct Candidates {
    HSLColor hsl;
    PackedColor background;
    double ratio;
    bool webSafe;

    PackedColor at(int luminance) const {
        HSLColor moved = hsl;
        moved.luminance = static_cast<int16_t>(luminance);
        const PackedColor colour = HSLToRGB(moved);
        return webSafe ? PackColor(SnapWebSafe(UnpackColor(colour))) : colour;
    }
    bool reaches(int luminance) const {
        return luminance >= 0 && luminance <= 240 &&
               ContrastRatio(at(luminance), background) >= ratio;
    }
};

// Away from the background: lighter on a darker background, darker on a
// lighter one; on one just as light, towards whichever end contrasts more.
bool UpwardsAway(PackedColor colour, PackedColor background) {
    const double own = RelativeLuminance(colour);
    const double behind = RelativeLuminance(background);
    if (own != behind) {
        return own > behind;
    }
    return ContrastRatio(kWhite, background) >= ContrastRatio(kBlack, background);
}

} // namespace

std::optional<PackedColor> RaiseContrast(PackedColor colour, PackedColor background, double ratio,
                                         bool webSafe) {
    HSLColor hsl = RGBToHSL(colour);
    if (hsl.hue < 0) {
        // A grey has no hue; with saturation 0 any hue gives the same grey.
        hsl.hue = 0;
    }
    const Candidates candidates{hsl, background, ratio, webSafe};
    const int own = hsl.luminance;
    for (int distance = 0; distance <= 240; ++distance) {
        const bool down = candidates.reaches(own - distance);
        const bool up = candidates.reaches(own + distance);
        if (up && (!down || UpwardsAway(colour, background))) {
            return candidates.at(own + distance);
        }
        if (down) {
            return candidates.at(own - distance);
        }
    }
    return std::nullopt;
}

} // namespace tinctora
