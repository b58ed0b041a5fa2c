// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One line of text kept laid out between paints, and kept drawn as ink in
// its colour. Laying a text out took longer than drawing it, and drawing it
// glyph by glyph longer than laying ink over the page: the preview's lines
// and the contrast marks are painted again on every step of a drag, their
// texts and colours unchanged while the page below them changes, or
// changing among the few texts the strip's rows give.
#pragma once

#include "text_ink.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

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
    // QPainter::drawText(rect, flags, text) does. The texts drawn last, up
    // to kKeptTexts of them, stay laid out. A text with an access key or
    // drawn at a scale other than 1 is left to QPainter, and so is one that
    // does not fit its rectangle on one line, unless its kept ink lies
    // inside the rectangle, where QPainter's clip changes no pixel.
    void draw(QPainter& painter, const QRect& rect, int flags, const QString& text);

    static constexpr std::size_t kKeptTexts = 24;
    // Looks kept for each text: colour and fraction of a pixel, each with
    // its ink.
    static constexpr std::size_t kKeptLooks = 4;

private:
    struct Look;
    struct Kept;
    Kept& keptFor(const QString& text, QPainter& painter);
    // The line drawn at the given position; from its ink where the painter
    // lays ink as it draws glyphs, once the line was drawn there twice
    // before in the same colour, among the last looks kept. With a
    // rectangle to keep within, only ink lying inside it is drawn; false
    // where nothing was drawn.
    static bool drawAt(Kept& kept, QPainter& painter, QPointF position, const QRect* within);

    // The most recently drawn first.
    std::vector<std::unique_ptr<Kept>> kept_;
};

} // namespace tinctora
