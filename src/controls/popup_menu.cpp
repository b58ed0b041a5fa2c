// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The popup menu: a click inside chooses the item under the release.
#include "popup_menu.h"

#include <QMouseEvent>

#include <utility>

namespace tinctora {

PopupMenu::PopupMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

QAction* PopupMenu::openAt(QPoint at) {
    openedAt_ = at;
    return exec(at);
}

void PopupMenu::mousePressEvent(QMouseEvent* event) {
    if (openedAt_ && event->globalPosition().toPoint() != *openedAt_) {
        openedAt_.reset();
    }
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) {
        // Qt closes the menu and passes the press on to what lies beneath.
        QMenu::mousePressEvent(event);
        return;
    }
    pressedInside_ = true;
    if (QAction* item = actionAt(at); item != nullptr && !openedAt_) {
        setActiveAction(item);
    }
}

void PopupMenu::mouseMoveEvent(QMouseEvent* event) {
    if (openedAt_ && event->globalPosition().toPoint() != *openedAt_) {
        openedAt_.reset();
    }
    QMenu::mouseMoveEvent(event);
}

void PopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (!std::exchange(pressedInside_, false)) {
        QMenu::mouseReleaseEvent(event);
        return;
    }
    // Still where the menu opened: a click on no item.
    QAction* item = openedAt_ ? nullptr : actionAt(event->position().toPoint());
    if (item != nullptr && !item->isEnabled()) {
        return;
    }
    // Closed first, as Qt does: the item's handler may open windows of its own.
    close();
    if (item != nullptr && !item->isSeparator() && item->menu() == nullptr) {
        item->trigger();
    }
}

void PopupMenu::hideEvent(QHideEvent* event) {
    pressedInside_ = false;
    openedAt_.reset();
    QMenu::hideEvent(event);
}

} // namespace tinctora
