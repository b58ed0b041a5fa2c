// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text in the hexadecimal box reads as a colour with channels 0..255,
// and reading never looks past the text.
#include "colour.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size heap copy lets AddressSanitizer see any read past the end.
    auto* copy = static_cast<char*>(std::malloc(size == 0 ? 1 : size));
    std::memcpy(copy, data, size);
    const tinctora::RGBColor c = tinctora::ParseHexColor(std::string_view(copy, size));
    std::free(copy);
    for (const int16_t v : {c.red, c.green, c.blue}) {
        if (v < 0 || v > 255) {
            std::abort();
        }
    }
    return 0;
}
