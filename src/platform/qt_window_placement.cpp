// Windows as Qt and the window manager place them.
#include "qt_window_placement.h"

#include "frame_extents.h"
#include "qt_session.h"

#include <QLibraryInfo>
#include <QScreen>
#include <QVersionNumber>
#include <QWidget>
#include <QWindow>

namespace tinctora {

std::optional<QMarginsF> QtWindowPlacement::newWindowFrame(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : nullptr;
    if (screen == nullptr) {
        return std::nullopt;
    }
    const qreal ratio = screen->devicePixelRatio();
    // Window managers answer within milliseconds; one that lists the request
    // but never answers must not hold up the start for long.
    const std::optional<QMargins> native = EstimatedFrameExtents(
        (QSizeF(window->size()) * ratio).toSize(), std::chrono::milliseconds(300));
    if (!native) {
        return std::nullopt;
    }
    return QMarginsF(*native) / ratio;
}

std::optional<QRect> QtWindowPlacement::windowRect(const QWidget* widget) {
    if (widget == nullptr) {
        return std::nullopt;
    }
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

bool QtWindowPlacement::placesWindows() {
    return !NativeWayland();
}

bool QtWindowPlacement::knowsPopupPlace() {
    return !NativeWayland() || QLibraryInfo::version() >= QVersionNumber(6, 5, 1);
}

bool QtWindowPlacement::setTopmost(QWidget* window, bool topmost) {
    if (window == nullptr) {
        return false;
    }
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) {
        return false;
    }
    // Changing the flags of the platform window, not of the widget, keeps the
    // window mapped: the widget's setWindowFlags would hide it.
    handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (topmost) {
        handle->raise();
    }
    return true;
}

} // namespace tinctora
