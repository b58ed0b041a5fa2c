// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper's arithmetic: the mean of a 5 x 5 block, where the window
// goes to keep out of the pointer's way, and the magnified picture.
#pragma once

#include "colour.h"
#include "desktop.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace tinctora {

// Each channel's mean over the readable pixels of the block, halves to the
// even neighbour; empty when no pixel could be read.
std::optional<RGBColor> BlockMean(const PixelBlock& block);

// Where the window goes when the pointer comes level with it: a pointer
// strictly between the outer rectangle's left and right edges sends the
// window to the left edge of the screen, or to the right edge when it is
// already at the left; the same, independently, for top and bottom.
QPoint EvadedPosition(QPoint pointer, QRect outer, QPoint windowPosition, QSize windowSize,
                      QSize screen);

// The window's top left corner that centres it on the screen.
QPoint CentredPosition(QSize screen, QSize windowSize);

// The 25 x 25 magnifier: each pixel of the block as a 5 x 5 cell, unreadable
// pixels in the background colour. ringed inverts the 7 x 7 frame around the
// centre cell once, so it stands out on any colour.
QImage MagnifierImage(const PixelBlock& block, bool ringed, QColor background);

// Where the magnifier goes beside the pointer on a frozen frame of the screen
// (the main window lies under it there): below and to the right, or on the
// other side of the pointer where it would leave the screen's area.
constexpr int kMagnifierGap = 24;
QRect MagnifierPlace(QPoint pointer, QSize magnifier, QRect area);

} // namespace tinctora
