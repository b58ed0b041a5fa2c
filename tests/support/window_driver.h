// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real main window in the widget tests: the window opened on the
// fake desktop, mouse events with exact buttons sent to a control, typing,
// colours set through the refresh, and pixels read back from the persistent
// images.
#pragma once

#include "fake_desktop.h"
#include "frm_main.h"
#include "packed_qcolor.h"
#include "test_colours.h"

#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>

#include <memory>

namespace tinctora::testing {

enum class WebPanel { Closed, Open };

// The main window on the desktop, loaded and shown with the web panel as
// asked, once its window is exposed; null when it did not get that far.
std::unique_ptr<frmMain> OpenMainWindow(FakeDesktop& desktop, WebPanel panel = WebPanel::Closed);

// Sends one mouse event to the widget: for a press or a release the button
// concerned, for a move only the buttons held.
void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               QPointF position);
void Press(QWidget* widget, QPointF position, Qt::MouseButton button = Qt::LeftButton);
void Move(QWidget* widget, QPointF position, Qt::MouseButtons held = Qt::LeftButton);
void Release(QWidget* widget, QPointF position, Qt::MouseButton button = Qt::LeftButton);
// A move that arrives at the window, as the desktop sends it, before Qt hands
// it to a widget.
void MoveThrough(QWindow* window, QPointF position, Qt::MouseButtons held = Qt::LeftButton);
void ReleaseThrough(QWindow* window, QPointF position, Qt::MouseButton button = Qt::LeftButton);

// Moves the pointer over the widget from its corner, where a menu opens under
// the pointer, to `to` one pixel at a time as a hand does, with `held`
// buttons down. Qt 6.8's menus take a click only after such a move.
void MoveByHand(QWidget* widget, QPoint to, Qt::MouseButtons held);

// Chooses an entry of the open menu as a hand does: onto it, then a click;
// returns once the menu has closed.
void ChooseByHand(QMenu* menu, QAction* item);
// The open menu's entry with that caption, access keys left out; null when
// there is none.
QAction* MenuEntry(const QMenu* menu, const QString& caption);

// Replaces a box's text the way a person does: select all, then type.
void Type(TextBox* box, const QString& text);

using tinctora::Rgb;

// Makes the colour current as every source of a whole colour does: through
// the refresh of every display.
void SetColour(frmMain& form, int r, int g, int b);

// Sets a mode check box as a click would, through its handler.
void SetMode(QCheckBox* box, bool on);

// The texts of the seven boxes, red to hex.
QStringList BoxTexts(const frmMain& form);

inline PackedColor PixelOf(const QImage& image, int x, int y) {
    return ToPacked(QColor(image.pixel(x, y)));
}

} // namespace tinctora::testing
