// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clipboard keeper's Wayland side: sets the seat's selection to the copied
// text through the compositor's data-control protocol, which lets a client
// without a window own the clipboard.
#pragma once

#include "clipboard_owner.h"

#include <memory>
#include <string>

namespace tinctora {

// Sets the selection on the Wayland display the environment names; empty when
// the display cannot be reached, offers no data control (GNOME keeps the
// selection of an ended program itself), or refused the selection. The
// offer carries the keeper's mark among its formats.
std::unique_ptr<ClipboardOwner> TakeWaylandClipboard(const std::string& utf8,
                                                     const std::string& mark);

} // namespace tinctora
