// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What kind of session Qt runs the program in.
#pragma once

#include <QGuiApplication>
#include <QString>

namespace tinctora {

// Whether Qt speaks Wayland itself, as opposed to X11 or XWayland.
inline bool NativeWayland() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

} // namespace tinctora
