// What the display is: the depth and size of its screens, and the colours of
// the desktop's palette.
#pragma once

#include "colour.h"

#include <QRect>
#include <QSize>

class QWidget;

namespace tinctora {

class DisplayInfo {
public:
    virtual ~DisplayInfo() = default;

    // Bits per pixel of the screen.
    virtual int colourDepth() = 0;
    // Whether Qt can paint windows at the screen's depth at all.
    virtual bool paintsAtColourDepth() = 0;
    // Size of the screen in logical pixels.
    virtual QSize screenSize() = 0;
    // The screen a window shows on, in logical pixels.
    virtual QRect screenGeometry(const QWidget* window) = 0;
    // The packed colour of a classic system-colour index, from the desktop's palette.
    virtual PackedColor systemColor(int32_t index) = 0;
};

} // namespace tinctora
