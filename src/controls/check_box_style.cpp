// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Check box indicators that fit their box.
#include "check_box_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace tinctora {

FittingIndicatorStyle::FittingIndicatorStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

int FittingIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                       const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_IndicatorWidth && metric != PM_IndicatorHeight) {
        return size;
    }
    // Square, and no higher than the box the layout gives it.
    int height = size;
    if (widget != nullptr) {
        height = widget->height();
    } else if (option != nullptr) {
        height = option->rect.height();
    }
    return height > 0 ? std::min(size, height) : size;
}

} // namespace tinctora
