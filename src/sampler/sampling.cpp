// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper's mean, evasion, centring and magnifier.
#include "sampling.h"

#include "packed_qcolor.h"

#include <algorithm>
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
    constexpr int kSide = 5 * kCell;
    // Written row by row into the image's own lines: the eyedropper makes a
    // new one on every tick that sees another block.
    QImage image(kSide, kSide, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    for (int y = 0; y < kSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int dx = -2; dx <= 2; ++dx) {
            const PackedColor c =
                block[static_cast<std::size_t>(PixelBlockIndex(dx, y / kCell - 2))];
            const QRgb fill = (c == -1 ? background : ToQColor(c)).rgb();
            std::fill_n(line + (dx + 2) * kCell, kCell, fill);
        }
    }
    if (ringed) {
        constexpr int kRingLow = 9;
        constexpr int kRingHigh = 15;
        constexpr QRgb kInvert = 0x00FFFFFFU;
        for (int y = kRingLow; y <= kRingHigh; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const bool edgeRow = y == kRingLow || y == kRingHigh;
            for (int x = kRingLow; x <= kRingHigh; ++x) {
                if (edgeRow || x == kRingLow || x == kRingHigh) {
                    line[x] ^= kInvert;
                }
            }
        }
    }
    return image;
}

namespace {

int MagnifierCoordinate(int pointer, int extent, int low, int high) {
    const int after = pointer + kMagnifierGap;
    if (after + extent <= high) {
        return after;
    }
    return std::max(low, pointer - kMagnifierGap - extent);
}

} // namespace

QRect MagnifierPlace(QPoint pointer, QSize magnifier, QRect area) {
    return QRect(MagnifierCoordinate(pointer.x(), magnifier.width(), area.left(),
                                     area.left() + area.width()),
                 MagnifierCoordinate(pointer.y(), magnifier.height(), area.top(),
                                     area.top() + area.height()),
                 magnifier.width(), magnifier.height());
}

} // namespace tinctora
