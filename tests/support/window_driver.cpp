// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real main window in the widget tests.
#include "window_driver.h"

#include <QApplication>
#include <QTest>

namespace tinctora::testing {

std::unique_ptr<frmMain> OpenMainWindow(FakeDesktop& desktop, WebPanel panel) {
    auto form = std::make_unique<frmMain>(desktop);
    if (!form->Form_Load()) {
        return nullptr;
    }
    if (panel == WebPanel::Open) {
        form->cmdShowWebFeatures_Click();
    }
    if (!QTest::qWaitForWindowExposed(form.get())) {
        return nullptr;
    }
    return form;
}

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               QPointF position) {
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Press(QWidget* widget, QPointF position, Qt::MouseButton button) {
    SendMouse(widget, QEvent::MouseButtonPress, button, button, position);
}

void Move(QWidget* widget, QPointF position, Qt::MouseButtons held) {
    SendMouse(widget, QEvent::MouseMove, Qt::NoButton, held, position);
}

void Release(QWidget* widget, QPointF position, Qt::MouseButton button) {
    SendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, position);
}

void MoveThrough(QWindow* window, QPointF position, Qt::MouseButtons held) {
    QMouseEvent event(QEvent::MouseMove, position, window->mapToGlobal(position), Qt::NoButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

void ReleaseThrough(QWindow* window, QPointF position, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, position, window->mapToGlobal(position), button,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

void MoveByHand(QWidget* widget, QPoint to, Qt::MouseButtons held) {
    QPoint at;
    while (at != to) {
        at += QPoint((to.x() > at.x()) - (to.x() < at.x()), (to.y() > at.y()) - (to.y() < at.y()));
        Move(widget, at, held);
    }
}

void ChooseByHand(QMenu* menu, QAction* item) {
    const QPoint point = menu->actionGeometry(item).center();
    MoveByHand(menu, point, Qt::NoButton);
    QTest::mouseClick(menu, Qt::LeftButton, {}, point);
    QTRY_VERIFY(!menu->isVisible());
}

QAction* MenuEntry(const QMenu* menu, const QString& caption) {
    for (QAction* item : menu->actions()) {
        if (item->text().remove(QLatin1Char('&')) == caption) {
            return item;
        }
    }
    return nullptr;
}

void Type(TextBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void SetColour(frmMain& form, int r, int g, int b) {
    form.CurRGB = Rgb(r, g, b);
    form.RefreshChannels(kAllChannels);
}

void SetMode(QCheckBox* box, bool on) {
    if (box->isChecked() != on) {
        box->click();
    }
}

QStringList BoxTexts(const frmMain& form) {
    QStringList texts;
    for (const TextBox* box : form.txtValue) {
        texts << box->text();
    }
    return texts;
}

} // namespace tinctora::testing
