// The desktop as Qt gives it on X11 (and through XWayland): pointer, window
// rectangles, topmost state, capture, palette colours and message boxes.
#pragma once

#include "desktop.h"

namespace tinctora {

class QtDesktop : public Desktop {
public:
    int colourDepth() override;
    QSize screenSize() override;
    std::optional<QPoint> pointerPosition() override;
    bool setPointerPosition(QPoint position) override;
    std::optional<PointerSample> samplePointer() override;
    std::optional<QRect> windowRect(const QWidget* widget) override;
    bool setTopmost(QWidget* window, bool topmost) override;
    void setCapture(QWidget* widget) override;
    void releaseCapture() override;
    PackedColor systemColour(int32_t index) override;
    MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) override;
    bool setClipboardText(const QString& text) override;
};

} // namespace tinctora
