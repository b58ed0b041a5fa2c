// The eyedropper's mean, evasion, centring and magnifier.
#include "sampling.h"

#include "packed_qcolor.h"

#include <cmath>

namespace tinctora {

std::optional<RGBColor> BlockMean(const PixelBlock& block) {
    int16_t count = 0;
    int16_t red = 0;
    int16_t green = 0;
    int16_t blue = 0;
    for (const PackedColor c : block) {
        if (c == -1) {
            continue;
        }
        red = static_cast<int16_t>(red + RedOf(c));
        green = static_cast<int16_t>(green + GreenOf(c));
        blue = static_cast<int16_t>(blue + BlueOf(c));
        ++count;
    }
    if (count == 0) {
        return std::nullopt;
    }
    const auto mean = [count](int16_t sum) {
        return static_cast<int16_t>(RoundHalfEven(static_cast<double>(sum) / count));
    };
    RGBColor result;
    result.red = mean(red);
    result.green = mean(green);
    result.blue = mean(blue);
    return result;
}

namespace {

// The outer rectangle's right and bottom edges lie just past its last pixel.
int EvadedCoordinate(int pointer, int low, int high, int current, int windowExtent,
                     int screenExtent) {
    if (!(low < pointer && pointer < high)) {
        return current;
    }
    return current != 0 ? 0 : screenExtent - windowExtent;
}

} // namespace

QPoint EvadedPosition(QPoint pointer, QRect outer, QPoint windowPosition, QSize windowSize,
                      QSize screen) {
    return QPoint(EvadedCoordinate(pointer.x(), outer.left(), outer.left() + outer.width(),
                                   windowPosition.x(), windowSize.width(), screen.width()),
                  EvadedCoordinate(pointer.y(), outer.top(), outer.top() + outer.height(),
                                   windowPosition.y(), windowSize.height(), screen.height()));
}

QPoint CentredPosition(QSize screen, QSize windowSize) {
    return QPoint(
        static_cast<int>(std::nearbyint(screen.width() / 2.0 - windowSize.width() / 2.0)),
        static_cast<int>(std::nearbyint(screen.height() / 2.0 - windowSize.height() / 2.0)));
}

QImage MagnifierImage(const PixelBlock& block, bool ringed, QColor background) {
    constexpr int kCell = 5;
    QImage image(5 * kCell, 5 * kCell, QImage::Format_RGB32);
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            const PackedColor c = block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))];
            const QRgb fill = (c == -1 ? background : ToQColor(c)).rgb();
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    image.setPixel((dx + 2) * kCell + x, (dy + 2) * kCell + y, fill);
                }
            }
        }
    }
    if (ringed) {
        constexpr int kRingLow = 9;
        constexpr int kRingHigh = 15;
        for (int y = kRingLow; y <= kRingHigh; ++y) {
            for (int x = kRingLow; x <= kRingHigh; ++x) {
                const bool edge =
                    x == kRingLow || x == kRingHigh || y == kRingLow || y == kRingHigh;
                if (edge) {
                    image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFU);
                }
            }
        }
    }
    return image;
}

} // namespace tinctora
