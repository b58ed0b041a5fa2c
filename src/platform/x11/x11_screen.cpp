// The pointer and the pixels under it, straight from the X server.
#include "x11_screen.h"

#include "screen_pixels.h"
#include "xcb_atoms.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tinctora {

namespace {

const xcb_screen_t* ScreenOfRoot(const xcb_setup_t* setup, xcb_window_t root) {
    for (auto it = xcb_setup_roots_iterator(setup); it.rem > 0; xcb_screen_next(&it)) {
        if (it.data->root == root) {
            return it.data;
        }
    }
    return nullptr;
}

const xcb_visualtype_t* FindVisual(const xcb_screen_t* screen, xcb_visualid_t id) {
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem > 0;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem > 0;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == id) {
                return visuals.data;
            }
        }
    }
    return nullptr;
}

std::optional<PixelFormat> FormatOf(const xcb_setup_t* setup, const xcb_screen_t* screen,
                                    uint8_t depth, xcb_visualid_t visualId) {
    const xcb_visualtype_t* visual = FindVisual(screen, visualId);
    if (visual == nullptr || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR) {
        return std::nullopt;
    }
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
        if (it.data->depth == depth) {
            PixelFormat format;
            format.bitsPerPixel = it.data->bits_per_pixel;
            format.scanlinePad = it.data->scanline_pad;
            format.msbFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
            format.redMask = visual->red_mask;
            format.greenMask = visual->green_mask;
            format.blueMask = visual->blue_mask;
            return format;
        }
    }
    return std::nullopt;
}

xcb_get_image_cookie_t RequestImage(xcb_connection_t* connection, xcb_window_t root, QRect rect) {
    return xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root,
                         static_cast<int16_t>(rect.x()), static_cast<int16_t>(rect.y()),
                         static_cast<uint16_t>(rect.width()), static_cast<uint16_t>(rect.height()),
                         ~0U);
}

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

const xcb_screen_t* FirstScreen(xcb_connection_t* connection) {
    const auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return roots.rem > 0 ? roots.data : nullptr;
}

QRect RootRect(const xcb_screen_t* screen) {
    return {0, 0, screen->width_in_pixels, screen->height_in_pixels};
}

} // namespace

std::optional<QPoint> ReadX11Pointer() {
    xcb_connection_t* connection = X11Connection();
    const xcb_screen_t* first = connection != nullptr ? FirstScreen(connection) : nullptr;
    if (first == nullptr) {
        return std::nullopt;
    }
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, first->root), nullptr));
    if (!pointer) {
        return std::nullopt;
    }
    return QPoint(pointer->root_x, pointer->root_y);
}

std::optional<int> X11BitsPerPixel() {
    xcb_connection_t* connection = X11Connection();
    const xcb_screen_t* first = connection != nullptr ? FirstScreen(connection) : nullptr;
    if (first == nullptr) {
        return std::nullopt;
    }
    std::vector<PixmapFormat> formats;
    for (auto it = xcb_setup_pixmap_formats_iterator(xcb_get_setup(connection)); it.rem > 0;
         xcb_format_next(&it)) {
        formats.push_back({it.data->depth, it.data->bits_per_pixel});
    }
    return BitsPerPixel(first->root_depth, formats);
}

std::optional<bool> X11PaintableVisual() {
    xcb_connection_t* connection = X11Connection();
    const xcb_screen_t* first = connection != nullptr ? FirstScreen(connection) : nullptr;
    const xcb_visualtype_t* visual =
        first != nullptr ? FindVisual(first, first->root_visual) : nullptr;
    if (visual == nullptr) {
        return std::nullopt;
    }
    return QtPaintsVisual(visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR ||
                              visual->_class == XCB_VISUAL_CLASS_DIRECT_COLOR,
                          visual->_class == XCB_VISUAL_CLASS_GRAY_SCALE ||
                              visual->_class == XCB_VISUAL_CLASS_STATIC_GRAY,
                          X11BitsPerPixel().value_or(0));
}

bool X11RootReadable() {
    xcb_connection_t* connection = X11Connection();
    const xcb_screen_t* first = connection != nullptr ? FirstScreen(connection) : nullptr;
    if (first == nullptr) {
        return false;
    }
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        connection, RequestImage(connection, first->root, QRect(0, 0, 1, 1)), &error));
    std::free(error);
    return image != nullptr;
}

bool RunsOnXWayland() {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return false;
    }
    static constexpr char kName[] = "XWAYLAND";
    const Reply<xcb_query_extension_reply_t> extension(xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof kName - 1, kName), nullptr));
    return extension != nullptr && extension->present != 0;
}

// The pixels asked for around where the pointer is expected, sent in the same
// breath as the pointer query; an answer nobody takes is thrown away unread.
class GuessedImage {
public:
    GuessedImage(xcb_connection_t* connection, xcb_window_t root, QRect rect)
        : connection_(connection), rect_(rect) {
        if (!rect.isEmpty()) {
            cookie_ = RequestImage(connection, root, rect);
        }
    }
    GuessedImage(const GuessedImage&) = delete;
    GuessedImage& operator=(const GuessedImage&) = delete;
    ~GuessedImage() {
        if (cookie_) {
            xcb_discard_reply(connection_, cookie_->sequence);
        }
    }

    // The answer when the guess holds the needed part; else nothing.
    Reply<xcb_get_image_reply_t> take(QRect needed) {
        if (!cookie_ || !rect_.contains(needed)) {
            return nullptr;
        }
        Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(connection_, *cookie_, nullptr));
        cookie_.reset();
        return image;
    }
    QRect rect() const { return rect_; }

private:
    xcb_connection_t* connection_;
    QRect rect_;
    std::optional<xcb_get_image_cookie_t> cookie_;
};

QRect X11PointerReader::nextGuess(std::optional<QPoint> seen, QRect firstRoot) const {
    if (seen) {
        return GuessedReadRect(*seen, firstRoot);
    }
    if (last_) {
        return GuessedReadRect(*last_ + step_, firstRoot);
    }
    return {};
}

void X11PointerReader::remember(std::optional<QPoint> onFirstScreen) {
    step_ = last_ && onFirstScreen ? *onFirstScreen - *last_ : QPoint();
    last_ = onFirstScreen;
}

PixelBlock X11PointerReader::readBlock(xcb_connection_t* connection, const xcb_screen_t* screen,
                                       QPoint position, GuessedImage* guess,
                                       const std::vector<QRect>& screens) {
    PixelBlock block;
    block.fill(-1);
    const QRect root = RootRect(screen);
    // A block reaching past the root window would make the server refuse it,
    // so only the part on it is asked for.
    const QRect needed = BlockReadRect(position, root);
    if (needed.isEmpty()) {
        return block;
    }
    QRect readRect = guess != nullptr ? guess->rect() : needed;
    Reply<xcb_get_image_reply_t> image = guess != nullptr ? guess->take(needed) : nullptr;
    guessServed_ = image != nullptr;
    if (!image) {
        readRect = needed;
        image.reset(xcb_get_image_reply(connection, RequestImage(connection, screen->root, needed),
                                        nullptr));
    }
    if (!image) {
        return block;
    }
    const std::optional<PixelFormat> format =
        FormatOf(xcb_get_setup(connection), screen, image->depth,
                 image->visual != 0 ? image->visual : screen->root_visual);
    if (!format) {
        return block;
    }
    const std::span<const uint8_t> data(
        xcb_get_image_data(image.get()),
        static_cast<std::size_t>(xcb_get_image_data_length(image.get())));
    const std::vector<PackedColor> pixels =
        DecodeImage(data, readRect.width(), readRect.height(), *format);
    const std::vector<QRect> monitors = screens.empty() ? std::vector<QRect>{root} : screens;
    return AssembleBlock(position, readRect, pixels, monitors);
}

std::optional<NativePointerBlock> X11PointerReader::read(const std::vector<QRect>& screens,
                                                         std::optional<QPoint> seen) {
    guessServed_ = false;
    xcb_connection_t* connection = X11Connection();
    // Guesses are made on the first screen's root only.
    const xcb_screen_t* first = connection != nullptr ? FirstScreen(connection) : nullptr;
    if (first == nullptr) {
        return std::nullopt;
    }
    const xcb_query_pointer_cookie_t pointerCookie = xcb_query_pointer(connection, first->root);
    GuessedImage guess(connection, first->root, nextGuess(seen, RootRect(first)));
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, pointerCookie, nullptr));
    const xcb_screen_t* screen =
        pointer ? ScreenOfRoot(xcb_get_setup(connection), pointer->root) : nullptr;
    if (screen == nullptr) {
        remember(std::nullopt);
        return std::nullopt;
    }
    const QPoint position(pointer->root_x, pointer->root_y);
    const bool onFirst = screen == first;
    remember(onFirst ? std::optional(position) : std::nullopt);
    return NativePointerBlock{
        position, readBlock(connection, screen, position, onFirst ? &guess : nullptr, screens)};
}

} // namespace tinctora
