// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessible roles of the main window and of the control kinds.
#include "accessible_roles.h"

#include "controls.h"
#include "frm_main.h"
#include "picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tinctora {

namespace {

// The main window leaves out what it hides, so that the web panel the narrow
// window cuts off is not in the tree at all.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = shownChildren();
        if (index < 0 || index >= shown.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> shownChildren() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !child->isHidden()) {
                shown.append(child);
            }
        }
        return shown;
    }
};

// A line only separates; without a name of its own it would take its group's
// title as one.
class SeparatorAccessible : public QAccessibleWidget {
public:
    explicit SeparatorAccessible(QWidget* line) : QAccessibleWidget(line, QAccessible::Separator) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

// A picture box the program named and that holds no controls shows a
// picture (a swatch, a strip, the eyedropper); any other one only holds
// controls. Qt would announce either as a frame, which means a window. The
// role is read when asked: names and children come after the box.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box), box_(box) {}

    QAccessible::Role role() const override {
        const bool holdsControls = !box_->client()->findChildren<QWidget*>().isEmpty();
        return !box_->accessibleName().isEmpty() && !holdsControls ? QAccessible::Graphic
                                                                   : QAccessible::Client;
    }

private:
    PictureBox* box_;
};

// Qt asks the factories with each class name of the object, its own first.
QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String(frmMain::staticMetaObject.className())) {
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    }
    if (className == QLatin1String(LineControl::staticMetaObject.className())) {
        return new SeparatorAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void InstallAccessibleRoles() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(Interface);
        return true;
    }();
}

} // namespace tinctora
