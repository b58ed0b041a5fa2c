// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The web-safe value menu of the red, green and blue arrows: its captions, the
// item that carries the check mark, and the channel its tag names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tinctora {

constexpr int kWebSafeItems = 6;
constexpr int kWebSafeStep = 51;

// "&0" .. "&255" in decimal mode, "&00" .. "&FF" in hex mode; item k stands
// for the value 51 * k.
std::string WebSafeCaption(int item, bool hexMode);
// The item of a channel value when it lies on the web-safe grid.
std::optional<int> WebSafeCheckedItem(int value);
// The red, green or blue channel a menu tag names; nothing for any other text.
std::optional<int> WebSafeMenuChannel(std::string_view tag);

} // namespace tinctora
