// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Asking the window manager, before a window shows, how wide a frame it will
// draw around it: centring the outer window needs the frame's height.
#pragma once

#include <QMargins>
#include <QSize>

#include <chrono>
#include <optional>

namespace tinctora {

// The frame (native pixels) the running window manager gives a new normal
// window of the given fixed size, estimated for a stand-in window that is
// never shown; empty when no window manager offers the estimate or none
// answers within the wait.
std::optional<QMargins> EstimatedFrameExtents(QSize fixedSize, std::chrono::milliseconds wait);

} // namespace tinctora
