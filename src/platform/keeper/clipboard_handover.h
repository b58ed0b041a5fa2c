// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Handing the copied text to the clipboard keeper as Tinctora ends: the keeper
// runs on, detached, and owns the clipboard before Tinctora lets go of it.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tinctora {

// Starts the keeper program in a session of its own (no terminal, nothing of
// Tinctora's open but its own channel), hands it the text through that channel
// and waits until it owns the clipboard. system is "x11" or "wayland". False
// when the keeper cannot be started or has not taken the clipboard within
// patience.
bool HandClipboardToKeeper(const std::string& keeper, const std::string& system,
                           std::string_view utf8, std::chrono::milliseconds patience);

} // namespace tinctora
