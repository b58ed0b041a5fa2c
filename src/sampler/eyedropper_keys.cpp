// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper by keyboard: a pick started from the focused box, the arrow
// keys moving the picked point away from the pointer, the mode switched, and
// the pick taken or cancelled.
#include "eyedropper.h"

#include "frm_main.h"
#include "pick_point.h"
#include "resources.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

namespace tinctora {

bool Eyedropper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (dragging()) {
        return pickKey(*key);
    }
    const bool startKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched != form_.picScreencolor || !startKey || !frameOverlays().empty()) {
        return false;
    }
    startKeyboardPick();
    return true;
}

bool Eyedropper::pickKey(const QKeyEvent& key) {
    if (const std::optional<QPoint> step = ArrowStep(key.key(), key.modifiers())) {
        stepPoint(*step);
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Escape:
        cancelDrag();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        awaitPendingRead();
        endDrag();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        switchMode();
        tick();
        return true;
    default:
        // Every other key waits for the end of the pick: typing into a box
        // now would only be overwritten by the next sample.
        return true;
    }
}

void Eyedropper::switchMode() {
    // The other mode on the same spot at once, for comparing the two.
    form_.optScreencolorMode[selectedMode() == 0 ? 1 : 0]->setChecked(true);
}

void Eyedropper::startKeyboardPick() {
    access_ = screen_.screenAccess();
    switch (access_) {
    case ScreenAccess::None:
        return;
    case ScreenAccess::PickOnly:
        pickWithDesktop();
        return;
    case ScreenAccess::ClickFrame:
        hidePointerUntilFrame();
        requestFrame();
        return;
    case ScreenAccess::Live:
    case ScreenAccess::DragFrame:
        startDrag();
        tick();
        return;
    }
}

void Eyedropper::stepPoint(QPoint step) {
    const std::optional<QPoint> pointer = lastPointer_ ? lastPointer_ : pointer_.pointerPosition();
    if (!pointer) {
        return;
    }
    const QRect screen = display_.screenGeometry(&form_);
    const double scale = form_.devicePixelRatioF();
    offset_ = SteppedOffset(offset_, step, *pointer, screen, scale);
    // Where the desktop lets the pointer be moved, it goes with the point.
    const PointerFollow follow = FollowPoint(*pointer, offset_, screen, scale);
    if (follow.pointer != *pointer && pointer_.setPointerPosition(follow.pointer)) {
        offset_ = follow.offset;
        lastPointer_ = follow.pointer;
    }
    tick();
}

void Eyedropper::cancelDrag() {
    if (!dragging()) {
        return;
    }
    stopDrag();
    emit sampled(colorBeforePick_);
    emit cancelled();
}

} // namespace tinctora
