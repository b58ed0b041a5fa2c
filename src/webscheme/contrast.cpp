// The contrast rule of WCAG 2.2 and its German wording.
#include "contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tinctora {

namespace {

// The 256 linearised channel values, worked out once: the web panel asks for
// five luminances on every refresh.
const std::array<double, 256>& LinearChannels() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const double c = static_cast<double>(i) / 255.0;
            values[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

} // namespace

double RelativeLuminance(PackedColor colour) {
    const auto& linear = LinearChannels();
    const double r = linear[static_cast<std::size_t>(RedOf(colour))];
    const double g = linear[static_cast<std::size_t>(GreenOf(colour))];
    const double b = linear[static_cast<std::size_t>(BlueOf(colour))];
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

double ContrastRatio(PackedColor a, PackedColor b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastLevel LevelOf(double ratio) {
    if (ratio >= kRatioAAA) {
        return ContrastLevel::AAA;
    }
    if (ratio >= kRatioAA) {
        return ContrastLevel::AA;
    }
    if (ratio >= kRatioAALarge) {
        return ContrastLevel::AALarge;
    }
    return ContrastLevel::TooLow;
}

double RatioOf(ContrastLevel level) {
    switch (level) {
    case ContrastLevel::AAA:
        return kRatioAAA;
    case ContrastLevel::AA:
        return kRatioAA;
    case ContrastLevel::AALarge:
        return kRatioAALarge;
    case ContrastLevel::TooLow:
        break;
    }
    return 1.0;
}

std::string RatioText(double ratio, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Cut, not rounded: a ratio at or above a level's figure reads at least
    // that figure, and one below it never does.
    const auto scaled = static_cast<long long>(std::floor(ratio * scale));
    const long long whole = scaled / static_cast<long long>(scale);
    std::string text = std::to_string(whole);
    if (decimals > 0) {
        std::string fraction = std::to_string(scaled % static_cast<long long>(scale));
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += ',' + fraction;
    }
    return text;
}

std::string LevelWords(ContrastLevel level) {
    switch (level) {
    case ContrastLevel::AAA:
        return "erfüllt AAA";
    case ContrastLevel::AA:
        return "erfüllt AA";
    case ContrastLevel::AALarge:
        return "erfüllt AA nur für große Schrift";
    case ContrastLevel::TooLow:
        break;
    }
    return "zu wenig Kontrast";
}

std::string LevelMark(ContrastLevel level) {
    switch (level) {
    case ContrastLevel::AAA:
        return "AAA";
    case ContrastLevel::AA:
        return "AA";
    case ContrastLevel::AALarge:
        return "AA groß";
    case ContrastLevel::TooLow:
        break;
    }
    return "✗";
}

std::string ContrastSentence(double ratio) {
    return "Kontrast zum Hintergrund " + RatioText(ratio, 2) + ":1 – " + LevelWords(LevelOf(ratio));
}

std::vector<std::string> MarkChoices(double ratio) {
    const ContrastLevel level = LevelOf(ratio);
    return {RatioText(ratio, 1) + " " + LevelMark(level), LevelMark(level),
            level >= ContrastLevel::AA ? "✓" : "✗"};
}

std::string BackgroundSummary(const std::vector<std::string>& belowAA) {
    if (belowAA.empty()) {
        return "Alle Textfarben erfüllen mindestens AA";
    }
    std::string names;
    for (const std::string& name : belowAA) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return "Zu wenig Kontrast für AA: " + names;
}

} // namespace tinctora
