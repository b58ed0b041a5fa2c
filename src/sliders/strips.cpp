// The six channel strips: gradient drawing, dragging, the arrow buttons and
// the web-safe value menu.
#include "frm_main.h"

namespace tinctora {

void frmMain::UpdateMiniScrolls() {}

void frmMain::connectSliders() {}

} // namespace tinctora
