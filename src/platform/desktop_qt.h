// The desktop as Qt gives it on X11, through XWayland and on Wayland: pointer,
// window rectangles, topmost state, capture, palette colours, message boxes,
// and the screen from the X server or from the desktop portal.
#pragma once

#include "desktop.h"
#include "screenshot_portal.h"
#include "watched_text.h"
#include "x11_screen.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QPointer>

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

class QtDesktop : public Desktop {
public:
    int colourDepth() override;
    bool paintsAtColourDepth() override { return X11PaintableVisual().value_or(true); }
    QSize screenSize() override;
    QRect screenGeometry(const QWidget* window) override;
    std::optional<QMarginsF> newWindowFrame(const QWidget* window) override;
    std::optional<QPoint> pointerPosition() override;
    bool setPointerPosition(QPoint position) override;
    std::optional<PointerSample> samplePointer() override;
    std::optional<PointerSample> samplePointerOn(const ScreenFrame& frame) override;
    ScreenAccess screenAccess() override;
    void watchScreenAccess(std::function<void()> changed) override;
    void requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) override;
    void pickColor(std::function<void(std::optional<PackedColor>)> picked) override;
    void prepareOutOfFrame(QWidget* window) override;
    void setOutOfFrame(QWidget* window, bool out) override;
    std::optional<QRect> windowRect(const QWidget* widget) override;
    bool placesWindows() override;
    bool knowsPopupPlace() override;
    bool setTopmost(QWidget* window, bool topmost) override;
    void setCapture(QWidget* widget) override;
    void releaseCapture() override;
    PackedColor systemColor(int32_t index) override;
    MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) override;
    bool setClipboardText(const QString& text) override;
    bool keepClipboardAfterExit() override;

private:
    bool onXWayland();
    // What the session's portal was found to do.
    enum class PortalState { Unknown, Offered, Refused, Missing };
    void portalFound(PortalState state);

    PointerWatch pointerWatch_;
    bool watching_ = false;
    X11PointerReader pointerReader_;
    std::optional<bool> rootReadable_;
    std::optional<bool> xwayland_;
    ScreenshotPortal portal_;
    PortalState portalState_ = PortalState::Unknown;
    bool probing_ = false;
    std::function<void()> accessChanged_;
    // When a window last went out of the frames.
    QElapsedTimer outOfFrame_;
    QPointer<WatchedText> copied_;
};

} // namespace tinctora
