// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer as Qt moves and grabs it.
#include "qt_pointer_control.h"

#include "qt_session.h"
#include "x11_screen.h"

#include <QCursor>
#include <QScreen>
#include <QWidget>

namespace tinctora {

std::optional<QPoint> QtPointerControl::pointerPosition() {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return std::nullopt;
    }
    return QCursor::pos();
}

bool QtPointerControl::onXWayland() {
    if (!xwayland_) {
        xwayland_ = XWaylandSession();
    }
    return *xwayland_;
}

bool QtPointerControl::setPointerPosition(QPoint position) {
    // No Wayland compositor lets a program move the pointer, and XWayland
    // reports the move it could not make as made until the pointer moves next.
    if (QGuiApplication::primaryScreen() == nullptr || NativeWayland() || onXWayland()) {
        return false;
    }
    QCursor::setPos(position);
    return true;
}

void QtPointerControl::setCapture(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    widget->grabMouse();
}

void QtPointerControl::releaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
}

} // namespace tinctora
