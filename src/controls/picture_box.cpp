// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture box with a client area, a persistent image and mouse events.
#include "picture_box.h"

#include "controls.h"
#include "packed_qcolor.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tinctora {

PictureBox::PictureBox(QWidget* parent, BoxBorder border)
    : QFrame(parent), client_(new QWidget(this)) {
    switch (border) {
    case BoxBorder::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case BoxBorder::Sunken:
        // A plain panel: Fusion's styled panel would draw only one pixel of it.
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        break;
    case BoxBorder::Flat:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    }
    client_->setAttribute(Qt::WA_OpaquePaintEvent);
    client_->installEventFilter(this);
    installEventFilter(this);
}

void PictureBox::setBackColor(PackedColor color) {
    // The box paints its own background: a palette change would re-polish
    // the box and its children on every refresh.
    if (backColor_ != color) {
        backColor_ = color;
        if (!shownBackColor_) {
            client_->update(uncoveredClientRegion());
        }
    }
}

void PictureBox::setShownBackColor(std::optional<PackedColor> color) {
    if (shownBackColor_ != color) {
        shownBackColor_ = color;
        client_->update(uncoveredClientRegion());
    }
}

QRegion PictureBox::uncoveredClientRegion() const {
    // A picture box paints every pixel of its own, border and client area
    // alike: the colour around one that sits on this box does not reach it,
    // and the boxes inside it need no painting when only that colour changes.
    QRegion region(client_->rect());
    for (const QObject* child : client_->children()) {
        const auto* box = qobject_cast<const PictureBox*>(child);
        if (box != nullptr && !box->isHidden()) {
            region -= box->geometry();
        }
    }
    return region;
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    overlay_ = QImage();
    client_->update();
}

QImage& PictureBox::image() {
    if (image_.isNull() || image_.size() != client_->size()) {
        QImage fresh(client_->size(), QImage::Format_RGB32);
        fresh.fill(ToQColor(backColor_));
        image_ = fresh;
    }
    return image_;
}

void PictureBox::refresh() {
    client_->update();
}

void PictureBox::setOverlay(const QImage& overlay) {
    // The overlay already shown changes no pixel when set again: the
    // eyedropper sets one every tick while the pointer rests on one colour.
    if (!overlay_.isNull() && overlay_ == overlay) {
        return;
    }
    overlay_ = overlay;
    client_->update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    client_->setGeometry(contentsRect());
}

void PictureBox::paintClient(QPaintEvent* event) {
    QPainter painter(client_);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), ToQColor(shownBackColor_.value_or(backColor_)));
    } else {
        painter.drawImage(0, 0, image_);
    }
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
    if (!overlay_.isNull()) {
        painter.drawImage(0, 0, overlay_);
    }
    // A box reached by the keyboard shows it has the focus; one that took
    // it with a click keeps its looks.
    if (hasFocus() && keyboardFocus_) {
        QStyleOptionFocusRect frame;
        frame.initFrom(client_);
        frame.rect = client_->rect();
        frame.backgroundColor = ToQColor(backColor_);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, client_);
    }
    // The labels on the box, in their order from the bottom up, each clipped
    // to its own area as its own paint would be.
    for (QObject* child : client_->children()) {
        auto* label = qobject_cast<ColorLabel*>(child);
        if (label != nullptr && !label->isHidden() && event->rect().intersects(label->geometry())) {
            painter.setClipRect(label->geometry());
            painter.translate(label->pos());
            label->drawContents(painter);
            painter.translate(-label->pos());
            painter.setClipping(false);
        }
    }
}

bool PictureBox::forwardMouse(QWidget* from, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF position = client_->mapFrom(from, mouse->position());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressedInside_ = true;
        emit mouseDown(mouse->button(), mouse->buttons(), position);
        return true;
    case QEvent::MouseMove:
        emit mouseMove(mouse->buttons(), position);
        return true;
    case QEvent::MouseButtonRelease: {
        // from is the box or its client area: map upwards, never down.
        const bool inside = rect().contains(from->mapTo(this, mouse->position().toPoint()));
        const bool click = pressedInside_ && inside && mouse->button() == Qt::LeftButton;
        if (mouse->buttons() == Qt::NoButton) {
            pressedInside_ = false;
        }
        emit mouseUp(mouse->button(), mouse->buttons(), position);
        if (click) {
            emit clicked();
        }
        return true;
    }
    default:
        return false;
    }
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != client_ && widget != this) {
        return QFrame::eventFilter(watched, event);
    }
    if (widget == client_ && event->type() == QEvent::Paint) {
        paintClient(static_cast<QPaintEvent*>(event));
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return forwardMouse(widget, event);
    case QEvent::FocusIn:
        keyboardFocus_ = static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason;
        client_->update();
        return QFrame::eventFilter(watched, event);
    case QEvent::FocusOut:
        client_->update();
        return QFrame::eventFilter(watched, event);
    default:
        return QFrame::eventFilter(watched, event);
    }
}

} // namespace tinctora
