// Reading the X server's root window in native pixels: the pointer and the
// 5 x 5 block under it.
#pragma once

#include "screen_reader.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

struct xcb_connection_t;
struct xcb_screen_t;

namespace tinctora {

class GuessedImage;

struct NativePointerBlock {
    QPoint nativePosition;
    PixelBlock block;
};

// Reads the pointer and the block under it. The pixels are asked for in the
// same breath as the pointer, around where it is expected: when the block
// lies in that guess the server answers both in one round trip, and only a
// pointer that strays from it costs a second request for the block.
class X11PointerReader {
public:
    // Empty when the application does not run on X11 or the server refuses.
    // screens are the monitors in native pixels; pixels outside all are -1.
    // seen is where the application last saw the pointer go, in native
    // pixels, if it saw it move since the last read; without it the pointer
    // is expected to go on as it went between the last two reads.
    std::optional<NativePointerBlock> read(const std::vector<QRect>& screens,
                                           std::optional<QPoint> seen = {});
    // Whether the last read's pixels came from the guess.
    bool guessServedLastRead() const { return guessServed_; }

private:
    // Where the pixels are asked for with the next pointer query.
    QRect nextGuess(std::optional<QPoint> seen, QRect firstRoot) const;
    // Keeps the pointer's way on the first screen; elsewhere forgets it.
    void remember(std::optional<QPoint> onFirstScreen);
    // The block under the pointer: from the guess when it holds the block,
    // else read on its own; pixels that cannot be read are -1.
    PixelBlock readBlock(xcb_connection_t* connection, const xcb_screen_t* screen, QPoint position,
                         GuessedImage* guess, const std::vector<QRect>& screens);

    std::optional<QPoint> last_;
    QPoint step_;
    bool guessServed_ = false;
};

// The pointer in native pixels of the root window it is on, without any
// pixels; empty when the application does not run on X11.
std::optional<QPoint> ReadX11Pointer();
// The bits per pixel of the first screen as the X server stores it; empty
// when the application does not run on X11.
std::optional<int> X11BitsPerPixel();
// Whether Qt paints on the first screen's visual; empty when the application
// does not run on X11.
std::optional<bool> X11PaintableVisual();
// Whether the root window hands out its pixels. XWayland refuses every read
// of it (BadMatch): the screen is the compositor's to give.
bool X11RootReadable();
// Whether the X server says it is XWayland through the extension of that
// name. Only XWayland from 23.1 carries it; older ones name their outputs
// XWAYLAND0, XWAYLAND1, ..., newer ones take the compositor's output names.
bool RunsOnXWayland();

} // namespace tinctora
