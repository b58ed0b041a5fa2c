// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scheme roles: which preview element holds which colour, and how the
// selected role follows the current colour.
#include "scheme_roles.h"

#include "frm_main.h"

namespace tinctora {

int SelectedRole(const frmMain& form) {
    for (int i = 0; i < kRoleCount; ++i) {
        if (form.optHPColormode[static_cast<std::size_t>(i)]->isChecked()) {
            return i;
        }
    }
    return -1;
}

PackedColor RoleColor(const frmMain& form, int role) {
    switch (role) {
    case 0:
        return form.picHomepageView->backColor();
    case 1:
        return form.lblHPCaption->foreColor();
    case 2:
        return form.lblHPLink->foreColor();
    case 3:
        return form.lblHPALink->foreColor();
    default:
        return form.lblHPVLink->foreColor();
    }
}

ColorLabel* SampleLine(const frmMain& form, int role) {
    switch (role) {
    case 1:
        return form.lblHPText;
    case 2:
        return form.lblHPLink;
    case 3:
        return form.lblHPALink;
    default:
        return form.lblHPVLink;
    }
}

void WriteRoleColor(frmMain& form, int role, PackedColor colour) {
    switch (role) {
    case 0:
        form.picHomepageView->setBackColor(colour);
        break;
    case 1:
        // Caption and body text are one role.
        form.lblHPCaption->setForeColor(colour);
        form.lblHPText->setForeColor(colour);
        break;
    case 2:
        form.lblHPLink->setForeColor(colour);
        break;
    case 3:
        form.lblHPALink->setForeColor(colour);
        break;
    default:
        form.lblHPVLink->setForeColor(colour);
        break;
    }
}

void ShowOnRoleButton(frmMain& form, int role, PackedColor colour) {
    ColorRadioButton* button = form.optHPColormode[static_cast<std::size_t>(role)];
    button->setBackColor(colour);
    button->setForeColor(ContrastColor(colour));
}

std::array<PackedColor, 6> PreviewColors(const frmMain& form) {
    return {form.picHomepageView->backColor(), form.lblHPCaption->foreColor(),
            form.lblHPText->foreColor(),       form.lblHPLink->foreColor(),
            form.lblHPALink->foreColor(),      form.lblHPVLink->foreColor()};
}

void WritePreviewColors(frmMain& form, const std::array<PackedColor, 6>& colours) {
    form.picHomepageView->setBackColor(colours[0]);
    form.lblHPCaption->setForeColor(colours[1]);
    form.lblHPText->setForeColor(colours[2]);
    form.lblHPLink->setForeColor(colours[3]);
    form.lblHPALink->setForeColor(colours[4]);
    form.lblHPVLink->setForeColor(colours[5]);
}

void frmMain::UpdateSchemePreview() {
    const int role = SelectedRole(*this);
    if (role >= 0) {
        const PackedColor c = PackColor(CurRGB);
        ShowOnRoleButton(*this, role, c);
        WriteRoleColor(*this, role, c);
    }
    // The marks are seen only with the panel; opening it works them out.
    if (WebPanelShown()) {
        UpdateContrastMarks();
    }
    ShowSchemeAsSeen();
}

void frmMain::optHPColormode_Click(int Index) {
    CurRGB = UnpackColor(RoleColor(*this, Index));
    RefreshChannels(kAllChannels);
}

void frmMain::connectWebScheme() {
    for (int i = 0; i < kRoleCount; ++i) {
        connect(optHPColormode[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optHPColormode_Click(i); });
    }
    connect(cmdWebsafeHP, &QPushButton::clicked, this, &frmMain::cmdWebsafeHP_Click);
    connect(picWSColor, &PictureBox::clicked, this, &frmMain::picWSColor_Click);
    connect(lblCaution, &ColorLabel::clicked, this, &frmMain::lblCaution_Click);
    connect(cmdCopyHPCode, &QPushButton::clicked, this, &frmMain::cmdCopyHPCode_Click);
    buildSchemeMenu();
}

} // namespace tinctora
