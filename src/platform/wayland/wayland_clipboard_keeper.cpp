// Serving the copied text as the Wayland selection.
#include "wayland_clipboard_keeper.h"

#include "clipboard_formats.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

namespace tinctora {

namespace {

struct Session {
    const std::string* utf8 = nullptr;
    wl_seat* seat = nullptr;
    zwlr_data_control_manager_v1* manager = nullptr;
    zwlr_data_control_offer_v1* selection = nullptr;
    bool cancelled = false;
    bool finished = false;
};

// Writes everything, waiting a while for a reader that is slow to take it;
// gives up on one that never reads, so the keeper never hangs on it.
void WriteAll(int fd, std::string_view bytes) {
    constexpr int kPatienceMs = 2000;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        pollfd ready{fd, POLLOUT, 0};
        if (written < 0 && errno == EAGAIN && poll(&ready, 1, kPatienceMs) > 0) {
            continue;
        }
        return;
    }
}

void Send(void* data, zwlr_data_control_source_v1* /*source*/, const char* mimeType, int32_t fd) {
    const auto* session = static_cast<Session*>(data);
    if (const auto bytes = ClipboardTextAs(mimeType, *session->utf8)) {
        WriteAll(fd, *bytes);
    }
    close(fd);
}

void Cancelled(void* data, zwlr_data_control_source_v1* /*source*/) {
    static_cast<Session*>(data)->cancelled = true;
}

constexpr zwlr_data_control_source_v1_listener kSourceListener{Send, Cancelled};

// Offers of other clients are not read; each is let go once the next arrives.
void DataOffer(void* /*data*/, zwlr_data_control_device_v1* /*device*/,
               zwlr_data_control_offer_v1* /*offer*/) {}

void Selection(void* data, zwlr_data_control_device_v1* /*device*/,
               zwlr_data_control_offer_v1* offer) {
    auto* session = static_cast<Session*>(data);
    if (session->selection != nullptr) {
        zwlr_data_control_offer_v1_destroy(session->selection);
    }
    session->selection = offer;
}

void Finished(void* data, zwlr_data_control_device_v1* /*device*/) {
    static_cast<Session*>(data)->finished = true;
}

void PrimarySelection(void* /*data*/, zwlr_data_control_device_v1* /*device*/,
                      zwlr_data_control_offer_v1* offer) {
    if (offer != nullptr) {
        zwlr_data_control_offer_v1_destroy(offer);
    }
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

} // namespace

int ServeWaylandClipboard(const std::string& utf8, const std::function<void()>& owned) {
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(
        wl_display_connect(nullptr), &wl_display_disconnect);
    if (!display) {
        return 1;
    }
    Session session;
    session.utf8 = &utf8;
    wl_registry* registry = wl_display_get_registry(display.get());
    wl_registry_add_listener(registry, &kRegistryListener, &session);
    if (wl_display_roundtrip(display.get()) < 0 || session.seat == nullptr ||
        session.manager == nullptr) {
        return 1;
    }
    zwlr_data_control_source_v1* source =
        zwlr_data_control_manager_v1_create_data_source(session.manager);
    zwlr_data_control_source_v1_add_listener(source, &kSourceListener, &session);
    for (const std::string_view format : ClipboardTextFormats()) {
        zwlr_data_control_source_v1_offer(source, std::string(format).c_str());
    }
    zwlr_data_control_device_v1* device =
        zwlr_data_control_manager_v1_get_data_device(session.manager, session.seat);
    zwlr_data_control_device_v1_add_listener(device, &kDeviceListener, &session);
    zwlr_data_control_device_v1_set_selection(device, source);
    if (wl_display_roundtrip(display.get()) < 0 || session.cancelled || session.finished) {
        return 1;
    }
    owned();
    while (!session.cancelled && !session.finished && wl_display_dispatch(display.get()) >= 0) {
    }
    return 0;
}

} // namespace tinctora
