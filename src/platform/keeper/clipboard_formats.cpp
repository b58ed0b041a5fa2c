// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The copied text in every format the keeper offers.
#include "clipboard_formats.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tinctora {

namespace {

constexpr std::array<std::string_view, 5> kFormats = {
    "UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "TEXT", "STRING",
};

// Bytes in the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead >> 5) == 0x06) {
        return 2;
    }
    if ((lead >> 4) == 0x0E) {
        return 3;
    }
    return (lead >> 3) == 0x1E ? 4 : 0;
}

// Latin-1 holds the code points below 256: one byte, or two bytes led by
// 0xC2 or 0xC3 (0xC0 and 0xC1 lead over-long forms, which stand for nothing).
std::string ToLatin1(std::string_view utf8) {
    const auto byteAt = [utf8](std::size_t i) { return static_cast<std::uint8_t>(utf8[i]); };
    std::string latin1;
    latin1.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::uint8_t lead = byteAt(i);
        const std::size_t length = SequenceLength(lead);
        bool complete = length > 0 && i + length <= utf8.size();
        for (std::size_t k = 1; complete && k < length; ++k) {
            complete = (byteAt(i + k) >> 6) == 0x02;
        }
        if (!complete) {
            latin1 += '?';
            ++i;
            continue;
        }
        if (length == 1) {
            latin1 += utf8[i];
        } else if (length == 2 && (lead == 0xC2 || lead == 0xC3)) {
            latin1 += static_cast<char>(((lead & 0x1Fu) << 6) | (byteAt(i + 1) & 0x3Fu));
        } else {
            latin1 += '?';
        }
        i += length;
    }
    return latin1;
}

} // namespace

std::span<const std::string_view> ClipboardTextFormats() {
    return kFormats;
}

std::optional<std::string> ClipboardTextAs(std::string_view format, std::string_view utf8) {
    if (std::find(kFormats.begin(), kFormats.end(), format) == kFormats.end()) {
        return std::nullopt;
    }
    if (format == "STRING") {
        return ToLatin1(utf8);
    }
    return std::string(utf8);
}

} // namespace tinctora
