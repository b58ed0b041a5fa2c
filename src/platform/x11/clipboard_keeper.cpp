// Serving the clipboard without windows until another program takes it over.
#include "clipboard_keeper.h"

#include <QClipboard>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tinctora {

namespace {

// A clipboard manager owns the CLIPBOARD_MANAGER selection; Qt hands it the
// clipboard's content when the application object goes.
bool ClipboardManagerRuns(xcb_connection_t* connection) {
    constexpr const char* kName = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(kName)), kName), nullptr);
    if (atom == nullptr) {
        return false;
    }
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (owner == nullptr) {
        return false;
    }
    const bool runs = owner->owner != XCB_NONE;
    std::free(owner);
    return runs;
}

} // namespace

void KeepServingClipboard(QGuiApplication& app) {
    const auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (x11 == nullptr || clipboard == nullptr || !clipboard->ownsClipboard() ||
        ClipboardManagerRuns(x11->connection())) {
        return;
    }
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) {
            QCoreApplication::quit();
        }
    });
    // The clipboard may have changed hands since the check above.
    if (clipboard->ownsClipboard()) {
        QGuiApplication::exec();
    }
}

} // namespace tinctora
