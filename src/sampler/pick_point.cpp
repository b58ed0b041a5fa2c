// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The arrow keys' steps of the picked point and the pointer that follows it.
#include "pick_point.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tinctora {

namespace {

int Nearest(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// The physical pixel a logical coordinate lies on, counted from the screen's
// origin, and the number of physical pixels across the screen.
int PhysicalPixel(int logical, int origin, double scale) {
    return Nearest((logical - origin) * scale);
}

int SteppedCoordinate(int offset, int step, int pointer, int origin, int extent, double scale) {
    const int from = PhysicalPixel(pointer, origin, scale);
    const int last = std::max(0, Nearest(extent * scale) - 1);
    return std::clamp(from + offset + step, 0, last) - from;
}

} // namespace

std::optional<QPoint> ArrowStep(int key, Qt::KeyboardModifiers modifiers) {
    const int length = modifiers.testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
        return QPoint(-length, 0);
    case Qt::Key_Right:
        return QPoint(length, 0);
    case Qt::Key_Up:
        return QPoint(0, -length);
    case Qt::Key_Down:
        return QPoint(0, length);
    default:
        return std::nullopt;
    }
}

QPoint SteppedOffset(QPoint offset, QPoint step, QPoint pointer, QRect screen, double scale) {
    return QPoint(
        SteppedCoordinate(offset.x(), step.x(), pointer.x(), screen.left(), screen.width(), scale),
        SteppedCoordinate(offset.y(), step.y(), pointer.y(), screen.top(), screen.height(), scale));
}

PointerFollow FollowPoint(QPoint pointer, QPoint offset, QRect screen, double scale) {
    const auto follow = [scale](int pointerAt, int offsetBy, int origin, int extent) {
        const int target = PhysicalPixel(pointerAt, origin, scale) + offsetBy;
        const int logical = std::clamp(Nearest(target / scale), 0, std::max(0, extent - 1));
        return std::pair(origin + logical, target - Nearest(logical * scale));
    };
    const auto [x, dx] = follow(pointer.x(), offset.x(), screen.left(), screen.width());
    const auto [y, dy] = follow(pointer.y(), offset.y(), screen.top(), screen.height());
    return {QPoint(x, y), QPoint(dx, dy)};
}

QPoint PointPosition(QPoint pointer, QPoint offset, QRect screen, double scale) {
    if (offset == QPoint()) {
        return pointer;
    }
    const auto logical = [scale](int pointerAt, int offsetBy, int origin) {
        return origin + Nearest((PhysicalPixel(pointerAt, origin, scale) + offsetBy) / scale);
    };
    return QPoint(logical(pointer.x(), offset.x(), screen.left()),
                  logical(pointer.y(), offset.y(), screen.top()));
}

} // namespace tinctora
