// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "laid_out_line.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tinctora {

namespace {

constexpr int kDrawsBeforeInk = 2;

} // namespace

// A colour and fraction of a pixel a line was drawn in, how often, and its
// ink there once made.
struct LaidOutLine::Look {
    QColor colour;
    QPointF fraction;
    int draws = 0;
    std::optional<TextInk> ink;
};

struct LaidOutLine::Kept {
    QString text;
    QFont font;
    QTextLayout layout;
    double height = 0;
    double advance = 0;
    // The looks the line was drawn in last, the most recent first.
    std::vector<Look> looks;

    Kept(const QString& line, const QFont& lineFont, QPainter& painter)
        : text(line), font(lineFont), layout(line, lineFont, painter.device()) {
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        // As QPainter lays out one unwrapped line: at the top, the font's
        // leading only between lines, as tall as its ascent and descent.
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(0x01000000);
        first.setPosition(QPointF(0, 0));
        height = first.ascent() + first.descent();
        advance = first.horizontalAdvance();
        layout.endLayout();
    }
};

LaidOutLine::LaidOutLine() = default;
LaidOutLine::~LaidOutLine() = default;

LaidOutLine::Kept& LaidOutLine::keptFor(const QString& text, QPainter& painter) {
    const QFont& font = painter.font();
    auto found = std::find_if(kept_.begin(), kept_.end(), [&](const auto& kept) {
        return kept->text == text && kept->font == font;
    });
    if (found == kept_.end()) {
        if (kept_.size() == kKeptTexts) {
            kept_.pop_back();
        }
        kept_.insert(kept_.begin(), std::make_unique<Kept>(text, font, painter));
    } else {
        std::rotate(kept_.begin(), found, found + 1);
    }
    return *kept_.front();
}

bool LaidOutLine::drawAt(Kept& kept, QPainter& painter, QPointF position, const QRect* within) {
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
        if (within != nullptr) {
            return false;
        }
        kept.layout.draw(&painter, position);
        return true;
    }
    const QPointF whole(std::floor(position.x()), std::floor(position.y()));
    const QPointF fraction = position - whole;
    // Ink is made for a line drawn a third time alike: a line drawn once in
    // a colour, as the text role's line on every step of a drag through that
    // role, is not worth the ink. A caption whose colour turns with the
    // background's brightness keeps the ink of either.
    auto look = std::find_if(kept.looks.begin(), kept.looks.end(), [&](const Look& drawn) {
        return drawn.colour == colour && drawn.fraction == fraction;
    });
    if (look == kept.looks.end()) {
        if (kept.looks.size() == kKeptLooks) {
            kept.looks.pop_back();
        }
        kept.looks.insert(kept.looks.begin(), Look{colour, fraction, 0, std::nullopt});
    } else {
        std::rotate(kept.looks.begin(), look, look + 1);
        if (++kept.looks.front().draws == kDrawsBeforeInk) {
            kept.looks.front().ink = TextInk::Make(kept.layout, colour, fraction);
        }
    }
    const std::optional<TextInk>& ink = kept.looks.front().ink;
    if (within != nullptr &&
        (!ink || !within->contains(ink->bounds().translated(whole.toPoint())))) {
        return false;
    }
    if (ink) {
        ink->draw(painter, whole.toPoint());
    } else {
        kept.layout.draw(&painter, position);
    }
    return true;
}

void LaidOutLine::draw(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    Kept& kept = keptFor(text, painter);
    // Qt 6.8 places a laid-out line at scale 2 a little apart from drawText,
    // so there the painter draws it as it always did.
    if (text.contains(QLatin1Char('&')) || painter.device()->devicePixelRatio() != 1) {
        painter.drawText(rect, flags, text);
        return;
    }
    const bool fits = kept.advance <= rect.width() && kept.height <= rect.height();
    double x = 0;
    double y = 0;
    if (flags & Qt::AlignRight) {
        x = rect.width() - kept.advance;
    } else if (flags & Qt::AlignHCenter) {
        x = (rect.width() - kept.advance) / 2;
    }
    if (flags & Qt::AlignBottom) {
        y = rect.height() - kept.height;
    } else if (flags & Qt::AlignVCenter) {
        y = (rect.height() - kept.height) / 2;
    }
    if (!drawAt(kept, painter, QPointF(rect.x() + x, rect.y() + y), fits ? nullptr : &rect)) {
        painter.drawText(rect, flags, text);
    }
}

} // namespace tinctora
