// Everything Tinctora takes from the desktop, one interface per concern: the
// Qt backend runs the program, the scripted fakes in the tests run it without
// one. A caller takes the one concern it needs; the main window holds them all.
#pragma once

#include "clipboard.h"
#include "display_info.h"
#include "message_boxes.h"
#include "pointer_control.h"
#include "screen_reader.h"
#include "window_placement.h"

namespace tinctora {

// The whole desktop. It adds nothing of its own: a backend or a fake that
// implements each concern once implements it for the whole desktop as well.
class Desktop : public virtual DisplayInfo,
                public virtual PointerControl,
                public virtual ScreenReader,
                public virtual WindowPlacement,
                public virtual MessageBoxes,
                public virtual Clipboard {};

} // namespace tinctora
