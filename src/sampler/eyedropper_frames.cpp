// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the desktop hands its screen out only as a frame, or only through its
// own picker: the frames the eyedropper asks for, the overlays a click picks
// from, and the picker.
#include "eyedropper.h"

#include "frame_overlay.h"
#include "frm_main.h"
#include "packed_qcolor.h"
#include "resources.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <memory>
#include <utility>

namespace tinctora {

namespace {

// How long the main window stays out of the frames when the desktop does not
// answer: long enough for a question the desktop asks the user first.
constexpr std::chrono::seconds kOutOfFramesLimit{30};

} // namespace

void Eyedropper::requestFrame() {
    const int request = ++frameRequests_;
    leaveFrames();
    screen_.requestFrame(
        [self = QPointer<Eyedropper>(this), request](std::optional<ScreenFrame> frame) {
            if (self != nullptr && request == self->frameRequests_) {
                self->frameAnswered(std::move(frame));
            }
        });
}

void Eyedropper::requestClickFrame() {
    hidePointerUntilFrame();
    requestFrame();
}

void Eyedropper::frameAnswered(std::optional<ScreenFrame> frame) {
    showPointerAgain();
    returnToFrames();
    if (frame) {
        // A frame that arrives after its drag ended (a click shorter than
        // the wait, or a drag the desktop's question took the pointer from)
        // is picked from with a click, as where no drag can follow the pointer.
        if (dragging()) {
            dragFrame_ = std::move(*frame);
            QApplication::changeOverrideCursor(CursorResource(101 + selectedMode()));
        } else {
            showFrameOverlays(std::move(*frame));
        }
        return;
    }
    // Refused: the drag that waited for it has nothing to sample, and the
    // desktop may offer its own picker instead.
    endDrag();
    if (screen_.screenAccess() == ScreenAccess::PickOnly) {
        if (boxButtonDown_) {
            pickAtRelease_ = true;
        } else {
            pickWithDesktop();
        }
    }
}

void Eyedropper::hidePointerUntilFrame() {
    // A desktop that draws the pointer into its screenshots (KDE Plasma does)
    // would otherwise freeze the arrow over the box into the frame the click
    // picks from. A desktop that never answers gets it back after the wait
    // for the request that follows.
    if (!std::exchange(pointerHiddenForFrame_, true)) {
        QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    }
    QTimer::singleShot(frameWaitLimit_, this, [this, request = frameRequests_ + 1] {
        if (request == frameRequests_) {
            showPointerAgain();
        }
    });
}

void Eyedropper::showPointerAgain() {
    if (std::exchange(pointerHiddenForFrame_, false)) {
        QApplication::restoreOverrideCursor();
    }
}

void Eyedropper::leaveFrames() {
    // The frame shows the screen without the main window, both where it
    // stood at the press and in the corner the press sends it to, so that
    // every pixel of the screen can be picked from it.
    if (!std::exchange(outOfFrame_, true)) {
        screen_.setOutOfFrame(&form_, true);
    }
    QTimer::singleShot(kOutOfFramesLimit, this, [this, request = frameRequests_] {
        if (request == frameRequests_) {
            returnToFrames();
        }
    });
}

void Eyedropper::returnToFrames() {
    if (std::exchange(outOfFrame_, false)) {
        screen_.setOutOfFrame(&form_, false);
    }
}

void Eyedropper::showFrameOverlays(ScreenFrame frame) {
    closeFrameOverlays();
    colorBeforePick_ = form_.CurRGB;
    dragHasSampled_ = false;
    const auto shared = std::make_shared<const ScreenFrame>(std::move(frame));
    const int mode = selectedMode();
    for (std::size_t i = 0; i < shared->screens.size(); ++i) {
        auto* overlay = new FrameOverlay(shared, i, CursorResource(101 + mode), mode == 0,
                                         ToQColor(form_.picScreencolor->backColor()),
                                         pointer_.pointerPosition(), &form_);
        overlay->setAttribute(Qt::WA_DeleteOnClose);
        connect(overlay, &FrameOverlay::hovered, this, &Eyedropper::takeBlock);
        connect(overlay, &FrameOverlay::picked, this, [this](const PixelBlock& block) {
            takeBlock(block);
            closeFrameOverlays();
            emit finished();
        });
        connect(overlay, &FrameOverlay::otherModeAsked, this, &Eyedropper::switchMode);
        connect(overlay, &FrameOverlay::cancelled, this, [this] {
            emit sampled(colorBeforePick_);
            closeFrameOverlays();
            emit cancelled();
        });
        frameOverlays_.emplace_back(overlay);
        overlay->showOverScreen();
    }
}

void Eyedropper::closeFrameOverlays() {
    for (const QPointer<FrameOverlay>& overlay : std::exchange(frameOverlays_, {})) {
        if (overlay != nullptr) {
            overlay->close();
        }
    }
}

void Eyedropper::pickWithDesktop() {
    screen_.pickColor([self = QPointer<Eyedropper>(this)](std::optional<PackedColor> colour) {
        if (self != nullptr) {
            self->pickAnswered(colour);
        }
    });
}

void Eyedropper::pickAnswered(std::optional<PackedColor> colour) {
    if (!colour) {
        emit cancelled();
        return;
    }
    // The picker's colour is always taken: one click, one colour.
    emit sampled(UnpackColor(*colour));
    LastSampledColor_ = *colour;
    emit finished();
}

} // namespace tinctora
