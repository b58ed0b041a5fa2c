// The window manager's frame estimate for a window that is not mapped yet.
#include "frame_extents.h"

#include "xcb_atoms.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <memory>
#include <thread>

namespace tinctora {

namespace {

// Whether the window manager lists the request among what it supports; without
// one, nobody would answer and the wait would only delay the start.
bool Supported(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, InternAtom(connection, "_NET_SUPPORTED"),
                         XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == feature) {
            return true;
        }
    }
    return false;
}

// The property holds left, right, top and bottom.
std::optional<QMargins> ReadExtents(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t extents) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

} // namespace

// Window managers leave the resize handle off a window that cannot be
// resized: the stand-in has the fixed size of the window it stands for.
void SetFixedSize(xcb_connection_t* connection, xcb_window_t window, QSize size) {
    constexpr uint32_t kMinSize = 1U << 4;
    constexpr uint32_t kMaxSize = 1U << 5;
    const auto width = static_cast<uint32_t>(size.width());
    const auto height = static_cast<uint32_t>(size.height());
    // flags, position, size, minimum, maximum, steps, aspects, base, gravity
    const uint32_t hints[18] = {kMinSize | kMaxSize, 0, 0, 0, 0, width, height, width, height};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

std::optional<QMargins> EstimatedFrameExtents(QSize fixedSize, std::chrono::milliseconds wait) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (roots.rem == 0) {
        return std::nullopt;
    }
    const xcb_window_t root = roots.data->root;
    const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = InternAtom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE ||
        !Supported(connection, root, request)) {
        return std::nullopt;
    }

    // A stand-in of our own rather than the program's window: Qt places a
    // window that exists natively by its inside, one that does not yet by
    // its frame, and the start-up places the frame.
    const xcb_window_t standIn = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, standIn, root, 0, 0,
                      static_cast<uint16_t>(fixedSize.width()),
                      static_cast<uint16_t>(fixedSize.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    SetFixedSize(connection, standIn, fixedSize);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = standIn;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The answer is a property the window manager sets; asking for it is a
    // round trip that also gives the window manager time to set it.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::optional<QMargins> frame = ReadExtents(connection, standIn, extents);
    while (!frame && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        frame = ReadExtents(connection, standIn, extents);
    }
    xcb_destroy_window(connection, standIn);
    xcb_flush(connection);
    return frame;
}

} // namespace tinctora
