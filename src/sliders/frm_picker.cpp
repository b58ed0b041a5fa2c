// The popup value picker window.
#include "frm_picker.h"

#include "frm_main.h"
#include "packed_qcolor.h"

#include <QMouseEvent>
#include <QPainter>

namespace tinctora {

frmPicker::frmPicker(frmMain& owner) : QWidget(nullptr), owner_(owner) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void frmPicker::Form_Load() {
    setFixedSize(256, 15);
    line_.X1 = 0;
    line_.X2 = 0;
    line_.Y1 = 0;
    line_.Y2 = ScaleHeight();
}

void frmPicker::setChoosingLineColor(PackedColor color) {
    if (line_.BorderColor != color) {
        line_.BorderColor = color;
        update();
    }
}

void frmPicker::setChoosingLineX(double x) {
    line_.X1 = x;
    line_.X2 = x;
    update();
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

void frmPicker::mousePressEvent(QMouseEvent* event) { Form_MouseDown(event->buttons(), event->position()); }
void frmPicker::mouseMoveEvent(QMouseEvent* event) { Form_MouseMove(event->buttons(), event->position()); }
void frmPicker::mouseReleaseEvent(QMouseEvent* event) { Form_MouseUp(event->buttons(), event->position()); }

void frmPicker::Form_MouseDown(Qt::MouseButtons, QPointF) {}
void frmPicker::Form_MouseMove(Qt::MouseButtons, QPointF) {}
void frmPicker::Form_MouseUp(Qt::MouseButtons, QPointF) {}

} // namespace tinctora
