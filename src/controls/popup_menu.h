// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A popup menu that a mouse press opens at the pointer, whose items a click
// chooses the same way on every Qt version.
#pragma once

#include <QMenu>

#include <optional>

namespace tinctora {

// Qt 6.8 closes a menu opened by a press when the next press comes before the
// pointer has moved about 10 px from where the menu opened, so a small move
// onto an item right beside the pointer and a click chose nothing. Here a
// press inside the menu and its release on an item choose that item with any
// button, as Qt 6.4 does. The release of the press that opened the menu, a
// drag into it with the button held, hovering and the keys stay Qt's, and so
// does its guard against a shaking hand releasing the opening press on an item.
// A click right where the menu opened, before the pointer has moved, is the
// second click of a double click and chooses nothing.
class PopupMenu : public QMenu {
    Q_OBJECT
public:
    PopupMenu(const QString& title, QWidget* parent);

    // Shows the menu at the pointer's position `at`, in screen pixels, and
    // waits until it closes; the chosen item, or null.
    QAction* openAt(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // A press landed inside the menu since it opened; its release chooses.
    bool pressedInside_ = false;
    // Where the pointer was as the menu opened, until it moves away.
    std::optional<QPoint> openedAt_;
};

} // namespace tinctora
