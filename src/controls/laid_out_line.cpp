// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "laid_out_line.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace tinctora {

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
    layout_->draw(&painter, QPointF(rect.x() + x, rect.y() + y));
}

} // namespace tinctora
