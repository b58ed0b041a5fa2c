// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows as Qt and the window manager place them.
#pragma once

#include "window_placement.h"

namespace tinctora {

class QtWindowPlacement : public virtual WindowPlacement {
public:
    std::optional<QMarginsF> newWindowFrame(const QWidget* window) override;
    std::optional<QRect> windowRect(const QWidget* widget) override;
    std::optional<QRect> shownWindowRect(const QWidget* window) override;
    bool placesWindows() override;
    bool knowsPopupPlace() override;
    bool setTopmost(QWidget* window, bool topmost) override;
};

} // namespace tinctora
