// A minimal X11 clipboard manager for the tests: it owns CLIPBOARD_MANAGER,
// and when a program that ends asks it to SAVE_TARGETS it copies the
// clipboard's UTF8_STRING, takes the clipboard over and serves that text.
// With --saves-nothing it only claims to be a manager: it owns the selection
// and never answers, as some managers in the wild do.
// It prints "ready" once it owns the manager selection.
#include "xcb_atoms.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tinctora::InternAtom;
using tinctora::Reply;

constexpr xcb_atom_t kNoAtom = XCB_ATOM_NONE;

void Notify(xcb_connection_t* c, const xcb_selection_request_event_t& request,
            xcb_atom_t property) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(c);
}

} // namespace

int main(int argc, char* argv[]) {
    const bool savesNothing = argc == 2 && std::strcmp(argv[1], "--saves-nothing") == 0;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) {
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);

    const xcb_atom_t manager = InternAtom(c, "CLIPBOARD_MANAGER");
    const xcb_atom_t clipboard = InternAtom(c, "CLIPBOARD");
    const xcb_atom_t saveTargets = InternAtom(c, "SAVE_TARGETS");
    const xcb_atom_t targets = InternAtom(c, "TARGETS");
    const xcb_atom_t utf8 = InternAtom(c, "UTF8_STRING");
    const xcb_atom_t saved = InternAtom(c, "STUB_SAVED");

    xcb_set_selection_owner(c, window, manager, XCB_CURRENT_TIME);
    xcb_flush(c);
    std::puts("ready");
    std::fflush(stdout);

    std::string text;
    bool haveText = false;
    std::vector<xcb_selection_request_event_t> waitingSaves;

    while (xcb_generic_event_t* raw = xcb_wait_for_event(c)) {
        const Reply<xcb_generic_event_t> event(raw);
        switch (event->response_type & 0x7F) {
        case XCB_SELECTION_REQUEST: {
            const auto& request = *reinterpret_cast<xcb_selection_request_event_t*>(raw);
            if (request.selection == manager && savesNothing) {
                break;
            }
            if (request.selection == manager && request.target == saveTargets) {
                // Fetch the text first; the ending program waits for the answer.
                waitingSaves.push_back(request);
                xcb_convert_selection(c, window, clipboard, utf8, saved, request.time);
                xcb_flush(c);
            } else if (request.selection == clipboard && haveText && request.target == targets) {
                const xcb_atom_t offered[] = {targets, utf8};
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property,
                                    XCB_ATOM_ATOM, 32, 2, offered);
                Notify(c, request, request.property);
            } else if (request.selection == clipboard && haveText && request.target == utf8) {
                xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, request.property,
                                    utf8, 8, static_cast<uint32_t>(text.size()), text.data());
                Notify(c, request, request.property);
            } else {
                Notify(c, request, XCB_ATOM_NONE);
            }
            break;
        }
        case XCB_SELECTION_NOTIFY: {
            const auto& notify = *reinterpret_cast<xcb_selection_notify_event_t*>(raw);
            if (notify.property == saved) {
                const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
                    c, xcb_get_property(c, 1, window, saved, XCB_ATOM_ANY, 0, 1 << 20), nullptr));
                if (property) {
                    const auto* data =
                        static_cast<const char*>(xcb_get_property_value(property.get()));
                    text.assign(data, static_cast<std::size_t>(
                                          xcb_get_property_value_length(property.get())));
                    haveText = true;
                    xcb_set_selection_owner(c, window, clipboard, XCB_CURRENT_TIME);
                }
            }
            for (const auto& request : waitingSaves) {
                Notify(c, request, haveText ? request.property : kNoAtom);
            }
            waitingSaves.clear();
            break;
        }
        default:
            break;
        }
    }
    return 0;
}
