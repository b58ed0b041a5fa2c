// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pixels a window hands to the screen, read from its backing store once
// its pending paints are done, and where two pictures differ.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace tinctora::testing {

// The whole window as its backing store holds it; null where the store is
// not an image.
QImage ShownPixels(QWidget* window);

// The widget's area of its window's backing store, in device pixels.
QImage ShownArea(QWidget* widget);

// The first pixel where the two pictures differ, for a failure message;
// empty where they are the same.
QString FirstDifference(const QImage& seen, const QImage& expected);

} // namespace tinctora::testing
