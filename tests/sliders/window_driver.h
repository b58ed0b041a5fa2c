// Drives the real main window in the sliders tests: mouse events with exact
// buttons sent to a control, colours set through the refresh, and pixels read
// back from the persistent images.
#pragma once

#include "frm_main.h"
#include "packed_qcolor.h"
#include "test_colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>

namespace tinctora::testing {

// Sends one mouse event to the widget: for a press or a release the button
// concerned, for a move only the buttons held.
inline void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons buttons, QPointF position) {
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
inline void Press(QWidget* widget, QPointF position, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonPress, button, button, position);
}
inline void Move(QWidget* widget, QPointF position, Qt::MouseButtons held = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton, held, position);
}
inline void Release(QWidget* widget, QPointF position, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, position);
}

using tinctora::Rgb;

inline void SetColour(frmMain& form, int r, int g, int b) {
    form.CurRGB = Rgb(r, g, b);
    form.RefreshChannels(7);
}

// Sets a mode check box as a click would, through its handler.
inline void SetMode(QCheckBox* box, bool on) {
    if (box->isChecked() != on) {
        box->click();
    }
}

inline PackedColor PixelOf(const QImage& image, int x, int y) {
    return ToPacked(QColor(image.pixel(x, y)));
}

} // namespace tinctora::testing
