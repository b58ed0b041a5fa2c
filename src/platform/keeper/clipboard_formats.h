// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The formats in which the clipboard keeper offers the copied text, named as
// X11 targets and Wayland MIME types name them, and the bytes of each.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tinctora {

// Every format the text is offered in, the richest first.
std::span<const std::string_view> ClipboardTextFormats();

// The text, given as UTF-8, in one of those formats: Latin-1 for "STRING"
// (a character Latin-1 cannot hold, or a broken sequence, becomes "?"), the
// UTF-8 bytes as they are for every other; empty for a format not offered.
std::optional<std::string> ClipboardTextAs(std::string_view format, std::string_view utf8);

} // namespace tinctora
