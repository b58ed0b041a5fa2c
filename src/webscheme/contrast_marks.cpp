// The contrast of each text role on the background, shown on the role
// buttons, in their tooltips and in what screen readers read of them.
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
        button->setMark(Choices(ratio));
        Describe(button, QString::fromStdString(ContrastSentence(ratio)));
        if (ratio < kRatioAA) {
            belowAA.push_back(button->text().toStdString());
        }
    }
    Describe(optHPColormode[0], QString::fromStdString(BackgroundSummary(belowAA)));
}

} // namespace tinctora
