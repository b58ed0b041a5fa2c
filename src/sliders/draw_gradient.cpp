// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing routines of the strips and the picker.
#include "draw_gradient.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace tinctora {

namespace {

// The pixels a line covers inside the image: none for a slanted line or a
// single point.
QRect Covered(const QImage& dc, int X1, int Y1, int X2, int Y2) {
    QRect covered;
    if (Y1 == Y2 && X1 != X2) {
        // Leftwards the pixels run from just right of the end up to the start.
        const int from = X1 < X2 ? X1 : X2 + 1;
        covered = QRect(from, Y1, std::abs(X2 - X1), 1);
    } else if (X1 == X2 && Y1 != Y2) {
        const int from = Y1 < Y2 ? Y1 : Y2 + 1;
        covered = QRect(X1, from, 1, std::abs(Y2 - Y1));
    }
    return covered.intersected(dc.rect());
}

// The pixels are written as 32-bit words: any other image is converted first.
// Reached once per drawing: every access to an image's pixels for writing
// first checks whether it is shared.
uchar* WritablePixels(QImage& dc) {
    if (dc.depth() != 32) {
        dc.convertTo(QImage::Format_RGB32);
    }
    return dc.bits();
}

void Fill(uchar* pixels, qsizetype bytesPerLine, const QRect& covered, PackedColor color) {
    const QRgb pixel = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pixels + y * bytesPerLine);
        std::fill(row + covered.left(), row + covered.right() + 1, pixel);
    }
}

} // namespace

void DrawLine(QImage& dc, int X1, int Y1, int X2, int Y2, PackedColor color) {
    const QRect covered = Covered(dc, X1, Y1, X2, Y2);
    if (!covered.isEmpty()) {
        uchar* pixels = WritablePixels(dc);
        Fill(pixels, dc.bytesPerLine(), covered, color);
    }
}

void DrawGradient(QImage& target, const GradientEnds& ends, bool Horizontal, bool WebSafe) {
    const int width = target.width();
    const int height = target.height();
    const auto extent = static_cast<int16_t>(Horizontal ? width : height);
    uchar* pixels = WritablePixels(target);
    const qsizetype bytesPerLine = target.bytesPerLine();
    // Every line but the last, which falls just outside, spans the image.
    ForEachGradientLine(ends, extent, WebSafe, [&](int16_t i, PackedColor color) {
        if (i < extent) {
            Fill(pixels, bytesPerLine, Horizontal ? QRect(i, 0, 1, height) : QRect(0, i, width, 1),
                 color);
        }
    });
}

} // namespace tinctora
