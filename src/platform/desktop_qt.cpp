// The desktop as Qt gives it on X11, through XWayland and on Wayland.
#include "desktop_qt.h"

#include "clipboard_handover.h"
#include "frame_extents.h"
#include "frame_sampling.h"
#include "palette_colours.h"
#include "screen_pixels.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QFile>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVersionNumber>
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

// The monitors in native pixels, with and without their scale factors. Qt
// keeps a screen's origin in native pixels and divides only its size by the
// scale factor.
struct NativeScreens {
    std::vector<QRect> rects;
    std::vector<ScaledScreen> scaled;
};

NativeScreens ReadNativeScreens() {
    NativeScreens screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        screens.rects.emplace_back(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize());
        screens.scaled.push_back({screens.rects.back(), ratio});
    }
    return screens;
}

bool NativeWayland() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

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

int QtDesktop::colourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return X11BitsPerPixel().value_or(screen != nullptr ? screen->depth() : 0);
}

QSize QtDesktop::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

QRect QtDesktop::screenGeometry(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->geometry() : QRect();
}

std::optional<QMarginsF> QtDesktop::newWindowFrame(const QWidget* window) {
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

std::optional<QPoint> QtDesktop::pointerPosition() {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return std::nullopt;
    }
    return QCursor::pos();
}

bool QtDesktop::onXWayland() {
    if (!xwayland_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        xwayland_ = RunsOnXWayland() ||
                    (screen != nullptr && screen->name().startsWith(QLatin1String("XWAYLAND")));
    }
    return *xwayland_;
}

bool QtDesktop::setPointerPosition(QPoint position) {
    // No Wayland compositor lets a program move the pointer, and XWayland
    // reports the move it could not make as made until the pointer moves next.
    if (QGuiApplication::primaryScreen() == nullptr || NativeWayland() || onXWayland()) {
        return false;
    }
    QCursor::setPos(position);
    return true;
}

std::optional<PointerSample> QtDesktop::samplePointer() {
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
    const std::optional<NativePointerBlock> native = pointerReader_.read(nativeScreens, seen);
    if (!native) {
        return std::nullopt;
    }
    // The read already holds the pointer: asking Qt for it again would cost
    // every tick another round trip to the X server.
    return PointerSample{LogicalPointerPosition(native->nativePosition, scaledScreens),
                         native->block};
}

std::optional<PointerSample> QtDesktop::samplePointerOn(const ScreenFrame& frame) {
    const std::optional<QPoint> native = ReadX11Pointer();
    if (!native) {
        return std::nullopt;
    }
    // Unrounded, so that a pointer scaled by Qt still finds its own physical
    // pixel in the frame.
    const std::vector<ScaledScreen> screens = ReadNativeScreens().scaled;
    return PointerSample{LogicalPointerPosition(*native, screens),
                         FrameBlock(frame, ExactLogicalPosition(*native, screens))};
}

ScreenAccess QtDesktop::screenAccess() {
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

void QtDesktop::watchScreenAccess(std::function<void()> changed) {
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

void QtDesktop::portalFound(PortalState state) {
    if (portalState_ == state) {
        return;
    }
    const ScreenAccess before = screenAccess();
    portalState_ = state;
    if (accessChanged_ && screenAccess() != before) {
        accessChanged_();
    }
}

void QtDesktop::requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) {
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

void QtDesktop::pickColor(std::function<void(std::optional<PackedColor>)> picked) {
    portal_.pickColor(PortalParentWindow(),
                      [this, picked](PortalAnswer answer, std::optional<PackedColor> colour) {
                          if (answer == PortalAnswer::Missing) {
                              portalFound(PortalState::Missing);
                          }
                          picked(colour);
                      });
}

void QtDesktop::prepareOutOfFrame(QWidget* window) {
    // Only through XWayland: natively the window is hidden instead, and on
    // X11 the screen is read live.
    if (window == nullptr || window->windowHandle() != nullptr || !onXWayland()) {
        return;
    }
    // An alpha channel for the window's surface, its background still painted
    // opaque: only the effect set while it is out of a frame makes it clear.
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_NoSystemBackground, false);
    window->setAutoFillBackground(true);
}

void QtDesktop::setOutOfFrame(QWidget* window, bool out) {
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

std::optional<QRect> QtDesktop::windowRect(const QWidget* widget) {
    if (widget == nullptr) {
        return std::nullopt;
    }
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

bool QtDesktop::placesWindows() {
    return !NativeWayland();
}

bool QtDesktop::knowsPopupPlace() {
    return !NativeWayland() || QLibraryInfo::version() >= QVersionNumber(6, 5, 1);
}

bool QtDesktop::setTopmost(QWidget* window, bool topmost) {
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

void QtDesktop::setCapture(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    if (!placesWindows() && widget->windowType() == Qt::Popup && widget->windowHandle()) {
        // On Wayland the compositor's popup grab already holds the pointer,
        // and the widget layer hands an open popup every event of our other
        // windows. Qt's own grab on top of it would hand those events over at
        // (-1, -1) instead of where the pointer is.
        widget->windowHandle()->setMouseGrabEnabled(false);
        return;
    }
    widget->grabMouse();
}

void QtDesktop::releaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
}

PackedColor QtDesktop::systemColor(int32_t index) {
    return PaletteSystemColor(QApplication::palette(), index);
}

MessageAnswer QtDesktop::showMessage(QWidget* parent, MessageKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Tinctora"));
    // The texts carry bare line breaks and may hold "<html>": never rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);

    QPushButton* first = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (kind == MessageKind::OkCancelWarning || kind == MessageKind::OkWarning) {
        box.setIcon(QMessageBox::Warning);
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        first = ok;
    } else {
        box.setIcon(QMessageBox::Question);
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        first = yes;
    }
    QPushButton* cancel = kind == MessageKind::OkWarning
                              ? ok
                              : box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.setEscapeButton(cancel);
    box.exec();

    const auto* clicked = box.clickedButton();
    if (clicked == nullptr) {
        return MessageAnswer::Cancel;
    }
    if (clicked == ok) {
        return MessageAnswer::Ok;
    }
    if (clicked == yes) {
        return MessageAnswer::Yes;
    }
    if (clicked == no) {
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

bool QtDesktop::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->clear();
    copied_ = new WatchedText(text);
    clipboard->setMimeData(copied_);
    const bool taken = clipboard->text() == text;
    if (copied_ != nullptr) {
        copied_->forgetReads();
    }
    return taken;
}

bool QtDesktop::keepClipboardAfterExit() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    // The selected text of a box is not kept; given up, it cannot make the
    // end wait for a clipboard manager that is asked to save it and never
    // answers.
    if (clipboard->supportsSelection() && clipboard->ownsSelection()) {
        clipboard->clear(QClipboard::Selection);
    }
    const QString platform = QGuiApplication::platformName();
    const std::string system = platform == QLatin1String("xcb")       ? "x11"
                               : platform == QLatin1String("wayland") ? "wayland"
                                                                      : "";
    if (system.empty() || !clipboard->ownsClipboard()) {
        return false;
    }
    const QString keeper =
        QCoreApplication::applicationDirPath() + QLatin1String("/tinctora-clipboard-keeper");
    const bool readAlready = copied_ != nullptr && copied_->wasRead();
    const QByteArray text = clipboard->text().toUtf8();
    if (copied_ != nullptr && !readAlready) {
        copied_->forgetReads();
    }
    using namespace std::chrono_literals;
    if (!HandClipboardToKeeper(QFile::encodeName(keeper).toStdString(), system,
                               std::string_view(text.constData(), std::size_t(text.size())),
                               800ms)) {
        // No keeper on a compositor without data control (GNOME): its own
        // clipboard keeper reads the text once it is copied, which the end
        // must not cut short.
        const QDeadlineTimer deadline(1s);
        while (system == "wayland" && copied_ != nullptr && !copied_->wasRead() &&
               clipboard->ownsClipboard() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return false;
    }
    // Once the loss of the clipboard has reached Qt, its end no longer asks a
    // clipboard manager to save what the keeper now serves.
    const QDeadlineTimer deadline(300ms);
    while (clipboard->ownsClipboard() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace tinctora
