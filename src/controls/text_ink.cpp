// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_ink.h"

#include <QGlyphRun>
#include <QPainter>
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
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = Row(image, y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != 0) {
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    return inked;
}

// Each glyph of the layout drawn alone, in the order the layout draws them.
std::vector<QImage> GlyphsAlone(const QTextLayout& layout, QColor colour, QPointF origin,
                                QSize size) {
    std::vector<QImage> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            QGlyphRun one;
            one.setRawFont(run.rawFont());
            one.setGlyphIndexes({indexes[i]});
            one.setPositions({positions[i]});
            QImage glyph = Canvas(size);
            QPainter painter(&glyph);
            painter.setPen(colour);
            painter.drawGlyphRun(origin, one);
            painter.end();
            glyphs.push_back(std::move(glyph));
        }
    }
    return glyphs;
}

} // namespace

std::optional<TextInk> TextInk::Make(const QTextLayout& layout, QColor colour, QPointF fraction) {
    // Room for glyphs that reach past the line's box.
    const QRectF box = layout.lineAt(0).naturalTextRect();
    const int margin = static_cast<int>(std::ceil(box.height())) + 2;
    const QSize size(static_cast<int>(std::ceil(box.right())) + 2 * margin,
                     static_cast<int>(std::ceil(box.bottom())) + 2 * margin);
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
    const std::vector<QImage> glyphs = GlyphsAlone(layout, colour, origin, size);
    std::vector<int> topLayer(static_cast<std::size_t>(size.width() * size.height()), -1);
    std::vector<QImage> layers;
    QImage blended = Canvas(size);
    QPainter blending(&blended);
    for (const QImage& glyph : glyphs) {
        int layer = 0;
        for (int y = 0; y < size.height(); ++y) {
            const QRgb* row = Row(glyph, y);
            for (int x = 0; x < size.width(); ++x) {
                if (row[x] != 0) {
                    layer = std::max(layer,
                                     topLayer[static_cast<std::size_t>(y * size.width() + x)] + 1);
                }
            }
        }
        if (layer == static_cast<int>(layers.size())) {
            layers.push_back(Canvas(size));
        }
        QImage& target = layers[static_cast<std::size_t>(layer)];
        for (int y = 0; y < size.height(); ++y) {
            const QRgb* row = Row(glyph, y);
            QRgb* out = Row(target, y);
            for (int x = 0; x < size.width(); ++x) {
                if (row[x] != 0) {
                    out[x] = row[x];
                    topLayer[static_cast<std::size_t>(y * size.width() + x)] = layer;
                }
            }
        }
        blending.drawImage(0, 0, glyph);
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

void TextInk::draw(QPainter& painter, QPoint at) const {
    for (const Layer& layer : layers_) {
        painter.drawImage(at + layer.offset, layer.image);
    }
}

} // namespace tinctora
