// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the eyedropper in the widget tests: a scripted screen for the fake
// desktop, the box pressed and released, the frames opened over the screen,
// and what the boxes and the magnifier show.
#pragma once

#include "fake_desktop.h"
#include "frame_overlay.h"
#include "frm_main.h"

#include <QColor>
#include <QImage>
#include <QStringList>

namespace tinctora::testing {

// The fake desktop's whole screen in one colour.
QImage UniformScreen(QColor colour);

// Gives back every pointer a pick left set; true when there was one. Every
// pick gives its pointer back, and a failed test's leftover must not fail the
// next ones too.
bool PointerLeftOver();

// A button pressed on, and released over, the middle of the eyedropper's box.
void PressEyedropper(frmMain& form, Qt::MouseButton button = Qt::LeftButton);
void ReleaseEyedropper(frmMain& form, Qt::MouseButton button = Qt::LeftButton);

// The texts of the red, green and blue boxes, and those texts for a colour.
QStringList RgbTexts(const frmMain& form);
QStringList RgbTexts(int red, int green, int blue);

// A pixel of the eyedropper's box as it is painted, magnifier included.
QColor MagnifierPixel(const frmMain& form, int x, int y);

// The one overlay a frame of the fake's single screen opens; null unless
// exactly one is open.
FrameOverlay* OnlyOverlay(const frmMain& form);
// Opens the overlay with a click on the box and the frame's arrival.
FrameOverlay* OpenOverlay(frmMain& form, FakeDesktop& desktop);

} // namespace tinctora::testing
