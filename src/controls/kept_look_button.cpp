// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button that draws its kept looks over whatever is behind it.
#include "kept_look_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace tinctora {

namespace {

bool IsWhole(qreal value) {
    return value == std::floor(value);
}

} // namespace

KeptLookButton::KeptLookButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

bool KeptLookButton::laysImagesOn(const QPainter& painter) const {
    // Device pixels that map one to one onto the image's.
    const QTransform toDevice = painter.deviceTransform();
    const qreal ratio = devicePixelRatioF();
    return toDevice.type() <= QTransform::TxScale && toDevice.m11() == ratio &&
           toDevice.m22() == ratio && IsWhole(toDevice.dx()) && IsWhole(toDevice.dy());
}

QImage KeptLookButton::drawnLook(qreal ratio) {
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // Painted as a push button paints itself on the screen, with the pen,
    // font and direction a painter on the button starts with.
    QStylePainter painter(&image, this);
    initPainter(&painter);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.end();
    return image;
}

void KeptLookButton::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    // Below true colour the style's blending on the device rounds otherwise
    // than the image's.
    if (!IsWhole(ratio) || depth() < 24) {
        QPushButton::paintEvent(event);
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    const Look key{option.state,
                   style(),
                   option.palette.cacheKey(),
                   option.rect.size(),
                   ratio,
                   static_cast<int>(option.features),
                   option.direction,
                   option.icon.cacheKey(),
                   option.iconSize,
                   option.text,
                   font()};
    const QImage& look = looks_.look(key, [&] { return drawnLook(ratio); });
    QPainter painter(this);
    if (!laysImagesOn(painter)) {
        painter.end();
        QPushButton::paintEvent(event);
        return;
    }
    painter.drawImage(QPointF(0, 0), look);
}

} // namespace tinctora
