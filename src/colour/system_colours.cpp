// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system-colour lookup behind negative packed colours, with a fixed table
// of classic desktop colours so that the colour model runs without a desktop.
#include "colour.h"

#include <array>
#include <utility>

namespace tinctora {

namespace {

// Indexed by the classic system-colour numbers, 0x00BBGGRR.
constexpr std::array<PackedColor, 31> kDefaultTable = {
    0xC8C8C8, // 0 scroll bar
    0xA56E3A, // 1 desktop
    0xD1B499, // 2 active caption
    0xDBCDBF, // 3 inactive caption
    0xF0F0F0, // 4 menu
    0xFFFFFF, // 5 window background
    0x646464, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0x000000, // 9 caption text
    0xB4B4B4, // 10 active border
    0xFCF7F4, // 11 inactive border
    0xABABAB, // 12 application workspace
    0xFF9933, // 13 highlight
    0xFFFFFF, // 14 highlighted text
    0xF0F0F0, // 15 button face
    0xA0A0A0, // 16 button shadow
    0x6D6D6D, // 17 grey text
    0x000000, // 18 button text
    0x000000, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x696969, // 21 dark shadow
    0xE3E3E3, // 22 light
    0x000000, // 23 tooltip text
    0xE1FFFF, // 24 tooltip background
    0x000000, // 25 (unused)
    0xCC6600, // 26 hot-tracked item
    0xEAD1B9, // 27 active caption gradient
    0xF2E4D7, // 28 inactive caption gradient
    0xFF9933, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

SystemColorLookup& InstalledLookup() {
    static SystemColorLookup lookup;
    return lookup;
}

} // namespace

PackedColor DefaultSystemColor(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(kDefaultTable.size())) {
        return kBlack;
    }
    return kDefaultTable[static_cast<std::size_t>(index)];
}

void SetSystemColorLookup(SystemColorLookup lookup) {
    InstalledLookup() = std::move(lookup);
}

PackedColor SystemColor(int32_t index) {
    const auto& lookup = InstalledLookup();
    // A lookup that answered with a system colour again would loop; mask it.
    const PackedColor value = lookup ? lookup(index) : DefaultSystemColor(index);
    return value & 0xFFFFFF;
}

} // namespace tinctora
