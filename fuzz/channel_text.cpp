// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text in a channel box, typed or pasted, reads as a value within the
// channel's range, in either notation, and the key filter lets through only
// characters the box can read.
#include "channel_text.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const int index = data[0] % 6;
    const bool hex = (data[0] & 0x80) != 0;
    auto* copy = static_cast<char*>(std::malloc(size));
    std::memcpy(copy, data + 1, size - 1);
    const std::string_view text(copy, size - 1);

    const int16_t value = tinctora::ReadChannelText(index, text, hex);
    if (value < 0 || value > tinctora::ChannelMaximum(index)) {
        std::abort();
    }
    for (const char ch : text) {
        const int code = tinctora::FilterChannelKey(index, static_cast<unsigned char>(ch), hex);
        const bool readable = (code >= '0' && code <= '9') || code == 8 || code == 0 ||
                              (hex && index <= 2 && code >= 'A' && code <= 'F');
        if (!readable) {
            std::abort();
        }
    }
    // A text made only of accepted characters reads back as its digits do.
    const std::string written = tinctora::DecimalText(value);
    if (tinctora::ReadChannelText(index, written, false) != value) {
        std::abort();
    }
    std::free(copy);
    return 0;
}
