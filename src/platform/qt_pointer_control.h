// The pointer as Qt moves and grabs it.
#pragma once

#include "pointer_control.h"

#include <optional>

namespace tinctora {

class QtPointerControl : public virtual PointerControl {
public:
    std::optional<QPoint> pointerPosition() override;
    bool setPointerPosition(QPoint position) override;
    void setCapture(QWidget* widget) override;
    void releaseCapture() override;

private:
    bool onXWayland();

    std::optional<bool> xwayland_;
};

} // namespace tinctora
