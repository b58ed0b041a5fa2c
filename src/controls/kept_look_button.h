// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button on a box whose colour the refresh changes on every step of a
// drag: its look is kept drawn, and each step draws it again over the box's
// new colour without the style.
#pragma once

#include "kept_looks.h"

#include <QFont>
#include <QPushButton>
#include <QStyle>

namespace tinctora {

// The look is drawn on a transparent image, so the rounded corners and every
// other pixel the style blends with the background blend with the box's
// colour of the moment when the image is laid on it. For a style that draws
// a push button from its state alone, without animations, as Fusion does. At
// a fractional scale, where the button's edges share screen pixels with the
// box, and below true colour, it paints as any push button.
class KeptLookButton : public QPushButton {
    Q_OBJECT
public:
    KeptLookButton(const QString& text, QWidget* parent);

    // Hover, press, focus and the others: enough for every state one button
    // goes through.
    static constexpr std::size_t kKeptLooks = 8;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Everything but the background that a push button's pixels depend on;
    // compared in this order, the dearest last.
    struct Look {
        QStyle::State state;
        const QStyle* style = nullptr;
        qint64 palette = 0;
        QSize size;
        qreal ratio = 0;
        int features = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        qint64 icon = 0;
        QSize iconSize;
        QString text;
        QFont font;
        bool operator==(const Look&) const = default;
    };

    // Whether a look kept as an image lands on this painter's device pixel
    // for pixel.
    bool laysImagesOn(const QPainter& painter) const;
    QImage drawnLook(qreal ratio);

    KeptLooks<Look> looks_{kKeptLooks};
};

} // namespace tinctora
