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

// A popup of the main window: no window manager moves, resizes or frames it
// (override-redirect on X11), and a Wayland compositor shows it as the main
// window's popup, placed relative to it and holding the pointer. Always on
// top from the start, so that taking the topmost state changes no flag of
// the shown window.
frmPicker::frmPicker(frmMain& owner)
    : QWidget(&owner, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves that come with no button held must still reach the strip: see
    // mouseMoveEvent.
    setMouseTracking(true);
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
    if (watched == windowHandle() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
         type == QEvent::MouseButtonRelease)) {
        onOwnWindow_ = true;
    }
    return QWidget::eventFilter(watched, event);
}

// A press or release reports the button concerned, a move the buttons held.
void frmPicker::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->position());
    onOwnWindow_ = false;
}
void frmPicker::mouseMoveEvent(QMouseEvent* event) {
    // The strip is open only while the left press that opened it lasts. Qt on
    // Wayland forgets a held button when the pointer passes onto another of our
    // surfaces (GNOME hands it to the strip itself), so a move with no button
    // is still that press.
    const Qt::MouseButtons held =
        event->buttons() == Qt::NoButton ? Qt::MouseButtons(Qt::LeftButton) : event->buttons();
    Form_MouseMove(held, event->position());
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
    owner_.pointerControl.setCapture(this);
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
    close();
    // The end of the drag does what the arrow's own release would have done:
    // the main window is topmost again and the channel's box has the focus.
    if (IsNumberChannel(channel)) {
        owner_.cmdValpick_MouseUp(channel, Button);
    }
}

} // namespace tinctora
