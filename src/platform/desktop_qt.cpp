// The desktop as Qt gives it: one backend per concern, together.
#include "desktop_qt.h"

#include "qt_clipboard.h"
#include "qt_display_info.h"
#include "qt_message_boxes.h"
#include "qt_pointer_control.h"
#include "qt_screen_reader.h"
#include "qt_window_placement.h"

namespace tinctora {

namespace {

class QtDesktop : public Desktop,
                  public QtDisplayInfo,
                  public QtPointerControl,
                  public QtScreenReader,
                  public QtWindowPlacement,
                  public QtMessageBoxes,
                  public QtClipboard {};

} // namespace

std::unique_ptr<Desktop> MakeQtDesktop() {
    return std::make_unique<QtDesktop>();
}

} // namespace tinctora
