// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A short note beside a caption: of its choices, longest first, the first
// that fits the room the caption leaves.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include <array>

namespace tinctora {

class FittedMark {
public:
    FittedMark();
    const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    const QStringList& choices() const { return choices_; }
    void setChoices(const QStringList& choices) { choices_ = choices; }
    // The first choice no wider than the room; none where none fits.
    QString fitting(int roomWidth) const;

private:
    int advance(QChar c) const;

    static constexpr int kUnmeasured = -1;
    QFont font_;
    QFontMetrics metrics_;
    // The advances of the Latin-1 characters measured so far.
    mutable std::array<int, 256> latinAdvances_;
    QStringList choices_;
};

} // namespace tinctora
