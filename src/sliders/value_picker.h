// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the popup value picker for a channel, under the current-colour swatch.
#pragma once

namespace tinctora {

class frmMain;

// Shows the picker with the channel's gradient, its marker column under the
// pointer, and hands it the topmost state and the mouse capture.
void OpenValuePicker(frmMain& form, int Index);

} // namespace tinctora
