// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pixels a window hands to the screen.
#include "shown_pixels.h"

#include <QApplication>
#include <QBackingStore>
#include <QWidget>

namespace tinctora::testing {

QImage ShownPixels(QWidget* window) {
    QApplication::processEvents();
    QPaintDevice* device = window->backingStore()->paintDevice();
    if (device->devType() != QInternal::Image) {
        return {};
    }
    return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
}

QImage ShownArea(QWidget* widget) {
    const QImage screen = ShownPixels(widget->window());
    const qreal ratio = widget->devicePixelRatioF();
    const QRectF area(QPointF(widget->mapTo(widget->window(), QPoint(0, 0))) * ratio,
                      QSizeF(widget->size()) * ratio);
    return screen.isNull() ? screen : screen.copy(area.toAlignedRect());
}

QString FirstDifference(const QImage& seen, const QImage& expected) {
    if (seen.size() != expected.size()) {
        return QStringLiteral("sizes differ");
    }
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            if (seen.pixel(x, y) != expected.pixel(x, y)) {
                return QStringLiteral("(%1,%2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(seen.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
            }
        }
    }
    return {};
}

} // namespace tinctora::testing
