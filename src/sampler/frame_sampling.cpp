// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sampling a still frame of the whole desktop.
#include "frame_sampling.h"

#include <cmath>

namespace tinctora {

namespace {

int Scaled(int coordinate, double scale) {
    return static_cast<int>(std::nearbyint(coordinate * scale));
}

double ScaleOf(int pixels, int area) {
    return area > 0 ? static_cast<double>(pixels) / area : 1.0;
}

} // namespace

std::vector<FrameScreen> FrameLayout(const std::vector<QRect>& screens, QSize frameSize) {
    QRect box;
    for (const QRect& screen : screens) {
        box = box.united(screen);
    }
    std::vector<FrameScreen> layout;
    if (box.isEmpty() || frameSize.isEmpty()) {
        return layout;
    }
    const double scaleX = ScaleOf(frameSize.width(), box.width());
    const double scaleY = ScaleOf(frameSize.height(), box.height());
    for (const QRect& screen : screens) {
        // Both edges scaled, not the size: neighbouring screens stay neighbours.
        const int left = Scaled(screen.left() - box.left(), scaleX);
        const int top = Scaled(screen.top() - box.top(), scaleY);
        const int right = Scaled(screen.left() + screen.width() - box.left(), scaleX);
        const int bottom = Scaled(screen.top() + screen.height() - box.top(), scaleY);
        layout.push_back({screen, QRect(left, top, right - left, bottom - top)});
    }
    return layout;
}

QPoint FramePixel(const ScreenFrame& frame, QPointF position) {
    if (frame.screens.empty()) {
        return position.toPoint();
    }
    const FrameScreen* on = &frame.screens.front();
    for (const FrameScreen& screen : frame.screens) {
        if (QRectF(screen.area).contains(position)) {
            on = &screen;
            break;
        }
    }
    // A pointer at a fraction of a logical pixel is on the physical pixel
    // that fraction falls in, not the nearest one.
    const double x =
        (position.x() - on->area.left()) * ScaleOf(on->pixels.width(), on->area.width());
    const double y =
        (position.y() - on->area.top()) * ScaleOf(on->pixels.height(), on->area.height());
    return on->pixels.topLeft() +
           QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

QPoint ShownPixel(const FrameScreen& screen, QSize shown, QPointF position) {
    if (shown.isEmpty()) {
        shown = screen.area.size();
    }
    const double x = position.x() * ScaleOf(screen.pixels.width(), shown.width());
    const double y = position.y() * ScaleOf(screen.pixels.height(), shown.height());
    return screen.pixels.topLeft() +
           QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

PixelBlock FrameBlock(const ScreenFrame& frame, QPointF position) {
    return FrameBlockAround(frame, FramePixel(frame, position));
}

PixelBlock FrameBlockAround(const ScreenFrame& frame, QPoint centre) {
    PixelBlock block;
    block.fill(-1);
    if (frame.image.isNull()) {
        return block;
    }
    const auto shown = [&frame](QPoint pixel) {
        if (!frame.image.valid(pixel)) {
            return false;
        }
        for (const FrameScreen& screen : frame.screens) {
            if (screen.pixels.contains(pixel)) {
                return true;
            }
        }
        return false;
    };
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint pixel = centre + QPoint(dx, dy);
            if (shown(pixel)) {
                const QRgb rgb = frame.image.pixel(pixel);
                block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))] =
                    PackColor(static_cast<int16_t>(qRed(rgb)), static_cast<int16_t>(qGreen(rgb)),
                              static_cast<int16_t>(qBlue(rgb)));
            }
        }
    }
    return block;
}

QImage FramePart(const ScreenFrame& frame, const FrameScreen& screen) {
    QImage part = frame.image.copy(screen.pixels);
    if (!part.isNull() && screen.area.width() > 0) {
        part.setDevicePixelRatio(ScaleOf(screen.pixels.width(), screen.area.width()));
    }
    return part;
}

} // namespace tinctora
