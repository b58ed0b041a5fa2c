// Windows as Qt and the window manager place them.
#pragma once

#include "window_placement.h"

namespace tinctora {

class QtWindowPlacement : public virtual WindowPlacement {
public:
    std::optional<QMarginsF> newWindowFrame(const QWidget* window) override;
    std::optional<QRect> windowRect(const QWidget* widget) override;
    bool placesWindows() override;
    bool knowsPopupPlace() override;
    bool setTopmost(QWidget* window, bool topmost) override;
};

} // namespace tinctora
