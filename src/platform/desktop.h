// Everything Tinctora takes from the desktop, behind one interface: the Qt/X11
// backend runs the program, the scripted fake in the tests runs it without one.
#pragma once

#include "colour.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QWidget;

namespace tinctora {

// The three modal message boxes the program shows.
enum class MessageKind {
    OkCancelWarning,     // exclamation icon, "OK" and "Abbrechen"
    YesNoCancelQuestion, // question icon, "&Ja", "&Nein" and "Abbrechen"
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

class Desktop {
public:
    virtual ~Desktop() = default;

    // Bits per pixel of the screen.
    virtual int colourDepth() = 0;
    // Size of the screen in logical pixels.
    virtual QSize screenSize() = 0;
    // Pointer position in logical screen pixels; empty when it cannot be read.
    virtual std::optional<QPoint> pointerPosition() = 0;
    virtual bool setPointerPosition(QPoint position) = 0;
    // Reads the pointer and the pixels under it in one request to the screen;
    // empty when the pointer or the screen cannot be read.
    virtual std::optional<PointerSample> samplePointer() = 0;
    // Outer rectangle of a window (its frame included) or of a control, in
    // logical screen pixels; empty when it cannot be read.
    virtual std::optional<QRect> windowRect(const QWidget* widget) = 0;
    virtual bool setTopmost(QWidget* window, bool topmost) = 0;
    // Routes every mouse event to the widget until released.
    virtual void setCapture(QWidget* widget) = 0;
    virtual void releaseCapture() = 0;
    // The packed colour of a classic system-colour index, from the desktop's palette.
    virtual PackedColor systemColour(int32_t index) = 0;
    // Shows a modal message box titled with the application title.
    virtual MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // Empties the clipboard, then puts the text on it as plain text; false
    // when the clipboard does not hold the text afterwards.
    virtual bool setClipboardText(const QString& text) = 0;
};

} // namespace tinctora
