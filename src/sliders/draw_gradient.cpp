// The drawing routines of the strips and the picker.
#include "draw_gradient.h"

#include "packed_qcolor.h"

#include <QPaintDevice>
#include <QPainter>

#include <cstdlib>

namespace tinctora {

void DrawLine(QPainter& dc, int X1, int Y1, int X2, int Y2, PackedColor color) {
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
    dc.fillRect(covered, ToQColor(color));
}

void DrawGradient(QPainter& target, const GradientEnds& ends, bool Horizontal, bool WebSafe) {
    const QPaintDevice* device = target.device();
    if (device == nullptr) {
        return;
    }
    const int width = device->width();
    const int height = device->height();
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
