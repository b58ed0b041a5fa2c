// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the five scheme roles keep their colours: the preview elements are the
// only store, and these helpers name which element belongs to which role.
#pragma once

#include "colour.h"

#include <array>

namespace tinctora {

class ColorLabel;
class frmMain;

inline constexpr int kRoleCount = 5;

// The role whose option button is selected, the lowest first; -1 for none.
int SelectedRole(const frmMain& form);

// The colour of role 0 (background) to 4 (visited link); the text role is
// read from the caption label.
PackedColor RoleColor(const frmMain& form, int role);
void WriteRoleColor(frmMain& form, int role, PackedColor colour);

// The preview's line of a text role, 1 (text) to 4 (visited link): the one
// the role's contrast note stands beside where its button has no room.
ColorLabel* SampleLine(const frmMain& form, int role);

// Shows a colour on a role's option button, with its contrast colour as text.
void ShowOnRoleButton(frmMain& form, int role, PackedColor colour);

// The six preview colours: background, caption, text, link, active and
// visited link.
std::array<PackedColor, 6> PreviewColors(const frmMain& form);
void WritePreviewColors(frmMain& form, const std::array<PackedColor, 6>& colours);

} // namespace tinctora
