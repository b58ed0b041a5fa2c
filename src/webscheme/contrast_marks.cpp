// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The contrast of each text role on the background, shown on the role
// buttons (or, where a button's caption leaves no room, beside the role's
// line in the preview), in their tooltips and in what screen readers read
// of them.
#include "contrast.h"
#include "frm_main.h"
#include "scheme_roles.h"

namespace tinctora {

namespace {

QStringList Choices(double ratio) {
    QStringList choices;
    for (const std::string& choice : MarkChoices(ratio)) {
        choices << QString::fromStdString(choice);
    }
    return choices;
}

// Tooltip and description always say the same; each is set only when it
// changes, as a drag changes the ratios of every step.
void Describe(QWidget* button, const QString& words) {
    if (button->toolTip() != words) {
        button->setToolTip(words);
        button->setAccessibleDescription(words);
    }
}

} // namespace

void frmMain::UpdateContrastMarks() {
    const PackedColor background = RoleColor(*this, 0);
    std::vector<std::string> belowAA;
    for (int role = 1; role < kRoleCount; ++role) {
        ColorRadioButton* button = optHPColormode[static_cast<std::size_t>(role)];
        const double ratio = ContrastRatio(RoleColor(*this, role), background);
        const QStringList choices = Choices(ratio);
        button->setMark(choices);
        SampleLine(*this, role)->setNote(button->shownMark().isEmpty() ? choices : QStringList());
        Describe(button, QString::fromStdString(ContrastSentence(ratio)));
        if (ratio < kRatioAA) {
            belowAA.push_back(button->text().toStdString());
        }
    }
    Describe(optHPColormode[0], QString::fromStdString(BackgroundSummary(belowAA)));
}

} // namespace tinctora
