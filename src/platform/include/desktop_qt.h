// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop as Qt gives it on X11, through XWayland and on Wayland.
#pragma once

#include "desktop.h"

#include <memory>

namespace tinctora {

std::unique_ptr<Desktop> MakeQtDesktop();

} // namespace tinctora
