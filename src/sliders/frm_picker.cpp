// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The popup value picker window.
#include "frm_picker.h"

#include "frm_main.h"
#include "packed_qcolor.h"
#include "pointer_values.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tinctora {

namespace {

// Where the program places its windows (X11), the strip is a popup of the
// main window: no window manager moves, resizes or frames it
// (override-redirect), and it holds the pointer. Where the compositor places
// them (Wayland), it is shown as the main window's popup, placed relative to
// it, but one that takes no pointer grab of its own: GNOME would hand such a
// grab's pointer to the strip alone while over it, and to none of our windows
// off them, losing the drag and its release. Without it the whole drag stays
// with the main window the press went to, wherever the pointer goes, on
// every compositor. Always on top from the start, so that taking the topmost
// state changes no flag of the shown window.
Qt::WindowFlags PickerFlags(bool placesWindows) {
    return (placesWindows ? Qt::Popup : Qt::ToolTip) | Qt::FramelessWindowHint |
           Qt::WindowStaysOnTopHint;
}

bool IsMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
           type == QEvent::MouseButtonRelease;
}

} // namespace

frmPicker::frmPicker(frmMain& owner)
    : QWidget(&owner, PickerFlags(owner.windowPlacement.placesWindows())), owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Qt knows the frame of a window that is no popup only once the window
    // exists; made at once, the strip's frame (none) counts at its first
    // opening, not a made-up one of a pixel less.
    if (windowType() != Qt::Popup) {
        create();
    }
}

void frmPicker::holdPointer() {
    if (windowType() == Qt::Popup) {
        owner_.pointerControl.setCapture(this);
        return;
    }
    // The compositor keeps the drag with the main window's surface until the
    // release; its moves are taken from there, its release is left to reach
    // the arrow it began on.
    if (QWindow* main = owner_.windowHandle(); main != nullptr && main != dragWindow_) {
        dragWindow_ = main;
        main->installEventFilter(this);
    }
}

void frmPicker::Form_Load() {
    setFixedSize(256, 15);
    line_.X1 = 0;
    line_.X2 = 0;
    line_.Y1 = 0;
    line_.Y2 = static_cast<float>(ScaleHeight());
}

void frmPicker::setChoosingLineColor(PackedColor color) {
    if (line_.BorderColor != color) {
        line_.BorderColor = color;
        update();
    }
}

void frmPicker::setChoosingLineX(float x) {
    line_.X1 = x;
    line_.X2 = x;
    update();
}

void frmPicker::followPointer(int32_t markerColumn, QPoint openedAt) {
    openMarker_ = markerColumn;
    openedAt_ = openedAt;
    follow_.reset();
}

QImage& frmPicker::image() {
    if (image_.isNull() || image_.size() != size()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(Qt::black);
    }
    return image_;
}

void frmPicker::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, image());
    painter.setPen(ToQColor(line_.BorderColor));
    const int x = static_cast<int>(line_.X1);
    painter.drawLine(x, static_cast<int>(line_.Y1), x, static_cast<int>(line_.Y2));
}

void frmPicker::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
}

// Events on the strip's own window come at its true place; those of our other
// windows reach it only through Qt's idea of that place.
bool frmPicker::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == windowHandle() && IsMouseEvent(type)) {
        onOwnWindow_ = true;
        // Qt hands a window that is no popup no move of a button it did not
        // see go down: the strip takes the drag's events on its own window
        // itself.
        if (windowType() != Qt::Popup) {
            dispatchDragEvent(*static_cast<QMouseEvent*>(event), false);
            return true;
        }
    } else if (watched == dragWindow_ && dragWindow_ != nullptr) {
        if (IsMouseEvent(type)) {
            return dispatchDragEvent(*static_cast<QMouseEvent*>(event), true);
        }
        // The keys go to the main window too: Escape there ends the drag.
        if (type == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
            Form_MouseUp(Qt::NoButton, QPointF());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmPicker::dispatchDragEvent(const QMouseEvent& event, bool throughMain) {
    const QPointF at = throughMain ? mapFromGlobal(event.globalPosition()) : event.position();
    switch (event.type()) {
    case QEvent::MouseMove:
        Form_MouseMove(event.buttons(), at);
        break;
    case QEvent::MouseButtonRelease:
        Form_MouseUp(event.button(), at);
        break;
    default:
        if (!throughMain) {
            Form_MouseDown(event.button(), at);
        }
        break;
    }
    onOwnWindow_ = false;
    // The release goes on to the arrow, whose own release handler ends the
    // drag as well; the moves are the strip's alone.
    return throughMain && event.type() == QEvent::MouseMove;
}

// A press or release reports the button concerned, a move the buttons held.
void frmPicker::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->position());
    onOwnWindow_ = false;
}
void frmPicker::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(event->buttons(), event->position());
    onOwnWindow_ = false;
}
void frmPicker::mouseReleaseEvent(QMouseEvent* event) {
    Form_MouseUp(event->button(), event->position());
    onOwnWindow_ = false;
}

// A popup holds the keyboard too: Escape ends the drag as a release would,
// keeping the value, where a plain popup would vanish with the arrow held in.
void frmPicker::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        Form_MouseUp(Qt::NoButton, QPointF());
    }
}

void frmPicker::Form_MouseDown(Qt::MouseButtons Button, QPointF position) {
    holdPointer();
    Form_MouseMove(Button, position);
}

void frmPicker::Form_MouseMove(Qt::MouseButtons Button, QPointF position) {
    // After its own release the picker serves no channel until it opens again.
    const int channel = owner_.PickerChannel;
    if (Button != Qt::LeftButton || !IsNumberChannel(channel)) {
        return;
    }
    if (!follow_) {
        placeKnown_ = owner_.windowPlacement.knowsPopupPlace();
        const auto start = static_cast<float>(mapFromGlobal(openedAt_).x());
        follow_.emplace(openMarker_, start, ScaleWidth(), placeKnown_);
    }
    const auto at = static_cast<float>(position.x());
    const bool level = position.y() >= 0 && position.y() < ScaleHeight();
    const std::optional<float> x =
        onOwnWindow_ || placeKnown_ ? follow_->shown(at) : follow_->unsure(at, level);
    if (!x) {
        return;
    }
    setChoosingLineX(*x);
    const int32_t value = PickerValueAt(*x, ScaleWidth(), owner_.PickerMaxValue);
    owner_.WriteChannelValue(channel, value);
    // The box runs no refresh for the text it already holds.
    owner_.RecolourPickerMarker();
}

void frmPicker::Form_MouseUp(Qt::MouseButtons Button, QPointF /*position*/) {
    const int channel = owner_.PickerChannel;
    owner_.PickerChannel = kAllChannels;
    if (dragWindow_ != nullptr) {
        dragWindow_->removeEventFilter(this);
        dragWindow_ = nullptr;
    }
    close();
    // The end of the drag does what the arrow's own release would have done:
    // the main window is topmost again and the channel's box has the focus.
    if (IsNumberChannel(channel)) {
        owner_.cmdValpick_MouseUp(channel, Button);
    }
}

} // namespace tinctora
