// Turning the native pixels of an X screen into packed colours, and fitting a
// 5 x 5 block around a point into the screens that exist.
#pragma once

#include "colour.h"
#include "screen_reader.h"

#include <QPointF>
#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

namespace tinctora {

// How a Z-pixmap image of the screen stores its pixels.
struct PixelFormat {
    int bitsPerPixel = 32; // 8, 16, 24 or 32
    int scanlinePad = 32;  // rows are padded to a multiple of this many bits
    bool msbFirst = false; // byte order of a pixel
    uint32_t redMask = 0xFF0000;
    uint32_t greenMask = 0x00FF00;
    uint32_t blueMask = 0x0000FF;
};

// One pixmap format an X server lists: the bits a pixel of that depth takes.
struct PixmapFormat {
    int depth = 0;
    int bitsPerPixel = 0;
};
// The bits a pixel of a screen of this depth takes in the server's memory, as
// the listed format says (a 15-bit depth takes 16, 24 takes 32); the depth
// itself when no format lists it.
int BitsPerPixel(int depth, const std::vector<PixmapFormat>& formats);

// Whether Qt's X11 windows can be painted on a visual: Qt keeps a window's
// pixels in an image of the screen's own format, and has such formats only
// for colour at 16 and 32 bits per pixel and for 8-bit grey; on any other
// visual (an 8-bit palette above all) painting a window crashes.
bool QtPaintsVisual(bool directColour, bool grey, int bitsPerPixel);

// Bytes from the start of one row to the next.
int RowStride(int width, const PixelFormat& format);
// One channel scaled from its mask's width to 0..255.
int16_t ChannelFromMask(uint32_t pixel, uint32_t mask);
// The whole image row by row; -1 for pixels the data is too short to hold.
std::vector<PackedColor> DecodeImage(std::span<const uint8_t> data, int width, int height,
                                     const PixelFormat& format);

// The part of the 5 x 5 block around centre that lies on the root window,
// which is the only part the server will hand out; empty when none does.
QRect BlockReadRect(QPoint centre, QRect root);
// Where the next block is looked for while the pointer is not yet known:
// the block around where the pointer is expected, with kGuessMargin pixels
// to spare on each side, and on the root window.
constexpr int kGuessMargin = 8;
QRect GuessedReadRect(QPoint expected, QRect root);
// Places the pixels read from readRect (row by row) into the block around
// centre; every pixel outside readRect or outside all screens is -1.
PixelBlock AssembleBlock(QPoint centre, QRect readRect, const std::vector<PackedColor>& pixels,
                         const std::vector<QRect>& screens);

// A monitor as Qt places it: its rectangle in native pixels, whose origin is
// also its logical origin, and its scale factor.
struct ScaledScreen {
    QRect native;
    double ratio = 1;
};
// The logical position of a native pointer position, rounded the way Qt's
// own cursor position is: scaled about the origin of the monitor it is on,
// or of the first (primary) monitor when it is on none.
QPoint LogicalPointerPosition(QPoint native, const std::vector<ScaledScreen>& screens);
// The same without rounding: where in logical pixels a native pixel starts,
// for pictures that hold more than one pixel per logical pixel.
QPointF ExactLogicalPosition(QPoint native, const std::vector<ScaledScreen>& screens);
// The other way: the native pixel nearest a logical position, on the monitor
// whose logical area holds it, or on the first monitor.
QPoint NativePointerPosition(QPointF logical, const std::vector<ScaledScreen>& screens);

} // namespace tinctora
