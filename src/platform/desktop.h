// Everything Tinctora takes from the desktop, behind one interface: the Qt/X11
// backend runs the program, the scripted fake in the tests runs it without one.
#pragma once

#include "colour.h"

#include <QImage>
#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tinctora {

// The three modal message boxes the program shows.
enum class MessageKind {
    OkCancelWarning,     // exclamation icon, "OK" and "Abbrechen"
    YesNoCancelQuestion, // question icon, "&Ja", "&Nein" and "Abbrechen"
    OkWarning,           // exclamation icon, "OK" alone
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

// The 5 x 5 screen pixels centred on a point, row by row from the top left:
// the pixel at (x + dx, y + dy) is block[(dy + 2) * 5 + (dx + 2)]. A pixel
// that no screen shows is -1.
using PixelBlock = std::array<PackedColor, 25>;
constexpr int PixelBlockIndex(int dx, int dy) {
    return (dy + 2) * 5 + (dx + 2);
}

// The pointer in logical screen pixels together with the block of physical
// pixels under its hot spot: at a scale factor of 2 the block still covers
// 5 x 5 pixels of the screen, not 10 x 10.
struct PointerSample {
    QPoint position;
    PixelBlock block;
};

// How the eyedropper gets at the screen's pixels.
enum class ScreenAccess {
    Live,       // every tick reads the pixels under the pointer (X11)
    DragFrame,  // a frame taken at the press, sampled wherever the drag takes the pointer
    ClickFrame, // a frame shown over the whole desktop and picked from with a click
    PickOnly,   // no frame without asking: the desktop's own picker takes one pixel
    None,       // the desktop hands out no pixels at all
};

// One screen's share of a frame of the whole desktop: where the screen lies in
// logical pixels, and where its pixels lie in the frame, which holds physical
// pixels.
struct FrameScreen {
    QRect area;
    QRect pixels;
};
// A still picture of the whole desktop; empty until the desktop has sent it.
struct ScreenFrame {
    QImage image;
    std::vector<FrameScreen> screens;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Bits per pixel of the screen.
    virtual int colourDepth() = 0;
    // Whether Qt can paint windows at the screen's depth at all.
    virtual bool paintsAtColourDepth() = 0;
    // Size of the screen in logical pixels.
    virtual QSize screenSize() = 0;
    // The screen a window shows on, in logical pixels.
    virtual QRect screenGeometry(const QWidget* window) = 0;
    // The frame, in logical pixels, that the window manager will draw around
    // a window of fixed size not shown yet; empty when it cannot be known
    // beforehand.
    virtual std::optional<QMarginsF> newWindowFrame(const QWidget* window) = 0;
    // Pointer position in logical screen pixels; empty when it cannot be read.
    virtual std::optional<QPoint> pointerPosition() = 0;
    virtual bool setPointerPosition(QPoint position) = 0;
    // Reads the pointer and the pixels under it in one request to the screen;
    // empty when the pointer or the screen cannot be read.
    virtual std::optional<PointerSample> samplePointer() = 0;
    // The same with the block taken from a frame instead of the screen; every
    // pixel is -1 while the frame is empty.
    virtual std::optional<PointerSample> samplePointerOn(const ScreenFrame& frame) = 0;
    // How the eyedropper gets at the pixels. It may change when the desktop
    // answers a question: changed is then called, later, on the event loop.
    virtual ScreenAccess screenAccess() = 0;
    virtual void watchScreenAccess(std::function<void()> changed) = 0;
    // Asks for a frame of the whole desktop; answered is called once, later,
    // with the frame, or empty when the desktop refused it.
    virtual void requestFrame(std::function<void(std::optional<ScreenFrame>)> answered) = 0;
    // Readies a window not yet shown for setOutOfFrame: where the desktop
    // leaves a window out of its frames only by drawing it see-through, the
    // window needs a see-through surface from its creation on.
    virtual void prepareOutOfFrame(QWidget* window) = 0;
    // Takes a window out of the frames the desktop gives, or brings it back.
    // Out of them it is drawn see-through or hidden; a see-through window
    // keeps the pointer it holds. The frames asked for next wait until the
    // desktop shows the window no more.
    virtual void setOutOfFrame(QWidget* window, bool out) = 0;
    // The desktop's own picker takes one pixel; picked is called once, later,
    // with its colour, or empty when it was cancelled or refused.
    virtual void pickColor(std::function<void(std::optional<PackedColor>)> picked) = 0;
    // Outer rectangle of a window (its frame included) or of a control, in
    // logical screen pixels; empty when it cannot be read.
    virtual std::optional<QRect> windowRect(const QWidget* widget) = 0;
    // Whether window positions are places on the screen. Not on Wayland: the
    // compositor places every window, a popup relative to its parent window,
    // and itself keeps a popup on the screen.
    virtual bool placesWindows() = 0;
    // Whether Qt knows where an open popup is shown. Not on Wayland before Qt
    // 6.5.1: when the compositor moves a popup to keep it on the screen (slid
    // along the edge, or flipped to the other side of where it was asked
    // for), Qt keeps the place it asked for and hands the popup the events of
    // our other windows at positions off by that move.
    virtual bool knowsPopupPlace() = 0;
    virtual bool setTopmost(QWidget* window, bool topmost) = 0;
    // Routes every mouse event to the widget until released.
    virtual void setCapture(QWidget* widget) = 0;
    virtual void releaseCapture() = 0;
    // The packed colour of a classic system-colour index, from the desktop's palette.
    virtual PackedColor systemColor(int32_t index) = 0;
    // Shows a modal message box titled with the application title.
    virtual MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // Empties the clipboard, then puts the text on it as plain text; false
    // when the clipboard does not hold the text afterwards.
    virtual bool setClipboardText(const QString& text) = 0;
    // Called as the program ends. When it owns the clipboard, a small keeper
    // program takes the text over and serves it until another program copies,
    // so the program can end at once; false when nothing was handed over.
    virtual bool keepClipboardAfterExit() = 0;
};

} // namespace tinctora
