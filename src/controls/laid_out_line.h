// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One line of text kept laid out between paints. Laying a text out took
// longer than drawing it, and the preview's lines and the contrast marks are
// painted again on every step of a drag with their texts unchanged.
#pragma once

#include <QFont>
#include <QString>

#include <memory>

class QPainter;
class QRect;
class QTextLayout;

namespace tinctora {

class LaidOutLine {
public:
    LaidOutLine();
    ~LaidOutLine();
    LaidOutLine(const LaidOutLine&) = delete;
    LaidOutLine& operator=(const LaidOutLine&) = delete;

    // Draws the text in the painter's font and pen, pixel for pixel as
    // QPainter::drawText(rect, flags, text) does; laid out again only when
    // the text or the font changed. A text that does not fit its rectangle
    // on one line, has an access key or is drawn at a scale other than 1 is
    // left to QPainter.
    void draw(QPainter& painter, const QRect& rect, int flags, const QString& text);

private:
    void layOut(const QString& text, const QFont& font, QPainter& painter);

    QString text_;
    QFont font_;
    std::unique_ptr<QTextLayout> layout_;
    double height_ = 0;
    double advance_ = 0;
};

} // namespace tinctora
