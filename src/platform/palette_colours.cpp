// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Maps the classic system-colour indices onto the roles of a Qt palette.
#include "palette_colours.h"

#include "packed_qcolor.h"

#include <QPalette>

namespace tinctora {

namespace {

struct PaletteRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

std::optional<PaletteRole> RoleOf(int32_t index) {
    constexpr auto A = QPalette::Active;
    switch (index) {
    case 0:
        return PaletteRole{A, QPalette::Light}; // scroll bar: the light half of a rule
    case 1:
        return PaletteRole{A, QPalette::Window}; // desktop
    case 2:
        return PaletteRole{A, QPalette::Highlight}; // active caption
    case 3:
        return PaletteRole{QPalette::Inactive, QPalette::Highlight};
    case 4:
        return PaletteRole{A, QPalette::Window}; // menu
    case 5:
        return PaletteRole{A, QPalette::Base}; // window background
    case 6:
        return PaletteRole{A, QPalette::Shadow}; // window frame
    case 7:
        return PaletteRole{A, QPalette::WindowText}; // menu text
    case 8:
        return PaletteRole{A, QPalette::Text}; // window text
    case 9:
        return PaletteRole{A, QPalette::HighlightedText}; // caption text
    case 10:
    case 11:
        return PaletteRole{A, QPalette::Mid}; // borders
    case 12:
        return PaletteRole{A, QPalette::Dark}; // application workspace
    case 13:
        return PaletteRole{A, QPalette::Highlight};
    case 14:
        return PaletteRole{A, QPalette::HighlightedText};
    case 15:
        return PaletteRole{A, QPalette::Button}; // button face
    case 16:
        return PaletteRole{A, QPalette::Dark}; // button shadow
    case 17:
        return PaletteRole{QPalette::Disabled, QPalette::Text}; // grey text
    case 18:
        return PaletteRole{A, QPalette::ButtonText};
    case 19:
        return PaletteRole{QPalette::Inactive, QPalette::HighlightedText};
    case 20:
        return PaletteRole{A, QPalette::Light}; // button highlight
    case 21:
        return PaletteRole{A, QPalette::Shadow}; // dark shadow
    case 22:
        return PaletteRole{A, QPalette::Midlight};
    case 23:
        return PaletteRole{A, QPalette::ToolTipText};
    case 24:
        return PaletteRole{A, QPalette::ToolTipBase};
    case 26:
        return PaletteRole{A, QPalette::Link};
    case 29:
        return PaletteRole{A, QPalette::Highlight}; // menu highlight
    case 30:
        return PaletteRole{A, QPalette::Window}; // menu bar
    default:
        return std::nullopt;
    }
}

} // namespace

PackedColor PaletteSystemColor(const QPalette& palette, int32_t index) {
    const auto role = RoleOf(index);
    if (!role) {
        return DefaultSystemColor(index);
    }
    return ToPacked(palette.color(role->group, role->role));
}

} // namespace tinctora
