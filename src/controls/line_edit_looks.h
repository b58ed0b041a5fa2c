// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Paints a line edit that the refresh rewrites on every step of a drag from
// pictures: it halves the cost of a strip drag step.
#pragma once

#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QStyleOption>

class QWindow;

namespace tinctora {

// What it buys: the box paints opaque, so its parent (a group box is costly)
// is not repainted behind the frame's rounded corners. The parent's
// background under the box and the style's panel are kept in one picture,
// painted again only when something they depend on changed; and each text
// the box showed while idle is kept as the window's backing store received
// it, to be drawn again as one image.
//
// When it steps aside: while the box shows a cursor, a selection or a drop
// position it paints as any line edit over the kept panel; at a fractional
// scale, where the box's edges share screen pixels with its neighbours, it
// paints as any line edit, transparent over its parent. Only for a parent
// whose background under the box changes with nothing but its palette,
// style or size.
class LineEditLooks : public QObject {
public:
    // Takes over the box's painting for the box's lifetime; the box owns it.
    explicit LineEditLooks(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Everything but the text and cursor that an idle box's pixels depend on.
    struct LookState {
        const QStyle* style = nullptr;
        qint64 palette = 0;
        quint64 fontGeneration = 0;
        quint64 backgroundGeneration = 0;
        QSize size;
        qreal ratio = 0;
        int flags = 0;
        int alignment = 0;
        int echoMode = 0;
        int direction = 0;
        QMargins margins;
        QString placeholder;
        bool operator==(const LookState&) const = default;
    };
    // What the widgets painting under the box depend on.
    struct BackgroundState {
        size_t ancestors = 0;
        QRect geometry;
        qreal ratio = 0;
        bool operator==(const BackgroundState&) const = default;
    };
    // What the style's panel under the text depends on.
    struct PanelState {
        int state = 0;
        QRect rect;
        qint64 palette = 0;
        int lineWidth = 0;
        int features = 0;
        qreal ratio = 0;
        quint64 backgroundGeneration = 0;
        bool operator==(const PanelState&) const = default;
    };

    friend class PanelPictureStyle;

    // Whether the box paints from pictures: at a whole scale.
    bool usesPictures() const;
    void updatePaintMode();
    // A window moved to a screen of another scale needs the other mode.
    void followWindowScreen();
    void paint(QPaintEvent* event);
    // The box's own painting, as a line edit does it.
    void paintAsLineEdit(QPaintEvent* event);
    // Draws the parent's background and the base style's panel from their
    // picture, painting it first where anything it depends on has changed.
    void drawPanel(const QStyleOption* option, QPainter* painter, const QStyle* base);
    // False while the box shows a cursor, a selection or a drop position.
    bool isIdle() const;
    LookState lookState() const;
    // The box's pixels as this paint left them in the backing store; null
    // where they cannot be read back whole.
    QImage capturedLook(const QPaintEvent* event);
    // The box's parent and its ancestors up to the first that paints its
    // whole area itself, outermost first: together they paint under the box.
    QList<QWidget*> backgroundPainters() const;
    const QPixmap& parentBackground();

    QLineEdit* box_;
    QPointer<QWindow> followedWindow_;
    bool dragOver_ = false;
    quint64 fontGeneration_ = 0;

    QPixmap panel_;
    PanelState panelState_;
    QPixmap parentBackground_;
    BackgroundState backgroundState_;
    quint64 backgroundGeneration_ = 0;

    // The looks of the texts shown since the state last changed; a text
    // whose cursor is not at its end is kept under a key of its own.
    LookState cachedState_;
    QHash<QString, QImage> looks_;
};

} // namespace tinctora
