// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The monitors as the X server counts their pixels, beside Qt's scale factors.
#include "native_screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace tinctora {

NativeScreens ReadNativeScreens() {
    NativeScreens screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        screens.rects.emplace_back(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize());
        screens.scaled.push_back({screens.rects.back(), ratio});
    }
    return screens;
}

} // namespace tinctora
