// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_ink.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tinctora {

namespace {

QImage Canvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

QRgb* Row(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

// The part of an image that holds ink, and where it lies.
QRect Inked(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    int left = width;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = Row(image, y);
        for (int x = 0; x < width; ++x) {
            if (row[x] != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

struct Glyph {
    QRect box;
    QImage image;
};

// Each glyph of the layout drawn alone on a canvas of the given size, in the
// order the layout draws them, kept as the part of the canvas round the
// glyph's outline. Ink a glyph would draw past that part shows where the
// glyphs are checked against the whole line.
std::vector<Glyph> GlyphsAlone(const QTextLayout& layout, QColor colour, QPointF origin,
                               QSize size) {
    std::vector<Glyph> glyphs;
    const QRect canvas(QPoint(0, 0), size);
    QImage scratch = Canvas(size);
    QPainter painter(&scratch);
    painter.setPen(colour);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QRect box = font.boundingRect(indexes[i])
                                  .translated(origin + positions[i])
                                  .toAlignedRect()
                                  .adjusted(-2, -2, 2, 2) &
                              canvas;
            if (box.isEmpty()) {
                continue;
            }
            QGlyphRun one;
            one.setRawFont(font);
            one.setGlyphIndexes({indexes[i]});
            one.setPositions({positions[i]});
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(box, Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawGlyphRun(origin, one);
            glyphs.push_back({box, scratch.copy(box)});
        }
    }
    return glyphs;
}

} // namespace

std::optional<TextInk> TextInk::Make(const QTextLayout& layout, QColor colour, QPointF fraction) {
    // Room for glyphs that reach past the line's box.
    const QRectF line = layout.lineAt(0).naturalTextRect();
    const int margin = static_cast<int>(std::ceil(line.height())) + 2;
    const QSize size(static_cast<int>(std::ceil(line.right())) + 2 * margin,
                     static_cast<int>(std::ceil(line.bottom())) + 2 * margin);
    const QPointF origin = QPointF(margin, margin) + fraction;
    QImage whole = Canvas(size);
    {
        QPainter painter(&whole);
        painter.setPen(colour);
        layout.draw(&painter, origin);
    }
    // Glyphs whose edges share a pixel are blended there one after the
    // other; one image of both would round that pixel differently. Each
    // glyph goes into the first layer after every layer holding a glyph
    // it shares a pixel with, and the layers are laid in order.
    const std::vector<Glyph> glyphs = GlyphsAlone(layout, colour, origin, size);
    std::vector<int> topLayer(static_cast<std::size_t>(size.width() * size.height()), -1);
    const auto topAt = [&](int x, int y) -> int& {
        return topLayer[static_cast<std::size_t>(y * size.width() + x)];
    };
    std::vector<QImage> layers;
    QImage blended = Canvas(size);
    QPainter blending(&blended);
    for (const Glyph& glyph : glyphs) {
        const QRect& box = glyph.box;
        int layer = 0;
        for (int y = 0; y < box.height(); ++y) {
            const QRgb* row = Row(glyph.image, y);
            for (int x = 0; x < box.width(); ++x) {
                if (row[x] != 0) {
                    layer = std::max(layer, topAt(box.x() + x, box.y() + y) + 1);
                }
            }
        }
        if (layer == static_cast<int>(layers.size())) {
            layers.push_back(Canvas(size));
        }
        QImage& target = layers[static_cast<std::size_t>(layer)];
        for (int y = 0; y < box.height(); ++y) {
            const QRgb* row = Row(glyph.image, y);
            QRgb* out = Row(target, box.y() + y) + box.x();
            for (int x = 0; x < box.width(); ++x) {
                if (row[x] != 0) {
                    out[x] = row[x];
                    topAt(box.x() + x, box.y() + y) = layer;
                }
            }
        }
        blending.drawImage(box.topLeft(), glyph.image);
    }
    blending.end();
    if (layers.empty()) {
        layers.push_back(Canvas(size));
    }
    // What the glyphs alone leave out are the line's decorations, drawn
    // last and opaque: they go on top. Anything else means the glyphs drawn
    // alone are not the layout's, and the ink cannot stand in for it.
    QImage& top = layers.back();
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* want = Row(whole, y);
        const QRgb* got = Row(blended, y);
        QRgb* out = Row(top, y);
        for (int x = 0; x < size.width(); ++x) {
            if (want[x] != got[x]) {
                if (qAlpha(want[x]) != 255) {
                    return std::nullopt;
                }
                out[x] = want[x];
            }
        }
    }
    TextInk ink;
    for (const QImage& layer : layers) {
        const QRect inked = Inked(layer);
        if (inked.isValid()) {
            ink.layers_.push_back({inked.topLeft() - QPoint(margin, margin), layer.copy(inked)});
        }
    }
    return ink;
}

QRect TextInk::bounds() const {
    QRect covered;
    for (const Layer& layer : layers_) {
        covered |= QRect(layer.offset, layer.image.size());
    }
    return covered;
}

void TextInk::draw(QPainter& painter, QPoint at) const {
    for (const Layer& layer : layers_) {
        painter.drawImage(at + layer.offset, layer.image);
    }
}

} // namespace tinctora
