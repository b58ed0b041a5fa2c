// The clipboard keeper's X11 side: owns the CLIPBOARD selection with the copied
// text and answers every program that pastes it.
#pragma once

#include <functional>
#include <string>

namespace tinctora {

// Takes the clipboard over on the X display the environment names, calls owned
// once the server has made it the owner, and serves the text until another
// program owns the clipboard. Returns 0 then; 1 when the display cannot be
// reached, the text is too long for one reply, or the clipboard could not be
// taken.
int ServeX11Clipboard(const std::string& utf8, const std::function<void()>& owned);

} // namespace tinctora
