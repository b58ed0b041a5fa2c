// The clipboard keeper's Wayland side: sets the seat's selection to the copied
// text through the compositor's data-control protocol, which lets a client
// without a window own the clipboard.
#pragma once

#include <functional>
#include <string>

namespace tinctora {

// Sets the selection on the Wayland display the environment names, calls owned
// once the compositor has taken it, and serves the text until another client
// sets the selection. Returns 0 then; 1 when the display cannot be reached or
// offers no data control (GNOME keeps the selection of an ended program
// itself).
int ServeWaylandClipboard(const std::string& utf8, const std::function<void()>& owned);

} // namespace tinctora
