// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a callback whenever a widget receives the keyboard focus: the channel
// editors' border boxes hand it on to their text boxes.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace tinctora {

class FocusInFilter : public QObject {
    Q_OBJECT
public:
    // Watches the widget, which also owns the filter.
    FocusInFilter(QWidget* watched, std::function<void()> gotFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> gotFocus_;
};

} // namespace tinctora
