// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ink of one laid-out line of text in one colour, kept as images: laid
// over any page in turn, they give the very pixels that drawing the line's
// glyphs on that page gives.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <optional>
#include <vector>

class QPainter;
class QTextLayout;

namespace tinctora {

class TextInk {
public:
    // The ink of the layout's lines drawn in the colour at the given fraction
    // of a pixel past a whole pixel; none where images cannot stand in for
    // the glyphs.
    static std::optional<TextInk> Make(const QTextLayout& layout, QColor colour, QPointF fraction);

    // Lays the ink over the page with its whole pixel at the given point.
    void draw(QPainter& painter, QPoint at) const;
    // The pixels the ink covers, its whole pixel at the origin.
    QRect bounds() const;

private:
    struct Layer {
        QPoint offset;
        QImage image;
    };
    std::vector<Layer> layers_;
};

} // namespace tinctora
