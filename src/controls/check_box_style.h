// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A style for check boxes lower than the style's own indicator: the indicator
// shrinks to the box's height instead of losing its bottom edge.
#pragma once

#include <QProxyStyle>

namespace tinctora {

class FittingIndicatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps a fresh style of the application's kind, owned by this one.
    explicit FittingIndicatorStyle(QObject* parent);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

} // namespace tinctora
