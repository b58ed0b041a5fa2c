// The desktop as Qt gives it on X11 (and through XWayland).
#include "desktop_qt.h"

#include "palette_colours.h"
#include "screen_pixels.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace tinctora {

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
    return screen != nullptr ? screen->depth() : 0;
}

QSize QtDesktop::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

std::optional<QPoint> QtDesktop::pointerPosition() {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return std::nullopt;
    }
    return QCursor::pos();
}

bool QtDesktop::setPointerPosition(QPoint position) {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return false;
    }
    QCursor::setPos(position);
    return true;
}

std::optional<PointerSample> QtDesktop::samplePointer() {
    if (QGuiApplication::primaryScreen() == nullptr) {
        return std::nullopt;
    }
    // Qt keeps a screen's origin in native pixels and divides only its size
    // by the scale factor.
    std::vector<QRect> nativeScreens;
    std::vector<ScaledScreen> scaledScreens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        nativeScreens.emplace_back(logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize());
        scaledScreens.push_back({nativeScreens.back(), ratio});
    }
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

std::optional<QRect> QtDesktop::windowRect(const QWidget* widget) {
    if (widget == nullptr) {
        return std::nullopt;
    }
    if (widget->isWindow()) {
        return widget->frameGeometry();
    }
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
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
    if (widget != nullptr) {
        widget->grabMouse();
    }
}

void QtDesktop::releaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
}

PackedColor QtDesktop::systemColour(int32_t index) {
    return PaletteSystemColour(QApplication::palette(), index);
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
    if (kind == MessageKind::OkCancelWarning) {
        box.setIcon(QMessageBox::Warning);
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        first = ok;
    } else {
        box.setIcon(QMessageBox::Question);
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        first = yes;
    }
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
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
    clipboard->setText(text);
    return clipboard->text() == text;
}

} // namespace tinctora
