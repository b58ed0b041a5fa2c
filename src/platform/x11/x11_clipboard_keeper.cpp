// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Serving the copied text as the owner of the X11 clipboard.
#include "x11_clipboard_keeper.h"

#include "clipboard_formats.h"
#include "clipboard_hold.h"
#include "xcb_atoms.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <span>
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
    X11Owner(xcb_connection_t* connection, const std::string& utf8, const std::string& mark)
        : connection_(connection), utf8_(utf8), mark_(mark) {}
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
        markAtom_ = InternAtom(connection_, mark_);
        probe_ = InternAtom(connection_, "TINCTORA_KEEPER_PROBE");
        if (!watchOwners()) {
            return false;
        }
        xcb_set_selection_owner(connection_, window_, clipboard_, ownedSince_);
        const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr));
        if (!owner || owner->owner != window_) {
            return false;
        }
        owner_ = true;
        hold_.ownerChanged(Holder::Keeper);
        return true;
    }

    int connection() const override { return xcb_get_file_descriptor(connection_); }

    // A paste asked for while the keeper took the clipboard waits in the
    // library's queue already.
    bool prepareToWait() override {
        while (xcb_generic_event_t* raw = xcb_poll_for_queued_event(connection_)) {
            handle(Reply<xcb_generic_event_t>(raw));
        }
        xcb_flush(connection_);
        return connected();
    }

    bool dispatch(bool /*input*/) override {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            handle(Reply<xcb_generic_event_t>(raw));
        }
        return connected();
    }

    ClipboardStanding standing() const override { return {hold_.lost(), !owner_}; }

private:
    bool connected() const { return xcb_connection_has_error(connection_) == 0; }

    // Every change of the clipboard's owner is told, the keeper's own set
    // included, also once the keeper is no longer the owner: the desktop's
    // bridge may hold the keeper's text for it, and another program may take
    // the clipboard from the bridge.
    bool watchOwners() {
        const xcb_query_extension_reply_t* xfixes =
            xcb_get_extension_data(connection_, &xcb_xfixes_id);
        if (xfixes == nullptr || xfixes->present == 0) {
            return false;
        }
        const Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            connection_, xcb_xfixes_query_version(connection_, 1, 0), nullptr));
        if (!version) {
            return false;
        }
        ownerChanged_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
        xcb_xfixes_select_selection_input(
            connection_, window_, clipboard_,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        return true;
    }

    // Answers a paste, or learns whose text a new owner of the clipboard holds.
    void handle(const Reply<xcb_generic_event_t>& event) {
        const uint8_t type = event->response_type & 0x7F;
        if (type == ownerChanged_) {
            const auto* change =
                reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event.get());
            if (change->selection == clipboard_) {
                ownerChanged(*change);
            }
        } else if (type == XCB_SELECTION_NOTIFY) {
            probed(*reinterpret_cast<const xcb_selection_notify_event_t*>(event.get()));
        } else if (type == XCB_SELECTION_REQUEST) {
            answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
        }
    }

    // An owner other than the keeper is asked for the formats it offers; the
    // answer says whose text it holds.
    void ownerChanged(const xcb_xfixes_selection_notify_event_t& change) {
        owner_ = change.owner == window_;
        if (change.owner == window_ || change.owner == XCB_WINDOW_NONE) {
            hold_.ownerChanged(change.owner == window_ ? Holder::Keeper : Holder::Nobody);
            return;
        }
        probedAt_ = change.selection_timestamp;
        xcb_convert_selection(connection_, window_, clipboard_, targets_, probe_, probedAt_);
    }

    // The answer to the latest question only: an owner that has already
    // passed the clipboard on no longer counts.
    void probed(const xcb_selection_notify_event_t& notify) {
        if (notify.requestor != window_ || notify.selection != clipboard_ ||
            notify.target != targets_ || notify.time != probedAt_) {
            return;
        }
        bool marked = false;
        if (notify.property != XCB_ATOM_NONE) {
            const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 1, window_, notify.property,
                                 XCB_GET_PROPERTY_TYPE_ANY, 0, kLongestTargetList),
                nullptr));
            if (reply && reply->format == 32) {
                const std::span<const xcb_atom_t> offered(
                    static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) /
                        sizeof(xcb_atom_t));
                marked = std::ranges::find(offered, markAtom_) != offered.end();
            }
        }
        hold_.ownerChanged(marked ? Holder::Keeper : Holder::Other);
    }

    // Writes the requested form of the text into the requestor's property;
    // false when the clipboard has no such form.
    bool store(const xcb_selection_request_event_t& request, xcb_atom_t property) {
        if (request.target == targets_) {
            std::vector<xcb_atom_t> offered{targets_, timestamp_, markAtom_};
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

    // In 32-bit units; far more formats than any program offers.
    static constexpr uint32_t kLongestTargetList = 1024;

    xcb_connection_t* connection_;
    const std::string& utf8_;
    const std::string& mark_;
    xcb_window_t window_ = XCB_WINDOW_NONE;
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    xcb_atom_t clipboard_ = XCB_ATOM_NONE;
    xcb_atom_t targets_ = XCB_ATOM_NONE;
    xcb_atom_t timestamp_ = XCB_ATOM_NONE;
    xcb_atom_t utf8String_ = XCB_ATOM_NONE;
    xcb_atom_t text_ = XCB_ATOM_NONE;
    xcb_atom_t markAtom_ = XCB_ATOM_NONE;
    xcb_atom_t probe_ = XCB_ATOM_NONE;
    uint8_t ownerChanged_ = 0;
    xcb_timestamp_t probedAt_ = XCB_CURRENT_TIME;
    std::vector<Format> formats_;
    ClipboardHold hold_;
    // Whether the keeper's window owns the clipboard, as the server last told.
    bool owner_ = false;
};

} // namespace

std::unique_ptr<ClipboardOwner> TakeX11Clipboard(const std::string& utf8, const std::string& mark) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    auto owner = std::make_unique<X11Owner>(connection, utf8, mark);
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
