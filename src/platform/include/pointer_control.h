// The pointer: where it is, moving it, and holding it for one widget.
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

namespace tinctora {

class PointerControl {
public:
    virtual ~PointerControl() = default;

    // Pointer position in logical screen pixels; empty when it cannot be read.
    virtual std::optional<QPoint> pointerPosition() = 0;
    virtual bool setPointerPosition(QPoint position) = 0;
    // Routes every mouse event to the widget until released.
    virtual void setCapture(QWidget* widget) = 0;
    virtual void releaseCapture() = 0;
};

} // namespace tinctora
