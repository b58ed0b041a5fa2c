// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a callback whenever a widget receives the keyboard focus.
#include "focus_forward.h"

#include <QEvent>
#include <QWidget>

namespace tinctora {

FocusInFilter::FocusInFilter(QWidget* watched, std::function<void()> gotFocus)
    : QObject(watched), gotFocus_(std::move(gotFocus)) {
    watched->installEventFilter(this);
}

bool FocusInFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        gotFocus_();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tinctora
