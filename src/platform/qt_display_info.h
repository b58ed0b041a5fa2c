// The display as Qt sees it: the primary screen and the application palette.
#pragma once

#include "display_info.h"

namespace tinctora {

class QtDisplayInfo : public virtual DisplayInfo {
public:
    int colourDepth() override;
    bool paintsAtColourDepth() override;
    QSize screenSize() override;
    QRect screenGeometry(const QWidget* window) override;
    PackedColor systemColor(int32_t index) override;
};

} // namespace tinctora
