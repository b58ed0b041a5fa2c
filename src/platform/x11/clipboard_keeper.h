// Keeps the copied text alive after the last window has gone. On X11 the
// clipboard's content lives in the program that copied it, so ending the
// program would take the text with it unless a clipboard manager saves it.
#pragma once

class QGuiApplication;

namespace tinctora {

// Returns at once when the program does not own the clipboard, when a
// clipboard manager is there to take the text over at exit, or when the
// platform is not X11. Otherwise it runs the event loop, with no window,
// until another program takes the clipboard over.
void KeepServingClipboard(QGuiApplication& app);

} // namespace tinctora
