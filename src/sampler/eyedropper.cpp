// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper's way in and out, its drag and the box's look.
#include "eyedropper.h"

#include "frame_overlay.h"
#include "frm_main.h"
#include "packed_qcolor.h"
#include "pick_point.h"
#include "resources.h"
#include "sampling.h"
#include "twips.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

namespace tinctora {

namespace {

constexpr int kShowWebLeftTwips = 1860;
// How long a release waits for the window to leave the pointer's place.
constexpr std::chrono::milliseconds kWindowMoveWait{250};

const QString kEyedropperTip =
    QStringLiteral("Mit dem Fadenkreuz eine Farbe vom Bildschirm nehmen");
const QString kNoScreenTip =
    QString::fromUtf8("Dieser Desktop gibt keine Bildschirmfarben heraus: Die Pipette braucht das "
                      "Bildschirmfoto-Portal (xdg-desktop-portal).");
const QString kMeanNeedsFrameTip = QString::fromUtf8(
    "Der Mittelwert aus 5x5 Punkten braucht einen Desktop, der Bildschirmfotos erlaubt. "
    "Hier nimmt die Farbauswahl des Desktops einen einzelnen Punkt.");

} // namespace

Eyedropper::Eyedropper(frmMain& form)
    : QObject(&form), form_(form), screen_(form.desktop), display_(form.desktop),
      pointer_(form.desktop), windows_(form.desktop), tmrScreencolor_(new QTimer(this)) {
    tmrScreencolor_->setInterval(5);
    tmrScreencolor_->setTimerType(Qt::PreciseTimer);
    // A question of the desktop in a window of its own (may this program take
    // a screenshot?) takes the pointer away from a drag that is waiting for
    // its frame, and the release goes to the question: the drag ends here
    // instead, with no pointer or timer left behind.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    return;
                }
                // A pick by keyboard hears no more keys: it ends as if taken.
                const bool buttonWasDown = std::exchange(boxButtonDown_, false);
                if (dragging() && (access_ == ScreenAccess::DragFrame || !buttonWasDown)) {
                    endDrag();
                }
            });
    form.picScreencolor->installEventFilter(this);
    screen_.prepareOutOfFrame(&form_);
    screen_.watchScreenAccess([self = QPointer<Eyedropper>(this)] {
        if (self != nullptr) {
            self->showScreenAccess();
        }
    });
}

void Eyedropper::press() {
    boxButtonDown_ = true;
    // A second button pressed during a drag belongs to the same pick.
    if (!dragging()) {
        access_ = screen_.screenAccess();
    }
    startPick(PickStart::Mouse);
}

void Eyedropper::startPick(PickStart how) {
    switch (access_) {
    case ScreenAccess::None:
        return;
    case ScreenAccess::PickOnly:
        // The desktop's picker takes the next click: not the one whose
        // release is still to come.
        if (how == PickStart::Mouse) {
            pickAtRelease_ = true;
        } else {
            pickWithDesktop();
        }
        return;
    case ScreenAccess::ClickFrame:
        // A click's frame is asked for at its release: natively the window
        // leaves the frame by going away, and a window gone under a held
        // button keeps the pointer's moves from the overlay that opens next.
        if (how == PickStart::Mouse) {
            frameAtRelease_ = true;
        } else {
            requestClickFrame();
        }
        return;
    case ScreenAccess::Live:
    case ScreenAccess::DragFrame:
        startDrag();
        // No mouse move will follow to take the first colour.
        if (how == PickStart::Keyboard) {
            tick();
        }
        return;
    }
}

void Eyedropper::release() {
    boxButtonDown_ = false;
    // A release sooner than the next tick takes the colour where it happened.
    if (dragging()) {
        tick();
    }
    awaitPendingRead();
    // The release of a click that opened the overlay, or asked the desktop's
    // picker, ends no drag.
    endDrag();
    if (std::exchange(pickAtRelease_, false)) {
        pickWithDesktop();
    }
    if (std::exchange(frameAtRelease_, false)) {
        requestClickFrame();
    }
}

void Eyedropper::tick() {
    // A frame this late comes after a question to the user, which has taken
    // the pointer: the drag ends, and the frame opens for a click once given.
    if (access_ == ScreenAccess::DragFrame && dragFrame_.image.isNull() &&
        std::chrono::milliseconds(frameWait_.elapsed()) >= frameWaitLimit_) {
        endDrag();
        return;
    }
    // Until the frame has arrived its pixels cannot be read: the pointer is
    // followed, the colour stays.
    std::optional<PointerSample> sample = sampleUnderPointer();
    if (!sample) {
        return;
    }
    if (offset_ != QPoint() && lastPointer_ && sample->position != *lastPointer_) {
        offset_ = QPoint();
        sample = sampleUnderPointer();
        if (!sample) {
            return;
        }
    }
    lastPointer_ = sample->position;
    if (evade(sample->position)) {
        windowMoving_ = true;
    }
    // The window is sent out of the way before a live read is taken, but a
    // window manager moves it a little later, and a compositor may not move
    // it at all: while the window may still cover the point, it is asked
    // where it is, and a read of its own pixels is not taken. A frame was
    // taken with the window out of it, so every pixel of it is the desktop's.
    const QPoint point = PointPosition(sample->position, offset_, display_.screenGeometry(&form_),
                                       form_.devicePixelRatioF());
    const std::optional<QRect> asked = windows_.windowRect(&form_);
    const bool live = access_ != ScreenAccess::DragFrame;
    if (live && (windowMoving_ || (asked && asked->contains(point)))) {
        const std::optional<QRect> shown = windows_.shownWindowRect(&form_);
        if (shown && shown->contains(point)) {
            readPending_ = true;
            return;
        }
        windowMoving_ = shown != asked;
        sample = sampleUnderPointer();
        if (!sample) {
            return;
        }
    }
    readPending_ = false;
    form_.picScreencolor->setOverlay(MagnifierImage(sample->block, selectedMode() == 0,
                                                    ToQColor(form_.picScreencolor->backColor())));
    takeBlock(sample->block);
}

void Eyedropper::chooseMode(int mode) {
    form_.picScreencolor->setPicture(idlePicture(mode));
    showScreenAccess();
    // Switched by the keyboard during a pick: the pointer shows the new mode
    // (unless hidden until the frame arrives).
    if (dragging() && !(access_ == ScreenAccess::DragFrame && dragFrame_.image.isNull())) {
        QApplication::changeOverrideCursor(CursorResource(101 + mode));
    }
    for (FrameOverlay* overlay : frameOverlays()) {
        overlay->showMode(CursorResource(101 + mode), mode == 0);
    }
}

void Eyedropper::showScreenAccess() {
    const ScreenAccess access = screen_.screenAccess();
    const bool usable = access != ScreenAccess::None;
    form_.picScreencolor->setEnabled(usable);
    form_.picScreencolor->setToolTip(usable ? kEyedropperTip : kNoScreenTip);
    form_.frameScreencolor->setToolTip(
        access == ScreenAccess::PickOnly && selectedMode() == 1 ? kMeanNeedsFrameTip : QString());
    // During a drag the box shows the magnifier, not its picture.
    if (!dragging()) {
        form_.picScreencolor->setPicture(idlePicture(selectedMode()));
    }
}

std::vector<FrameOverlay*> Eyedropper::frameOverlays() const {
    std::vector<FrameOverlay*> open;
    for (const QPointer<FrameOverlay>& overlay : frameOverlays_) {
        if (overlay != nullptr) {
            open.push_back(overlay.data());
        }
    }
    return open;
}

// 0 for "1x1", 1 for "5x5"; also the offset of the mode's icon and cursor.
int Eyedropper::selectedMode() const {
    return form_.optScreencolorMode[0]->isChecked() ? 0 : 1;
}

// The mode's icon, or where the eyedropper cannot work, the icon greyed on a
// hatched ground, so that the whole box looks out of service.
QPixmap Eyedropper::idlePicture(int mode) const {
    const QPixmap icon = IconResource(101 + mode);
    if (screen_.screenAccess() != ScreenAccess::None) {
        return icon;
    }
    QPixmap inactive(icon.size());
    inactive.fill(ToQColor(form_.picScreencolor->backColor()));
    QPainter painter(&inactive);
    painter.fillRect(inactive.rect(), QBrush(Qt::gray, Qt::BDiagPattern));
    painter.drawPixmap(0, 0, QIcon(icon).pixmap(icon.size(), QIcon::Disabled));
    return inactive;
}

bool Eyedropper::dragging() const {
    return tmrScreencolor_->isActive();
}

void Eyedropper::startDrag() {
    form_.move(0, 0);
    windowMoving_ = true;
    if (form_.WebPanelShown()) {
        form_.ShowNarrowWindow();
        form_.cmdShowWebFeatures->move(TwipsToPixels(kShowWebLeftTwips),
                                       form_.cmdShowWebFeatures->y());
    }
    windows_.setTopmost(&form_, true);
    const bool firstButton = !dragging();
    if (firstButton) {
        colorBeforePick_ = form_.CurRGB;
        offset_ = QPoint();
        lastPointer_.reset();
        qApp->installEventFilter(this);
    }
    if (firstButton && access_ == ScreenAccess::DragFrame) {
        dragFrame_ = ScreenFrame();
        frameWait_.start();
        requestFrame();
    }
    // The pointer stays hidden until the frame has arrived: a desktop that
    // draws the pointer into its screenshots would otherwise put the cross
    // hair into the very pixels it is about to take.
    const QCursor pointer = access_ == ScreenAccess::DragFrame && dragFrame_.image.isNull()
                                ? QCursor(Qt::BlankCursor)
                                : CursorResource(101 + selectedMode());
    // A second button pressed during a drag changes the pointer instead of
    // stacking another one that the release would leave behind.
    if (firstButton) {
        QApplication::setOverrideCursor(pointer);
    } else {
        QApplication::changeOverrideCursor(pointer);
    }
    form_.picScreencolor->setPicture(QPixmap());
    dragHasSampled_ = false;
    tmrScreencolor_->start();
}

void Eyedropper::endDrag() {
    if (!dragging()) {
        return;
    }
    stopDrag();
    emit finished();
}

void Eyedropper::stopDrag() {
    qApp->removeEventFilter(this);
    form_.move(CentredPosition(display_.screenSize(), form_.frameGeometry().size()));
    QApplication::restoreOverrideCursor();
    form_.picScreencolor->setPicture(idlePicture(selectedMode()));
    tmrScreencolor_->stop();
    dragFrame_ = ScreenFrame();
    windowMoving_ = false;
    readPending_ = false;
}

std::optional<PointerSample> Eyedropper::sampleUnderPointer() {
    return access_ == ScreenAccess::DragFrame ? screen_.samplePointerOn(dragFrame_, offset_)
                                              : screen_.samplePointer(offset_);
}

bool Eyedropper::evade(QPoint pointer) {
    const std::optional<QRect> outer = windows_.windowRect(&form_);
    if (!outer) {
        return false;
    }
    const QPoint target = EvadedPosition(pointer, *outer, form_.pos(), form_.frameGeometry().size(),
                                         display_.screenSize());
    if (target == form_.pos()) {
        return false;
    }
    form_.move(target);
    return true;
}

void Eyedropper::awaitPendingRead() {
    // A release right after the pointer came over the window takes the
    // colour under the pointer once the window has gone from it; where the
    // window never goes, the colour taken last stays.
    const QDeadlineTimer deadline(kWindowMoveWait);
    while (dragging() && readPending_ && !deadline.hasExpired()) {
        QThread::msleep(static_cast<unsigned long>(tmrScreencolor_->interval()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (dragging() && readPending_) {
            tick();
        }
    }
    readPending_ = false;
}

void Eyedropper::takeBlock(const PixelBlock& block) {
    // An unreadable pixel under the pointer, or a block with none readable,
    // has no colour to take: the current colour stays.
    std::optional<RGBColor> colour;
    if (selectedMode() == 0) {
        const PackedColor centre = block[static_cast<std::size_t>(PixelBlockIndex(0, 0))];
        if (centre != -1) {
            colour = UnpackColor(centre);
        }
    } else {
        colour = BlockMean(block);
    }
    if (!colour) {
        return;
    }
    // The pick's first sample always counts: the displays may show a colour
    // typed in since the last pick, even if it matches the last sample. A
    // repeated sample is not handed on: in web-safe mode the refresh has
    // snapped the current colour, and setting the raw sample again would put
    // an unsnapped colour behind displays that no refresh brings back in step.
    const PackedColor packed = PackColor(*colour);
    if (packed != LastSampledColor_ || !dragHasSampled_) {
        emit sampled(*colour);
    }
    LastSampledColor_ = packed;
    dragHasSampled_ = true;
}

} // namespace tinctora
