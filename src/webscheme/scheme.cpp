// The web page colour scheme: roles, preview and the HTML code.
#include "frm_main.h"

namespace tinctora {

void frmMain::UpdateSchemePreview() {}
void frmMain::optHPColormode_Click(int) {}
void frmMain::cmdWebsafeHP_Click() {}
void frmMain::picWSColor_Click() {}
void frmMain::lblCaution_Click() {}
void frmMain::cmdCopyHPCode_Click() {}
void frmMain::connectWebScheme() {}

} // namespace tinctora
