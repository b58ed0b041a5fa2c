// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What kind of session Qt runs the program in.
#pragma once

#include "x11_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

namespace tinctora {

// Whether Qt speaks Wayland itself, as opposed to X11 or XWayland.
inline bool NativeWayland() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

// Whether the X server Qt speaks to is XWayland: it offers its own extension,
// and where that is not seen it still names its screens after itself.
inline bool XWaylandSession() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return RunsOnXWayland() ||
           (screen != nullptr && screen->name().startsWith(QLatin1String("XWAYLAND")));
}

} // namespace tinctora
