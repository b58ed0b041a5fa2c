// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted desktops for the tests, one fake per concern: fixed screen, pointer
// and colour depth, recorded calls, and message boxes answered from a queue.
// FakeDesktop is all of them at once; a test injects a fault by overriding one
// of their functions.
#pragma once

#include "desktop.h"

#include <QImage>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace tinctora {

class FakeDisplayInfo : public virtual DisplayInfo {
public:
    int depth = 24;
    bool paintable = true;
    QSize screen{1024, 768};
    QPoint screenOrigin{0, 0};

    int colourDepth() override { return depth; }
    bool paintsAtColourDepth() override { return paintable; }
    QSize screenSize() override { return screen; }
    QRect screenGeometry(const QWidget*) override { return QRect(screenOrigin, screen); }
    PackedColor systemColor(int32_t index) override { return DefaultSystemColor(index); }
};

class FakePointerControl : public virtual PointerControl {
public:
    std::optional<QPoint> pointer = QPoint(0, 0);
    bool pointerMoveFails = false;
    // Pointer moves that report success but leave the pointer where it is,
    // as XWayland does under most compositors.
    bool pointerMoveIgnored = false;

    // What the program did.
    std::vector<QPoint> pointerMoves;
    QWidget* captured = nullptr;
    int releaseCount = 0;

    std::optional<QPoint> pointerPosition() override { return pointer; }
    bool setPointerPosition(QPoint position) override;
    void setCapture(QWidget* widget) override { captured = widget; }
    void releaseCapture() override;
};

// The scripted screen: its size and the pointer on it are the display's and
// the pointer's, its pixels and frames the reader's own.
class FakeScreenReader : public virtual ScreenReader,
                         public FakeDisplayInfo,
                         public FakePointerControl {
public:
    // A screen that gives nothing back, while the pointer itself can be read.
    bool screenFails = false;
    // The scripted screen the pointer samples, one image pixel per screen
    // pixel; pixels outside it cannot be read.
    QImage screenPixels;
    int sampleCount = 0;

    // How the screen is reached, and the questions to the desktop's portal
    // still waiting for their answer, answered by the test.
    ScreenAccess access = ScreenAccess::Live;
    std::function<void()> accessChanged;
    std::deque<std::function<void(std::optional<ScreenFrame>)>> frameRequests;
    std::deque<std::function<void(std::optional<PackedColor>)>> pickRequests;
    // The frame is the scripted screen at this many physical pixels per pixel.
    int frameScale = 1;
    // Where the window is shown while the window manager has not yet moved
    // it, for this many more looks at it; for good when negative (a
    // compositor that ignores the moves). Pixels the window covers read as
    // windowColour.
    std::optional<QRect> windowShownAt;
    int windowMoveLag = 0;
    QColor windowColour{0xef, 0xef, 0xef};
    // The windows made ready to leave the frames, and those out of them now.
    std::vector<const QWidget*> preparedOutOfFrame;
    std::vector<const QWidget*> outOfFrame;
    // Answers the oldest frame request with the scripted screen, on which, as
    // a compositor's frame shows them, every shown window of the program not
    // out of the frames is a block of kWindowInFrame.
    static constexpr QRgb kWindowInFrame = 0xff010203;
    void giveFrame();
    // Answers the oldest frame request with a refusal; the desktop's picker
    // is what is left.
    void refuseFrame();
    void answerPick(std::optional<PackedColor> colour);
    // The desktop found it has no portal after all.
    void loseScreenAccess();

    std::optional<PointerSample> samplePointer(QPoint offset) override;
    std::optional<PointerSample> samplePointerOn(const ScreenFrame& frame, QPoint offset) override;
    ScreenAccess screenAccess() override { return access; }
    void watchScreenAccess(std::function<void()> changed) override;
    void requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) override;
    void pickColor(std::function<void(std::optional<PackedColor>)> picked) override;
    void prepareOutOfFrame(QWidget* window) override { preparedOutOfFrame.push_back(window); }
    void setOutOfFrame(QWidget* window, bool out) override;
};

class FakeWindowPlacement : public virtual WindowPlacement {
public:
    // The frame a window manager would draw around a window; none by default.
    std::optional<QMarginsF> windowFrame;
    std::optional<QRect> forcedWindowRect; // overrides the widgets' own geometry
    bool windowRectFails = false;
    bool windowsPlaced = true; // false: a Wayland compositor places the windows
    bool popupPlaceKnown = true;
    bool topmostFails = false;

    // What the program did.
    std::vector<std::pair<const QWidget*, bool>> topmostCalls;

    std::optional<QMarginsF> newWindowFrame(const QWidget*) override { return windowFrame; }
    std::optional<QRect> windowRect(const QWidget* widget) override;
    std::optional<QRect> shownWindowRect(const QWidget* window) override {
        return windowRect(window);
    }
    bool placesWindows() override { return windowsPlaced; }
    bool knowsPopupPlace() override { return popupPlaceKnown; }
    bool setTopmost(QWidget* window, bool topmost) override;

    bool topmost(const QWidget* window) const;
};

class FakeMessageBoxes : public virtual MessageBoxes {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };
    std::vector<Message> messages;
    // Answers for the next message boxes; an empty queue answers Cancel.
    std::deque<MessageAnswer> answers;

    MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) override;
};

class FakeClipboard : public virtual Clipboard {
public:
    // The clipboard: its text, how often it was emptied, and a refusal to take text.
    std::optional<QString> clipboard;
    int clipboardClears = 0;
    bool clipboardFails = false;
    // How often the program asked for its clipboard to be kept after its end.
    int clipboardKeeps = 0;

    bool setClipboardText(const QString& text) override;
    bool keepClipboardAfterExit() override;
};

// The screen and the windows together: a window the window manager has not
// moved yet still covers the screen's pixels (windowShownAt, windowMoveLag).
class FakeDesktop : public Desktop,
                    public FakeScreenReader,
                    public FakeWindowPlacement,
                    public FakeMessageBoxes,
                    public FakeClipboard {
public:
    std::optional<QRect> shownWindowRect(const QWidget* window) override;
};

} // namespace tinctora
