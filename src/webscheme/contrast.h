// How readable one colour is on another, by the W3C's rule (WCAG 2.2): the
// relative luminance, the contrast ratio, the level it reaches and the German
// words the web panel shows for it.
#pragma once

#include "colour.h"

#include <string>
#include <vector>

namespace tinctora {

enum class ContrastLevel { TooLow, AALarge, AA, AAA };

inline constexpr double kRatioAAA = 7.0;
inline constexpr double kRatioAA = 4.5;
inline constexpr double kRatioAALarge = 3.0;

// 0 for black to 1 for white, from the sRGB channels linearised.
double RelativeLuminance(PackedColor colour);
// From 1 (the same luminance) to 21 (black and white); the order of the two
// colours does not matter.
double ContrastRatio(PackedColor a, PackedColor b);
// The ratio as it is, never rounded: 4.499 stays below AA.
ContrastLevel LevelOf(double ratio);
double RatioOf(ContrastLevel level);

// The ratio with a decimal comma and the given number of decimals, cut: a
// ratio just short of a level never reads as reaching it.
std::string RatioText(double ratio, int decimals);
// "erfüllt AAA", "erfüllt AA", "erfüllt AA nur für große Schrift", "zu wenig Kontrast".
std::string LevelWords(ContrastLevel level);
// The short mark beside a ratio: "AAA", "AA", "AA groß", "✗".
std::string LevelMark(ContrastLevel level);
// "Kontrast zum Hintergrund 12,63:1 – erfüllt AAA".
std::string ContrastSentence(double ratio);
// What a role button shows beside its caption, from the fullest to the
// shortest: "12,6 AAA", "AAA", then "✓" for AA and better, "✗" below.
std::vector<std::string> MarkChoices(double ratio);
// The background's words on the text roles below AA, named as their buttons
// are, or that there are none.
std::string BackgroundSummary(const std::vector<std::string>& belowAA);

} // namespace tinctora
