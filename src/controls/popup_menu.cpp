// The popup menu: a click inside chooses the item under the release.
#include "popup_menu.h"

#include <QMouseEvent>

#include <utility>

namespace tinctora {

PopupMenu::PopupMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void PopupMenu::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at)) {
        // Qt closes the menu and passes the press on to what lies beneath.
        QMenu::mousePressEvent(event);
        return;
    }
    pressedInside_ = true;
    if (QAction* item = actionAt(at)) {
        setActiveAction(item);
    }
}

void PopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (!std::exchange(pressedInside_, false)) {
        QMenu::mouseReleaseEvent(event);
        return;
    }
    QAction* item = actionAt(event->position().toPoint());
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
    QMenu::hideEvent(event);
}

} // namespace tinctora
