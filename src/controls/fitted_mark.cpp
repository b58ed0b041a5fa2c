// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fitted_mark.h"

namespace tinctora {

FittedMark::FittedMark() : metrics_(font_) {}

void FittedMark::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetrics(font);
}

QString FittedMark::fitting(int roomWidth) const {
    // Measured a character at a time, from the metrics' own cache: shaping
    // each choice anew on every refresh took longer than the contrast work.
    const auto width = [this](const QString& choice) {
        int sum = 0;
        for (const QChar c : choice) {
            sum += metrics_.horizontalAdvance(c);
        }
        return sum;
    };
    for (const QString& choice : choices_) {
        if (roomWidth > 0 && width(choice) <= roomWidth) {
            return choice;
        }
    }
    return {};
}

} // namespace tinctora
