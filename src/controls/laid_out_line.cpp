// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "laid_out_line.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace tinctora {

namespace {

constexpr int kDrawsBeforeInk = 2;

} // namespace

LaidOutLine::LaidOutLine() = default;
LaidOutLine::~LaidOutLine() = default;

void LaidOutLine::layOut(const QString& text, const QFont& font, QPainter& painter) {
    text_ = text;
    font_ = font;
    layout_ = std::make_unique<QTextLayout>(text, font, painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    // As QPainter lays out one unwrapped line: below the font's leading in
    // whole pixels, as tall as its ascent and descent.
    height_ = QFontMetrics(font, painter.device()).leading();
    layout_->beginLayout();
    QTextLine line = layout_->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, height_));
    height_ += line.ascent() + line.descent();
    advance_ = line.horizontalAdvance();
    layout_->endLayout();
    inkColour_ = QColor();
    drawsAlike_ = 0;
    ink_.reset();
}

void LaidOutLine::drawAt(QPainter& painter, QPointF position) {
    const QColor colour = painter.pen().color();
    const QTransform& transform = painter.worldTransform();
    // Ink laid over the page gives the pixels the glyphs give drawn on it
    // for an opaque pen, drawn as is, at a whole pixel's offset, in true
    // colour.
    const bool asInk = colour.alpha() == 255 && painter.opacity() == 1 &&
                       painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
                       transform.type() <= QTransform::TxTranslate &&
                       transform.dx() == std::floor(transform.dx()) &&
                       transform.dy() == std::floor(transform.dy()) &&
                       painter.device()->depth() >= 24;
    if (!asInk) {
        layout_->draw(&painter, position);
        return;
    }
    const QPointF whole(std::floor(position.x()), std::floor(position.y()));
    const QPointF fraction = position - whole;
    // Ink is made for a line drawn a third time alike: a contrast mark that
    // changes on every step of a drag is drawn once or twice as it is, not
    // worth the ink; a line whose page changes below it is drawn on every
    // step.
    if (inkColour_ != colour || inkFraction_ != fraction) {
        inkColour_ = colour;
        inkFraction_ = fraction;
        drawsAlike_ = 0;
        ink_.reset();
    } else if (++drawsAlike_ == kDrawsBeforeInk) {
        ink_ = TextInk::Make(*layout_, colour, fraction);
    }
    if (ink_) {
        ink_->draw(painter, whole.toPoint());
    } else {
        layout_->draw(&painter, position);
    }
}

void LaidOutLine::draw(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    if (!layout_ || text_ != text || font_ != painter.font()) {
        layOut(text, painter.font(), painter);
    }
    // Qt 6.8 places a laid-out line at scale 2 a little apart from drawText,
    // so there the painter draws it as it always did.
    if (advance_ > rect.width() || height_ > rect.height() || text.contains(QLatin1Char('&')) ||
        painter.device()->devicePixelRatio() != 1) {
        painter.drawText(rect, flags, text);
        return;
    }
    double x = 0;
    double y = 0;
    if (flags & Qt::AlignRight) {
        x = rect.width() - advance_;
    } else if (flags & Qt::AlignHCenter) {
        x = (rect.width() - advance_) / 2;
    }
    if (flags & Qt::AlignBottom) {
        y = rect.height() - height_;
    } else if (flags & Qt::AlignVCenter) {
        y = (rect.height() - height_) / 2;
    }
    drawAt(painter, QPointF(rect.x() + x, rect.y() + y));
}

} // namespace tinctora
