// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Serving the copied text as the Wayland selection.
#include "wayland_clipboard_keeper.h"

#include "clipboard_formats.h"
#include "clipboard_hold.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"
#include "write_all.h"

#include <wayland-client.h>

#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <string_view>
#include <vector>

namespace tinctora {

namespace {

struct Session {
    const std::string* utf8 = nullptr;
    wl_seat* seat = nullptr;
    zwlr_data_control_manager_v1* manager = nullptr;
    zwlr_data_control_offer_v1* selection = nullptr;
    // The formats of each offer not let go of yet.
    std::map<zwlr_data_control_offer_v1*, std::vector<std::string>> offers;
    std::string mark;
    ClipboardHold hold;
    bool cancelled = false;
    bool finished = false;
};

// A reader slow to take the text is waited for a while; one that never reads
// is given up on, so the keeper never hangs on it.
constexpr std::chrono::milliseconds kPastePatience{2000};

void Send(void* data, zwlr_data_control_source_v1* /*source*/, const char* mimeType, int32_t fd) {
    const auto* session = static_cast<Session*>(data);
    if (const auto bytes = ClipboardTextAs(mimeType, *session->utf8)) {
        WriteAll(fd, *bytes, std::chrono::steady_clock::now() + kPastePatience);
    }
    close(fd);
}

void Cancelled(void* data, zwlr_data_control_source_v1* /*source*/) {
    static_cast<Session*>(data)->cancelled = true;
}

constexpr zwlr_data_control_source_v1_listener kSourceListener{Send, Cancelled};

void LetGo(Session& session, zwlr_data_control_offer_v1* offer) {
    if (offer != nullptr) {
        session.offers.erase(offer);
        zwlr_data_control_offer_v1_destroy(offer);
    }
}

void OfferFormat(void* data, zwlr_data_control_offer_v1* offer, const char* mimeType) {
    static_cast<Session*>(data)->offers[offer].emplace_back(mimeType);
}

constexpr zwlr_data_control_offer_v1_listener kOfferListener{OfferFormat};

// The text of other clients is never read, only the formats they offer; each
// offer is let go once the next arrives.
void DataOffer(void* data, zwlr_data_control_device_v1* /*device*/,
               zwlr_data_control_offer_v1* offer) {
    static_cast<Session*>(data)->offers[offer];
    zwlr_data_control_offer_v1_add_listener(offer, &kOfferListener, data);
}

// Every change of the selection comes here, the keeper's own set included;
// the cancel of the keeper's source alone says nothing, as the desktop's
// bridge replaces it with the keeper's own text carried over from X11.
void Selection(void* data, zwlr_data_control_device_v1* /*device*/,
               zwlr_data_control_offer_v1* offer) {
    auto* session = static_cast<Session*>(data);
    session->hold.ownerChanged(
        offer == nullptr ? Holder::Nobody : HolderOffering(session->offers[offer], session->mark));
    LetGo(*session, session->selection);
    session->selection = offer;
}

void Finished(void* data, zwlr_data_control_device_v1* /*device*/) {
    static_cast<Session*>(data)->finished = true;
}

void PrimarySelection(void* data, zwlr_data_control_device_v1* /*device*/,
                      zwlr_data_control_offer_v1* offer) {
    LetGo(*static_cast<Session*>(data), offer);
}

constexpr zwlr_data_control_device_v1_listener kDeviceListener{DataOffer, Selection, Finished,
                                                               PrimarySelection};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t /*version*/) {
    auto* session = static_cast<Session*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && session->seat == nullptr) {
        session->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        session->manager = static_cast<zwlr_data_control_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
    }
}

void GlobalRemove(void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/) {}

constexpr wl_registry_listener kRegistryListener{Global, GlobalRemove};

class WaylandOwner : public ClipboardOwner {
public:
    WaylandOwner(const std::string& utf8, const std::string& mark)
        : display_(wl_display_connect(nullptr)) {
        session_.utf8 = &utf8;
        session_.mark = mark;
    }
    ~WaylandOwner() override {
        if (display_ != nullptr) {
            wl_display_disconnect(display_);
        }
    }
    WaylandOwner(const WaylandOwner&) = delete;
    WaylandOwner& operator=(const WaylandOwner&) = delete;

    bool takeClipboard() {
        if (display_ == nullptr) {
            return false;
        }
        wl_registry* registry = wl_display_get_registry(display_);
        wl_registry_add_listener(registry, &kRegistryListener, &session_);
        if (wl_display_roundtrip(display_) < 0 || session_.seat == nullptr ||
            session_.manager == nullptr) {
            return false;
        }
        zwlr_data_control_source_v1* source =
            zwlr_data_control_manager_v1_create_data_source(session_.manager);
        zwlr_data_control_source_v1_add_listener(source, &kSourceListener, &session_);
        for (const std::string_view format : ClipboardTextFormats()) {
            zwlr_data_control_source_v1_offer(source, std::string(format).c_str());
        }
        zwlr_data_control_source_v1_offer(source, session_.mark.c_str());
        zwlr_data_control_device_v1* device =
            zwlr_data_control_manager_v1_get_data_device(session_.manager, session_.seat);
        zwlr_data_control_device_v1_add_listener(device, &kDeviceListener, &session_);
        zwlr_data_control_device_v1_set_selection(device, source);
        return wl_display_roundtrip(display_) >= 0 && !session_.cancelled &&
               !session_.hold.lost() && !session_.finished;
    }

    int connection() const override { return wl_display_get_fd(display_); }

    // Reading follows the library's rule for a loop of one's own: announce
    // the read before waiting, then read or cancel.
    bool prepareToWait() override {
        while (wl_display_prepare_read(display_) != 0) {
            if (wl_display_dispatch_pending(display_) < 0) {
                return false;
            }
        }
        wl_display_flush(display_);
        return true;
    }

    bool dispatch(bool input) override {
        if (input) {
            if (wl_display_read_events(display_) < 0) {
                return false;
            }
        } else {
            wl_display_cancel_read(display_);
        }
        return wl_display_dispatch_pending(display_) >= 0;
    }

    // A device the compositor has finished with tells nothing more: the
    // keeper takes that for a loss.
    ClipboardStanding standing() const override {
        return {session_.hold.lost() || session_.finished, session_.cancelled};
    }

private:
    wl_display* display_;
    Session session_;
};

} // namespace

std::unique_ptr<ClipboardOwner> TakeWaylandClipboard(const std::string& utf8,
                                                     const std::string& mark) {
    auto owner = std::make_unique<WaylandOwner>(utf8, mark);
    if (!owner->takeClipboard()) {
        return nullptr;
    }
    return owner;
}

} // namespace tinctora
