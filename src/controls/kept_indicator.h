// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An option button's indicator kept drawn, one image per look: a drag
// through a role's colour repaints the role's button on every step, in the
// few colours the strip's rows give.
#pragma once

#include "kept_looks.h"

#include <QPalette>
#include <QStyle>

class QPainter;
class QStyleOptionButton;
class QWidget;

namespace tinctora {

class KeptIndicator {
public:
    // Draws the style's option button indicator as it would itself, over the
    // solid background the button was just filled with.
    void draw(QPainter& painter, const QStyleOptionButton& option, const QWidget* widget);

    static constexpr std::size_t kKeptLooks = 24;

private:
    // Compared member by member: the background the image was filled with
    // first, which tells most looks apart, the whole palette last.
    struct Look {
        QRgb background;
        QStyle::State state;
        QRect rect;
        Qt::LayoutDirection direction;
        QPalette palette;
        bool operator==(const Look&) const = default;
    };
    KeptLooks<Look> kept_{kKeptLooks};
};

} // namespace tinctora
