// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sampling a still frame of the whole desktop: where each screen lies in it,
// and the 5 x 5 block of physical pixels under a pointer position.
#pragma once

#include "desktop.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <vector>

namespace tinctora {

// Where each screen's pixels lie in a frame of the given size. Portals compose
// every screen into one picture of the screens' bounding box at one scale, so
// the scale is the frame's size over the box's size; screens are given in the
// coordinates the pointer will be given in.
std::vector<FrameScreen> FrameLayout(const std::vector<QRect>& screens, QSize frameSize);

// The frame pixel under a position, on the screen that holds it or, beside
// every screen, at the first screen's scale.
QPoint FramePixel(const ScreenFrame& frame, QPointF position);

// The frame pixel under a position in a window that shows one screen's part of
// the frame stretched over the whole window. The window has the size the
// desktop gave it, which need not be the screen's logical size the desktop
// reported (GNOME reports a scaled screen at its physical size to Qt 6.4):
// the position's share of the window is its share of the screen's pixels.
QPoint ShownPixel(const FrameScreen& screen, QSize shown, QPointF position);

// The 5 x 5 block of frame pixels centred on the one under position, laid out
// like a block read from the screen: pixels outside every screen's share of
// the frame are -1, and so is every pixel of an empty frame.
PixelBlock FrameBlock(const ScreenFrame& frame, QPointF position);
// The same around a frame pixel.
PixelBlock FrameBlockAround(const ScreenFrame& frame, QPoint centre);

// The part of the frame that shows one screen, at that screen's scale, so that
// painted over the screen's area it shows each pixel once.
QImage FramePart(const ScreenFrame& frame, const FrameScreen& screen);

} // namespace tinctora
