// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the picked point lies when the arrow keys have moved it away from the
// pointer: steps of physical screen pixels, kept on the screen, and where the
// pointer goes to follow the point where the desktop lets it be moved.
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <optional>

namespace tinctora {

// The step an arrow key moves the point by, in physical pixels: one, or ten
// with Shift; nothing for any other key.
std::optional<QPoint> ArrowStep(int key, Qt::KeyboardModifiers modifiers);

// The point's offset from the pointer's physical pixel after a step, cut
// short at the screen's edges. pointer and screen are logical pixels; scale
// is the screen's physical pixels per logical pixel.
QPoint SteppedOffset(QPoint offset, QPoint step, QPoint pointer, QRect screen, double scale);

// Where the pointer goes to lie on the point, in logical pixels, and the
// offset left where no logical position reaches that physical pixel (at a
// scale of 2 only every other one is).
struct PointerFollow {
    QPoint pointer;
    QPoint offset;
};
PointerFollow FollowPoint(QPoint pointer, QPoint offset, QRect screen, double scale);

// The logical position nearest the point, for telling whether the window
// covers it.
QPoint PointPosition(QPoint pointer, QPoint offset, QRect screen, double scale);

} // namespace tinctora
