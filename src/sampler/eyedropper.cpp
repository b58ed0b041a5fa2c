// The eyedropper: the colour from anywhere on the screen.
#include "frm_main.h"

namespace tinctora {

void frmMain::picScreencolor_MouseDown() {}
void frmMain::tmrScreencolor_Timer() {}
void frmMain::picScreencolor_MouseUp() {}
void frmMain::optScreencolorMode_Click(int) {}
void frmMain::connectSampler() {}

} // namespace tinctora
