// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The frozen frame shown over a screen while a colour is picked from it.
#include "frame_overlay.h"

#include "frame_sampling.h"
#include "pick_point.h"
#include "sampling.h"

#include <QCloseEvent>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

namespace tinctora {

namespace {

// The magnifier's 25 x 25 pixels, each shown this many times over.
constexpr int kMagnifierZoom = 4;

} // namespace

FrameOverlay::FrameOverlay(std::shared_ptr<const ScreenFrame> frame, std::size_t screen,
                           const QCursor& cursor, bool ringed, QColor background,
                           std::optional<QPoint> pointer, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), frame_(std::move(frame)),
      screen_(frame_->screens.at(screen)), part_(FramePart(*frame_, screen_)), ringed_(ringed),
      background_(background) {
    if (pointer && screen_.area.contains(*pointer)) {
        pointer_ = QPointF(*pointer - screen_.area.topLeft());
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(cursor);
    setWindowTitle(QStringLiteral("Tinctora"));
}

void FrameOverlay::showOverScreen() {
    setGeometry(screen_.area);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry() == screen_.area) {
            setScreen(screen);
            showFullScreen();
            activateWindow();
            return;
        }
    }
    show();
    activateWindow();
}

void FrameOverlay::showMode(const QCursor& cursor, bool ringed) {
    setCursor(cursor);
    ringed_ = ringed;
    if (const std::optional<QPointF> at = point()) {
        emit hovered(blockAt(*at));
    }
}

PixelBlock FrameOverlay::blockAt(QPointF position) {
    const PixelBlock block = FrameBlockAround(*frame_, ShownPixel(screen_, size(), position));
    const QImage magnified = MagnifierImage(block, ringed_, background_);
    magnifier_ = magnified.scaled(magnified.size() * kMagnifierZoom);
    const QRect before = magnifierRect_;
    magnifierRect_ = MagnifierPlace(position.toPoint(), magnifier_.size(), rect());
    update(before.adjusted(-1, -1, 1, 1));
    update(magnifierRect_.adjusted(-1, -1, 1, 1));
    return block;
}

void FrameOverlay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    // The screen's pixels fill the window the desktop gave, at the window's
    // own ratio of device pixels: one frame pixel on each of the screen's.
    painter.drawImage(QRectF(rect()), part_);
    if (!magnifier_.isNull()) {
        painter.drawImage(magnifierRect_.topLeft(), magnifier_);
        painter.setPen(Qt::black);
        painter.drawRect(magnifierRect_.adjusted(-1, -1, 0, 0));
    }
}

double FrameOverlay::scale() const {
    // Physical pixels per pixel of the window the desktop gave, as ShownPixel
    // counts them.
    return width() > 0 ? static_cast<double>(screen_.pixels.width()) / width() : 1.0;
}

std::optional<QPointF> FrameOverlay::point() const {
    if (!pointer_) {
        return std::nullopt;
    }
    return *pointer_ + QPointF(offset_) / scale();
}

void FrameOverlay::enterEvent(QEnterEvent* event) {
    // Shown under a pointer at rest (the desktop asked the user first, or was
    // slow), the frame has the magnifier and the colour at once, not only
    // from the pointer's first move on.
    pointer_ = event->position();
    emit hovered(blockAt(*point()));
    QWidget::enterEvent(event);
}

void FrameOverlay::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    offset_ = QPoint();
    emit hovered(blockAt(event->position()));
}

void FrameOverlay::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void FrameOverlay::mouseReleaseEvent(QMouseEvent* event) {
    // A release whose press went elsewhere (the press on the eyedropper box
    // that opened the overlay) picks nothing.
    if (!std::exchange(pressed_, false)) {
        return;
    }
    emit picked(blockAt(event->position()));
}

void FrameOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit cancelled();
        return;
    }
    const std::optional<QPoint> step = ArrowStep(event->key(), event->modifiers());
    if (step && pointer_) {
        offset_ = SteppedOffset(offset_, *step, pointer_->toPoint(), rect(), scale());
        emit hovered(blockAt(*point()));
        return;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        emit otherModeAsked();
        return;
    }
    const bool take = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                      event->key() == Qt::Key_Space;
    if (take && pointer_) {
        emit picked(blockAt(*point()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrameOverlay::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        emit cancelled();
    }
    QWidget::closeEvent(event);
}

} // namespace tinctora
