// Reading the X server's root window in native pixels: the pointer and the
// 5 x 5 block under it.
#pragma once

#include "desktop.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace tinctora {

struct NativePointerBlock {
    QPoint nativePosition;
    PixelBlock block;
};

// Empty when the application does not run on X11 or the server refuses.
// screens are the monitors in native pixels; pixels outside all are -1.
std::optional<NativePointerBlock> ReadX11PointerBlock(const std::vector<QRect>& screens);

} // namespace tinctora
