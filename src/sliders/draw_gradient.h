// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing routines of the strips and the picker: one line, and a gradient
// over a whole image drawn line by line, written straight into the images'
// pixels (32-bit RGB, as the picture boxes and the picker keep them).
#pragma once

#include "colour.h"
#include "gradient.h"

class QImage;

namespace tinctora {

// A horizontal or vertical one-pixel line from (X1, Y1) towards (X2, Y2); the
// end point itself is not painted, nor anything outside the image.
void DrawLine(QImage& dc, int X1, int Y1, int X2, int Y2, PackedColor color);

// A gradient between packed colours or HSL triples over the whole image: top
// to bottom, or left to right when Horizontal. The last line, in the end
// colour, falls just outside the image.
void DrawGradient(QImage& target, const GradientEnds& ends, bool Horizontal, bool WebSafe);

} // namespace tinctora
