// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper's picking mode, from the press on its box to the colour
// taken: a drag over the live screen or over a frame of it, a click on a frame
// shown over the screen, or the desktop's own picker, whichever the desktop
// allows at the press. The main window forwards the box's events to it and
// hears the colour back.
#pragma once

#include "colour.h"
#include "display_info.h"
#include "pointer_control.h"
#include "screen_reader.h"
#include "window_placement.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <optional>
#include <vector>

class QKeyEvent;
class QTimer;

namespace tinctora {

class FrameOverlay;
class frmMain;

class Eyedropper : public QObject {
    Q_OBJECT
public:
    explicit Eyedropper(frmMain& form);

    // The box's events as the main window's handlers forward them: a button
    // pressed on the box, a tick of the drag's timer, a button released on
    // it, and the mode chosen with the option buttons (0 "1x1", 1 "5x5").
    void press();
    void tick();
    void release();
    void chooseMode(int mode);
    // The box's picture, tooltips and state as the desktop's screen access allows.
    void showScreenAccess();

    // The 5 ms timer that runs exactly while a drag is in progress.
    QTimer* tmrScreencolor() const { return tmrScreencolor_; }
    // The colour the last sample delivered, kept from one pick to the next.
    PackedColor LastSampledColor() const { return LastSampledColor_; }
    // False from the start of a pick until its first sample, which always
    // makes the colour current.
    bool DragHasSampled() const { return dragHasSampled_; }
    // The frame a drag samples: empty until it has arrived, and after the drag.
    const ScreenFrame& dragFrame() const { return dragFrame_; }
    // The frames open over the screens for a click.
    std::vector<FrameOverlay*> frameOverlays() const;
    // How long a drag waits for its frame before it lets go of the pointer.
    // The desktop gives a frame within about half a second; longer means it
    // is asking the user, and a question shown by the desktop itself (GNOME)
    // takes the pointer without telling our windows: the X server keeps the
    // button held and the pointer where the question took it, so the drag
    // would sample a stale place until the pointer came back to us.
    void setFrameWaitLimit(std::chrono::milliseconds limit) { frameWaitLimit_ = limit; }

protected:
    // The keys of a pick under way, and Space or Enter on the focused box.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The colour the pick makes current: each new colour it samples, the
    // desktop picker's colour, and the colour a cancelled pick began from.
    void sampled(tinctora::RGBColor colour);
    // The pick is over, its last colour kept; or given up.
    void finished();
    void cancelled();

private:
    int selectedMode() const;
    QPixmap idlePicture(int mode) const;
    bool dragging() const;

    // A pick begun by the box's button or by a key, the way access_ allows.
    enum class PickStart { Mouse, Keyboard };
    void startPick(PickStart how);
    // The drag: the window out of the way, the pointer followed on every
    // tick, and the window centred again at its end.
    void startDrag();
    void endDrag();
    // Ends the drag without a word on how (stopDrag), or with the colour
    // before the press back (cancelDrag).
    void stopDrag();
    void cancelDrag();
    std::optional<PointerSample> sampleUnderPointer();
    // Sends the window out of the pointer's way; whether it asked it to move.
    bool evade(QPoint pointer);
    // Lets a read the window was in the way of be taken before the drag ends.
    void awaitPendingRead();
    // Takes the colour of a block under the pointer as the mode reads it.
    void takeBlock(const PixelBlock& block);

    // The keyboard (eyedropper_keys.cpp): a key during a drag, a step of
    // the point by the arrow keys, and the other mode.
    bool pickKey(const QKeyEvent& key);
    void stepPoint(QPoint step);
    void switchMode();

    // Frames of the desktop, the overlays a click picks from, and the
    // desktop's own picker (eyedropper_frames.cpp).
    void requestFrame();
    void requestClickFrame();
    void frameAnswered(std::optional<ScreenFrame> frame);
    void hidePointerUntilFrame();
    void leaveFrames();
    void returnToFrames();
    void showPointerAgain();
    void showFrameOverlays(ScreenFrame frame);
    void closeFrameOverlays();
    void pickWithDesktop();
    void pickAnswered(std::optional<PackedColor> colour);

    frmMain& form_;
    // Only what the eyedropper asks of the desktop: the screen's pixels and
    // frames, its size, the pointer, and where our window lies.
    ScreenReader& screen_;
    DisplayInfo& display_;
    PointerControl& pointer_;
    WindowPlacement& windows_;
    QTimer* tmrScreencolor_;
    PackedColor LastSampledColor_ = 0;
    bool dragHasSampled_ = false;
    // How the pick in progress reaches the screen, asked at its press.
    ScreenAccess access_ = ScreenAccess::Live;
    // Whether the button pressed on the box is still down, and whether its
    // release starts the desktop's picker: a picker started during the press
    // takes the pixel under that press's own release, the box itself.
    bool boxButtonDown_ = false;
    // Whether the window was asked to move and may not be there yet, and
    // whether the last tick's read was left untaken because the window
    // covered the point.
    bool windowMoving_ = false;
    bool readPending_ = false;
    // The point's offset from the pointer in physical pixels, set by the
    // arrow keys, and where the pointer was last seen or sent: a pointer
    // found anywhere else has been moved by the mouse, which drops the offset.
    QPoint offset_;
    std::optional<QPoint> lastPointer_;
    bool pickAtRelease_ = false;
    // Whether the release of the click on the box asks for the frame the
    // next click picks from.
    bool frameAtRelease_ = false;
    // The frame the drag samples and how long it has waited for it; the
    // count of frames asked for, so that an answer to an older question is
    // dropped; whether a click waiting for its frame has hidden the pointer.
    ScreenFrame dragFrame_;
    QElapsedTimer frameWait_;
    std::chrono::milliseconds frameWaitLimit_{1000};
    int frameRequests_ = 0;
    bool pointerHiddenForFrame_ = false;
    // Whether the main window is out of the frames until the next answer.
    bool outOfFrame_ = false;
    // The overlays a click picks from, and the colour Escape brings back.
    std::vector<QPointer<FrameOverlay>> frameOverlays_;
    RGBColor colorBeforePick_;
};

} // namespace tinctora
