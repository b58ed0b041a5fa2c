// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen's pixels as the X server or the desktop portal hands them out.
#pragma once

#include "screen_reader.h"
#include "screenshot_portal.h"
#include "x11_screen.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>

#include <optional>

namespace tinctora {

// Where the application last saw the pointer go. An eyedropper drag holds
// the pointer, so each of its moves reaches the application as an event.
class PointerWatch : public QObject {
public:
    // The position seen since the last take, in logical pixels.
    std::optional<QPointF> take();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QPointF> seen_;
};

class QtScreenReader : public virtual ScreenReader {
public:
    std::optional<PointerSample> samplePointer(QPoint offset) override;
    std::optional<PointerSample> samplePointerOn(const ScreenFrame& frame, QPoint offset) override;
    ScreenAccess screenAccess() override;
    void watchScreenAccess(std::function<void()> changed) override;
    void requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) override;
    void pickColor(std::function<void(std::optional<PackedColor>)> picked) override;
    void prepareOutOfFrame(QWidget* window) override;
    void setOutOfFrame(QWidget* window, bool out) override;

private:
    // What the session's portal was found to do.
    enum class PortalState { Unknown, Offered, Refused, Missing };
    void portalFound(PortalState state);

    PointerWatch pointerWatch_;
    bool watching_ = false;
    X11PointerReader pointerReader_;
    std::optional<bool> rootReadable_;
    ScreenshotPortal portal_;
    PortalState portalState_ = PortalState::Unknown;
    bool probing_ = false;
    std::function<void()> accessChanged_;
    // When a window last went out of the frames.
    QElapsedTimer outOfFrame_;
};

} // namespace tinctora
