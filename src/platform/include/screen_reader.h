// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the screen's pixels for the eyedropper: live under the pointer, from
// a frame of the whole desktop, or through the desktop's own picker.
#pragma once

#include "colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tinctora {

// The 5 x 5 screen pixels centred on a point, row by row from the top left:
// the pixel at (x + dx, y + dy) is block[(dy + 2) * 5 + (dx + 2)]. A pixel
// that no screen shows is -1.
using PixelBlock = std::array<PackedColor, 25>;
constexpr int PixelBlockIndex(int dx, int dy) {
    return (dy + 2) * 5 + (dx + 2);
}

// The pointer in logical screen pixels together with the block of physical
// pixels under its hot spot: at a scale factor of 2 the block still covers
// 5 x 5 pixels of the screen, not 10 x 10.
struct PointerSample {
    QPoint position;
    PixelBlock block;
};

// How the eyedropper gets at the screen's pixels.
enum class ScreenAccess {
    Live,       // every tick reads the pixels under the pointer (X11)
    DragFrame,  // a frame taken at the press, sampled wherever the drag takes the pointer
    ClickFrame, // a frame shown over the whole desktop and picked from with a click
    PickOnly,   // no frame without asking: the desktop's own picker takes one pixel
    None,       // the desktop hands out no pixels at all
};

// One screen's share of a frame of the whole desktop: where the screen lies in
// logical pixels, and where its pixels lie in the frame, which holds physical
// pixels.
struct FrameScreen {
    QRect area;
    QRect pixels;
};
// A still picture of the whole desktop; empty until the desktop has sent it.
struct ScreenFrame {
    QImage image;
    std::vector<FrameScreen> screens;
};

class ScreenReader {
public:
    virtual ~ScreenReader() = default;

    // Reads the pointer and the pixels around it in one request to the screen;
    // empty when the pointer or the screen cannot be read. The block is
    // centred offset physical pixels away from the pixel under the pointer.
    virtual std::optional<PointerSample> samplePointer(QPoint offset) = 0;
    // The same with the block taken from a frame instead of the screen; every
    // pixel is -1 while the frame is empty.
    virtual std::optional<PointerSample> samplePointerOn(const ScreenFrame& frame,
                                                         QPoint offset) = 0;
    // How the eyedropper gets at the pixels. It may change when the desktop
    // answers a question: changed is then called, later, on the event loop.
    virtual ScreenAccess screenAccess() = 0;
    virtual void watchScreenAccess(std::function<void()> changed) = 0;
    // Asks for a frame of the whole desktop; answered is called once, later,
    // with the frame, or empty when the desktop refused it.
    virtual void requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) = 0;
    // Readies a window not yet shown for setOutOfFrame: where the desktop
    // leaves a window out of its frames only by drawing it see-through, the
    // window needs a see-through surface from its creation on.
    virtual void prepareOutOfFrame(QWidget* window) = 0;
    // Takes a window out of the frames the desktop gives, or brings it back.
    // Out of them it is drawn see-through or hidden; a see-through window
    // keeps the pointer it holds. The frames asked for next wait until the
    // desktop shows the window no more.
    virtual void setOutOfFrame(QWidget* window, bool out) = 0;
    // The desktop's own picker takes one pixel; picked is called once, later,
    // with its colour, or empty when it was cancelled or refused.
    virtual void pickColor(std::function<void(std::optional<PackedColor>)> picked) = 0;
};

} // namespace tinctora
