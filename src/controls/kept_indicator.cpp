// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kept_indicator.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>

namespace tinctora {

namespace {

// Room round the indicator for the edges of its outline.
constexpr int kMargin = 2;

} // namespace

void KeptIndicator::draw(QPainter& painter, const QStyleOptionButton& option,
                         const QWidget* widget) {
    const QBrush& background = option.palette.brush(widget->backgroundRole());
    // An image laid on the button gives the pixels drawing on it gives only
    // on a solid background, at scale 1, in true colour, drawn as is.
    if (background.style() != Qt::SolidPattern || background.color().alpha() != 255 ||
        painter.device()->devicePixelRatio() != 1 || painter.device()->depth() < 24 ||
        painter.worldTransform().type() != QTransform::TxNone) {
        widget->style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, widget);
        return;
    }
    const Look key{background.color().rgb(), option.state, option.rect, option.direction,
                   option.palette};
    const QImage& look = kept_.look(key, [&] {
        const QRect area = option.rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(background.color());
        QPainter drawing(&image);
        drawing.translate(-area.topLeft());
        widget->style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &drawing, widget);
        drawing.end();
        return image;
    });
    painter.drawImage(option.rect.topLeft() - QPoint(kMargin, kMargin), look);
}

} // namespace tinctora
