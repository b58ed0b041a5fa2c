// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Serving the copied text as the owner of the X11 clipboard.
#include "x11_clipboard_keeper.h"

#include "clipboard_formats.h"
#include "xcb_atoms.h"

#include <xcb/xcb.h>

#include <string_view>
#include <vector>

namespace tinctora {

namespace {

struct Format {
    xcb_atom_t atom;
    std::string_view name;
};

class X11Owner : public ClipboardOwner {
public:
    X11Owner(xcb_connection_t* connection, const std::string& utf8)
        : connection_(connection), utf8_(utf8) {}
    ~X11Owner() override { xcb_disconnect(connection_); }
    X11Owner(const X11Owner&) = delete;
    X11Owner& operator=(const X11Owner&) = delete;

    // Owns the clipboard with a time the server gave, as the selection rules
    // ask, instead of "now": the time comes with the change of a property.
    bool takeClipboard(xcb_window_t root) {
        window_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        constexpr std::string_view kName = "tinctora-clipboard-keeper";
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, static_cast<uint32_t>(kName.size()), kName.data());
        xcb_flush(connection_);
        while (xcb_generic_event_t* raw = xcb_wait_for_event(connection_)) {
            const Reply<xcb_generic_event_t> event(raw);
            if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
                ownedSince_ = reinterpret_cast<xcb_property_notify_event_t*>(raw)->time;
                break;
            }
        }
        clipboard_ = InternAtom(connection_, "CLIPBOARD");
        targets_ = InternAtom(connection_, "TARGETS");
        timestamp_ = InternAtom(connection_, "TIMESTAMP");
        utf8String_ = InternAtom(connection_, "UTF8_STRING");
        text_ = InternAtom(connection_, "TEXT");
        for (const std::string_view name : ClipboardTextFormats()) {
            formats_.push_back({InternAtom(connection_, name), name});
        }
        xcb_set_selection_owner(connection_, window_, clipboard_, ownedSince_);
        const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr));
        return owner && owner->owner == window_;
    }

    int connection() const override { return xcb_get_file_descriptor(connection_); }

    // A paste asked for while the keeper took the clipboard waits in the
    // library's queue already.
    bool prepareToWait() override {
        while (xcb_generic_event_t* raw = xcb_poll_for_queued_event(connection_)) {
            handle(Reply<xcb_generic_event_t>(raw));
        }
        xcb_flush(connection_);
        return owned();
    }

    bool dispatch(bool /*input*/) override {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            handle(Reply<xcb_generic_event_t>(raw));
        }
        return owned();
    }

private:
    bool owned() const { return !lost_ && xcb_connection_has_error(connection_) == 0; }

    // Answers a paste, or notes that another program owns the clipboard now.
    void handle(const Reply<xcb_generic_event_t>& event) {
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_CLEAR) {
            const auto* clear = reinterpret_cast<const xcb_selection_clear_event_t*>(event.get());
            lost_ = lost_ || clear->selection == clipboard_;
        } else if (type == XCB_SELECTION_REQUEST && !lost_) {
            answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
        }
    }

    // Writes the requested form of the text into the requestor's property;
    // false when the clipboard has no such form.
    bool store(const xcb_selection_request_event_t& request, xcb_atom_t property) {
        if (request.target == targets_) {
            std::vector<xcb_atom_t> offered{targets_, timestamp_};
            for (const Format& format : formats_) {
                offered.push_back(format.atom);
            }
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                XCB_ATOM_ATOM, 32, static_cast<uint32_t>(offered.size()),
                                offered.data());
            return true;
        }
        if (request.target == timestamp_) {
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                XCB_ATOM_INTEGER, 32, 1, &ownedSince_);
            return true;
        }
        for (const Format& format : formats_) {
            if (format.atom != request.target) {
                continue;
            }
            const std::optional<std::string> bytes = ClipboardTextAs(format.name, utf8_);
            // TEXT leaves the encoding to the owner, who names it in the type.
            const xcb_atom_t type = request.target == text_ ? utf8String_ : request.target;
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                type, 8, static_cast<uint32_t>(bytes->size()), bytes->data());
            return true;
        }
        return false;
    }

    void answer(const xcb_selection_request_event_t& request) {
        // Programs of the first X11 days ask without naming a property.
        const xcb_atom_t property =
            request.property == XCB_ATOM_NONE ? request.target : request.property;
        const bool stored = request.selection == clipboard_ && store(request, property);
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = stored ? property : xcb_atom_t{XCB_ATOM_NONE};
        xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
    }

    xcb_connection_t* connection_;
    const std::string& utf8_;
    xcb_window_t window_ = XCB_WINDOW_NONE;
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    xcb_atom_t clipboard_ = XCB_ATOM_NONE;
    xcb_atom_t targets_ = XCB_ATOM_NONE;
    xcb_atom_t timestamp_ = XCB_ATOM_NONE;
    xcb_atom_t utf8String_ = XCB_ATOM_NONE;
    xcb_atom_t text_ = XCB_ATOM_NONE;
    std::vector<Format> formats_;
    bool lost_ = false;
};

} // namespace

std::unique_ptr<ClipboardOwner> TakeX11Clipboard(const std::string& utf8) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    auto owner = std::make_unique<X11Owner>(connection, utf8);
    if (xcb_connection_has_error(connection) != 0) {
        return nullptr;
    }
    // A reply larger than one request would need the incremental transfer,
    // which texts of this program never come near.
    const std::size_t largestReply =
        std::size_t{xcb_get_maximum_request_length(connection)} * 4 - 64;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (utf8.size() > largestReply || screens.rem == 0 ||
        !owner->takeClipboard(screens.data->root)) {
        return nullptr;
    }
    return owner;
}

} // namespace tinctora
