// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Snapping to the web-safe grid: the whole scheme, or the current colour.
#include "frm_main.h"
#include "scheme_roles.h"

namespace tinctora {

void frmMain::cmdWebsafeHP_Click() {
    std::array<PackedColor, 6> colours = PreviewColors(*this);
    for (PackedColor& colour : colours) {
        colour = PackColor(SnapWebSafe(UnpackColor(colour)));
    }
    WritePreviewColors(*this, colours);

    // A role button left on its old colour would show a colour its role no
    // longer has; the selected one is recoloured by the refresh below.
    const int selected = SelectedRole(*this);
    for (int role = 0; role < kRoleCount; ++role) {
        const PackedColor colour = RoleColor(*this, role);
        if (role != selected &&
            optHPColormode[static_cast<std::size_t>(role)]->backColor() != colour) {
            ShowOnRoleButton(*this, role, colour);
        }
    }

    if (selected >= 0) {
        optHPColormode_Click(selected);
    }
}

void frmMain::picWSColor_Click() {
    CurRGB = SnapWebSafe(CurRGB);
    RefreshChannels(kAllChannels);
}

void frmMain::lblCaution_Click() {
    CurRGB = SnapWebSafe(CurRGB);
    RefreshChannels(kAllChannels);
}

} // namespace tinctora
