// The desktop as Qt gives it on X11, through XWayland and on Wayland.
#pragma once

#include "desktop.h"

#include <memory>

namespace tinctora {

std::unique_ptr<Desktop> MakeQtDesktop();

} // namespace tinctora
