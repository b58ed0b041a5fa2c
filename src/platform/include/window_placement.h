// Where windows lie and which stays on top.
#pragma once

#include <QMarginsF>
#include <QRect>

#include <optional>

class QWidget;

namespace tinctora {

class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;

    // The frame, in logical pixels, that the window manager will draw around
    // a window of fixed size not shown yet; empty when it cannot be known
    // beforehand.
    virtual std::optional<QMarginsF> newWindowFrame(const QWidget* window) = 0;
    // Outer rectangle of a window (its frame included) or of a control, in
    // logical screen pixels; empty when it cannot be read.
    virtual std::optional<QRect> windowRect(const QWidget* widget) = 0;
    // Whether window positions are places on the screen. Not on Wayland: the
    // compositor places every window, a popup relative to its parent window,
    // and itself keeps a popup on the screen.
    virtual bool placesWindows() = 0;
    // Whether Qt knows where an open popup is shown. Not on Wayland before Qt
    // 6.5.1: when the compositor moves a popup to keep it on the screen (slid
    // along the edge, or flipped to the other side of where it was asked
    // for), Qt keeps the place it asked for and hands the popup the events of
    // our other windows at positions off by that move.
    virtual bool knowsPopupPlace() = 0;
    virtual bool setTopmost(QWidget* window, bool topmost) = 0;
};

} // namespace tinctora
