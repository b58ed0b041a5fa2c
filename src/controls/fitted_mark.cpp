// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fitted_mark.h"

namespace tinctora {

FittedMark::FittedMark() : metrics_(font_) {
    latinAdvances_.fill(kUnmeasured);
}

void FittedMark::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetrics(font);
    latinAdvances_.fill(kUnmeasured);
}

int FittedMark::advance(QChar c) const {
    // The marks are digits, a comma and the levels' letters: each measured
    // once per font, the metrics' own cache taking longer to ask than the
    // rest of the contrast work.
    if (c.unicode() >= latinAdvances_.size()) {
        return metrics_.horizontalAdvance(c);
    }
    int& known = latinAdvances_[c.unicode()];
    if (known == kUnmeasured) {
        known = metrics_.horizontalAdvance(c);
    }
    return known;
}

QString FittedMark::fitting(int roomWidth) const {
    // Measured a character at a time: shaping each choice anew on every
    // refresh took longer than the contrast work.
    const auto width = [this](const QString& choice) {
        int sum = 0;
        for (const QChar c : choice) {
            sum += advance(c);
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
