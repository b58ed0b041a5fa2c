// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen's pixels as the X server or the desktop portal hands them out.
#include "qt_screen_reader.h"

#include "frame_sampling.h"
#include "native_screens.h"
#include "qt_session.h"
#include "screen_pixels.h"

#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <utility>

namespace tinctora {

namespace {

// How long a window taken out of the frames takes to leave the screen: its
// see-through picture or its unmapping passes the X server and the
// compositor, which shows the change with its next output frame.
constexpr std::chrono::milliseconds kLeavesScreen{120};

// The window a portal dialog belongs to, as the portal names X11 windows.
QString PortalParentWindow() {
    const QWindow* window = QGuiApplication::focusWindow();
    if (window == nullptr || QGuiApplication::platformName() != QStringLiteral("xcb")) {
        return QString();
    }
    return QStringLiteral("x11:%1").arg(window->winId(), 0, 16);
}

} // namespace

std::optional<QPointF> PointerWatch::take() {
    return std::exchange(seen_, std::nullopt);
}

bool PointerWatch::eventFilter(QObject* watched, QEvent* event) {
    // Each move passes the window on its way to the widget; the window's
    // copy is enough.
    if (event->type() == QEvent::MouseMove && watched->isWindowType()) {
        seen_ = static_cast<const QMouseEvent*>(event)->globalPosition();
    }
    return false;
}

std::optional<PointerSample> QtScreenReader::samplePointer(QPoint offset) {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return std::nullopt;
    }
    const NativeScreens screens = ReadNativeScreens();
    const std::vector<QRect>& nativeScreens = screens.rects;
    const std::vector<ScaledScreen>& scaledScreens = screens.scaled;
    // Watched from the first sample on: only the eyedropper asks for one.
    if (!watching_) {
        QCoreApplication::instance()->installEventFilter(&pointerWatch_);
        watching_ = true;
    }
    std::optional<QPoint> seen;
    if (const std::optional<QPointF> logical = pointerWatch_.take()) {
        seen = NativePointerPosition(*logical, scaledScreens);
    }
    const std::optional<NativePointerBlock> native =
        pointerReader_.read(nativeScreens, seen, offset);
    if (!native) {
        return std::nullopt;
    }
    // The read already holds the pointer: asking Qt for it again would cost
    // every tick another round trip to the X server.
    return PointerSample{LogicalPointerPosition(native->nativePosition, scaledScreens),
                         native->block};
}

std::optional<PointerSample> QtScreenReader::samplePointerOn(const ScreenFrame& frame,
                                                             QPoint offset) {
    const std::optional<QPoint> native = ReadX11Pointer();
    if (!native) {
        return std::nullopt;
    }
    // Unrounded, so that a pointer scaled by Qt still finds its own physical
    // pixel in the frame.
    const std::vector<ScaledScreen> screens = ReadNativeScreens().scaled;
    return PointerSample{LogicalPointerPosition(*native, screens),
                         FrameBlock(frame, ExactLogicalPosition(*native + offset, screens))};
}

ScreenAccess QtScreenReader::screenAccess() {
    const bool wayland = NativeWayland();
    if (!wayland) {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            return ScreenAccess::Live;
        }
        if (!rootReadable_) {
            rootReadable_ = X11RootReadable();
        }
        if (*rootReadable_) {
            return ScreenAccess::Live;
        }
    }
    switch (portalState_) {
    case PortalState::Missing:
        return ScreenAccess::None;
    case PortalState::Refused:
        return ScreenAccess::PickOnly;
    case PortalState::Unknown:
    case PortalState::Offered:
        break;
    }
    return wayland ? ScreenAccess::ClickFrame : ScreenAccess::DragFrame;
}

void QtScreenReader::watchScreenAccess(std::function<void()> changed) {
    accessChanged_ = std::move(changed);
    if (screenAccess() == ScreenAccess::Live || portalState_ != PortalState::Unknown || probing_) {
        return;
    }
    probing_ = true;
    portal_.probe([this](bool offered) {
        probing_ = false;
        if (portalState_ == PortalState::Unknown) {
            portalFound(offered ? PortalState::Offered : PortalState::Missing);
        }
    });
}

void QtScreenReader::portalFound(PortalState state) {
    if (portalState_ == state) {
        return;
    }
    const ScreenAccess before = screenAccess();
    portalState_ = state;
    if (accessChanged_ && screenAccess() != before) {
        accessChanged_();
    }
}

void QtScreenReader::requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) {
    const qint64 leaving =
        outOfFrame_.isValid() ? kLeavesScreen.count() - outOfFrame_.elapsed() : 0;
    if (leaving > 0) {
        QTimer::singleShot(leaving, &portal_, [this, answered = std::move(answered)]() mutable {
            requestFrame(std::move(answered));
        });
        return;
    }
    portal_.screenshot(PortalParentWindow(),
                       [this, answered](PortalAnswer answer, const QImage& image) {
                           if (answer != PortalAnswer::Given) {
                               portalFound(answer == PortalAnswer::Missing ? PortalState::Missing
                                                                           : PortalState::Refused);
                               answered(std::nullopt);
                               return;
                           }
                           portalFound(PortalState::Offered);
                           std::vector<QRect> screens;
                           for (const QScreen* screen : QGuiApplication::screens()) {
                               screens.push_back(screen->geometry());
                           }
                           answered(ScreenFrame{image, FrameLayout(screens, image.size())});
                       });
}

void QtScreenReader::prepareOutOfFrame(QWidget* window) {
    // Only through XWayland: natively the window is hidden instead, and on
    // X11 the screen is read live.
    if (window == nullptr || window->internalWinId() != 0 || !XWaylandSession()) {
        return;
    }
    // An alpha channel for the window's surface, its background still painted
    // opaque: only the effect set while it is out of a frame makes it clear.
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_NoSystemBackground, false);
    window->setAutoFillBackground(true);
}

void QtScreenReader::setOutOfFrame(QWidget* window, bool out) {
    if (window == nullptr) {
        return;
    }
    if (out) {
        outOfFrame_.start();
    }
    if (NativeWayland()) {
        // No Wayland protocol makes a window see-through, and the decorations
        // a program draws itself would stay: natively the window goes.
        window->setVisible(!out);
        return;
    }
    // A compositor that honours the opacity an X11 window asks for fades the
    // window together with the frame it draws around it; one that ignores it
    // (sway) still blends the window's own alpha, so a window with a
    // see-through surface paints nothing at all, at once.
    window->setWindowOpacity(out ? 0.0 : 1.0);
    if (window->testAttribute(Qt::WA_TranslucentBackground)) {
        QGraphicsOpacityEffect* unseen = nullptr;
        if (out) {
            unseen = new QGraphicsOpacityEffect(window);
            unseen->setOpacity(0.0);
        }
        window->setGraphicsEffect(unseen);
        window->repaint();
    }
}

void QtScreenReader::pickColor(std::function<void(std::optional<PackedColor>)> picked) {
    portal_.pickColor(PortalParentWindow(),
                      [this, picked](PortalAnswer answer, std::optional<PackedColor> colour) {
                          if (answer == PortalAnswer::Missing) {
                              portalFound(PortalState::Missing);
                          }
                          picked(colour);
                      });
}

} // namespace tinctora
