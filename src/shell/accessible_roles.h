// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The roles screen readers announce Tinctora's own control kinds by: the main
// window as a window (a frame) that lists only what it shows, picture boxes
// as pictures or plain containers, etched lines as separators.
#pragma once

namespace tinctora {

// Installs the roles; once per program, before the first window is built.
void InstallAccessibleRoles();

} // namespace tinctora
