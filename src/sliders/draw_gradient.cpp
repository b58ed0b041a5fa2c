// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing routines of the strips and the picker.
#include "draw_gradient.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace tinctora {

void DrawLine(QImage& dc, int X1, int Y1, int X2, int Y2, PackedColor color) {
    QRect covered;
    if (Y1 == Y2 && X1 != X2) {
        // Leftwards the pixels run from just right of the end up to the start.
        const int from = X1 < X2 ? X1 : X2 + 1;
        covered = QRect(from, Y1, std::abs(X2 - X1), 1);
    } else if (X1 == X2 && Y1 != Y2) {
        const int from = Y1 < Y2 ? Y1 : Y2 + 1;
        covered = QRect(X1, from, 1, std::abs(Y2 - Y1));
    } else {
        return;
    }
    covered = covered.intersected(dc.rect());
    if (covered.isEmpty()) {
        return;
    }
    // The pixels are written as 32-bit words: any other image is converted first.
    if (dc.depth() != 32) {
        dc.convertTo(QImage::Format_RGB32);
    }
    const QRgb pixel = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(dc.scanLine(y));
        std::fill(row + covered.left(), row + covered.right() + 1, pixel);
    }
}

void DrawGradient(QImage& target, const GradientEnds& ends, bool Horizontal, bool WebSafe) {
    const int width = target.width();
    const int height = target.height();
    const auto extent = static_cast<int16_t>(Horizontal ? width : height);
    ForEachGradientLine(ends, extent, WebSafe, [&](int16_t i, PackedColor color) {
        if (Horizontal) {
            DrawLine(target, i, 0, i, height, color);
        } else {
            DrawLine(target, 0, i, width, i, color);
        }
    });
}

} // namespace tinctora
