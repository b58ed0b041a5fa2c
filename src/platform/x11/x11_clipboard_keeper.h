// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clipboard keeper's X11 side: owns the CLIPBOARD selection with the copied
// text and answers every program that pastes it.
#pragma once

#include "clipboard_owner.h"

#include <memory>
#include <string>

namespace tinctora {

// Takes the clipboard over on the X display the environment names; empty when
// the display cannot be reached, the text is too long for one reply, or the
// server did not make the keeper the owner. The targets offered carry the
// keeper's mark.
std::unique_ptr<ClipboardOwner> TakeX11Clipboard(const std::string& utf8, const std::string& mark);

} // namespace tinctora
