// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One screen's share of a still frame of the desktop, shown over that whole
// screen while a colour is picked from it: where the desktop lets no drag
// follow the pointer outside the program's windows, a click on the frame
// takes the place of the drag.
#pragma once

#include "desktop.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <optional>

namespace tinctora {

class FrameOverlay : public QWidget {
    Q_OBJECT
public:
    // screen indexes frame->screens; ringed draws the magnifier of "1x1";
    // pointer is where the pointer was last seen, in logical screen pixels,
    // where the arrow keys start from before the mouse has moved.
    FrameOverlay(std::shared_ptr<const ScreenFrame> frame, std::size_t screen,
                 const QCursor& cursor, bool ringed, QColor background,
                 std::optional<QPoint> pointer, QWidget* parent);
    // Full screen on the screen it shows, or over that area where no screen
    // of the application matches it.
    void showOverScreen();
    // The other mode's pointer and magnifier, and its colour at the point.
    void showMode(const QCursor& cursor, bool ringed);

signals:
    // The block under the pointer as it moves, and where the click took it.
    void hovered(const tinctora::PixelBlock& block);
    void picked(const tinctora::PixelBlock& block);
    // Escape, or the window closed by the desktop.
    void cancelled();
    // Tab: "1x1" and "5x5" compared on the same spot.
    void otherModeAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PixelBlock blockAt(QPointF position);
    // The point the keys have moved away from the pointer, in the overlay's
    // coordinates; empty while the pointer's place is not known.
    std::optional<QPointF> point() const;
    double scale() const;

    std::shared_ptr<const ScreenFrame> frame_;
    FrameScreen screen_;
    QImage part_;
    bool ringed_;
    QColor background_;
    QImage magnifier_;
    QRect magnifierRect_;
    bool pressed_ = false;
    // The pointer's last place on the overlay and the point's offset from
    // it in physical pixels, which the next mouse move drops.
    std::optional<QPointF> pointer_;
    QPoint offset_;
};

} // namespace tinctora
