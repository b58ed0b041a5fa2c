// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu of the preview and the role buttons: the preview as someone with
// a colour vision deficiency sees it, and a text role's contrast raised to a
// level in one step.
#include "colour_vision.h"
#include "contrast.h"
#include "contrast_search.h"
#include "frm_main.h"
#include "scheme_roles.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace tinctora {

namespace {

constexpr std::array<ContrastLevel, 2> kRaiseLevels = {ContrastLevel::AA, ContrastLevel::AAA};

QString RaiseCaption(ContrastLevel level) {
    return level == ContrastLevel::AA ? QStringLiteral("Kontrast auf AA anheben")
                                      : QStringLiteral("Kontrast auf AAA anheben");
}

ColourVision ShownVision(const frmMain& form) {
    for (std::size_t i = 0; i < form.VisionItems.size(); ++i) {
        if (form.VisionItems[i]->isChecked()) {
            return kColourVisions[i];
        }
    }
    return ColourVision::Normal;
}

std::optional<PackedColor> Raised(const frmMain& form, int role, ContrastLevel level) {
    return RaiseContrast(RoleColor(form, role), RoleColor(form, 0), RatioOf(level),
                         WebSafeMode(form));
}

// The menu key and Shift+F10 open a button's menu at the button. The key is
// taken here on every platform and Qt version: some turn it into a context
// menu event of their own (X11 before Qt 6.8 at the pointer, wherever it is),
// some do not; that second request is dropped.
class MenuKeyFilter : public QObject {
public:
    MenuKeyFilter(frmMain& form, int role, QObject* parent)
        : QObject(parent), form_(form), role_(role) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
            const bool shiftF10 =
                key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
            if (menuKey || shiftF10) {
                auto* button = static_cast<QWidget*>(watched);
                form_.ShowSchemeMenu(role_, button->mapToGlobal(button->rect().bottomLeft()));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmMain& form_;
    int role_;
};

} // namespace

void frmMain::buildSchemeMenu() {
    SchemeMnu = new PopupMenu(QStringLiteral("Farbsehen"), this);
    auto* visions = new QActionGroup(SchemeMnu);
    for (std::size_t i = 0; i < VisionItems.size(); ++i) {
        VisionItems[i] =
            SchemeMnu->addAction(QString::fromStdString(VisionCaption(kColourVisions[i])));
        VisionItems[i]->setCheckable(true);
        visions->addAction(VisionItems[i]);
        connect(VisionItems[i], &QAction::triggered, this,
                [this, i] { VisionItems_Click(static_cast<int>(i)); });
    }
    VisionItems[0]->setChecked(true);
    SchemeMnu->addSeparator();
    for (std::size_t i = 0; i < RaiseContrastItems.size(); ++i) {
        RaiseContrastItems[i] = SchemeMnu->addAction(RaiseCaption(kRaiseLevels[i]));
        connect(RaiseContrastItems[i], &QAction::triggered, this,
                [this, i] { RaiseContrastItems_Click(static_cast<int>(i)); });
    }

    // The simulation's name, in the preview's bottom right corner, below the
    // last line of the page.
    lblVision = new ColorLabel(QString(), picHomepageView->client());
    QFont small(QStringLiteral("Liberation Sans Narrow"));
    small.setPixelSize(9);
    lblVision->setFont(small);
    lblVision->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    lblVision->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(picHomepageView, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::MouseButtons, QPointF position) {
                if (button == Qt::RightButton) {
                    ShowSchemeMenu(-1, picHomepageView->client()->mapToGlobal(position.toPoint()));
                }
            });
    QFont markFont(QStringLiteral("Liberation Sans Narrow"));
    markFont.setPixelSize(9);
    // Not underlined beside a link's line either.
    markFont.setUnderline(false);
    for (int role = 0; role < kRoleCount; ++role) {
        ColorRadioButton* button = optHPColormode[static_cast<std::size_t>(role)];
        button->setMarkFont(markFont);
        if (role > 0) {
            SampleLine(*this, role)->setNoteFont(markFont);
        }
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, role, button](QPoint at) { ShowSchemeMenu(role, button->mapToGlobal(at)); });
        button->installEventFilter(new MenuKeyFilter(*this, role, button));
    }
}

void frmMain::ShowSchemeMenu(int Role, QPoint globalPosition) {
    SchemeMnuRole = Role;
    // Only a text role's own menu raises its contrast, and only to a level it
    // misses; a level no luminance reaches is offered disabled, saying so.
    const bool textRole = Role >= 1 && Role < kRoleCount;
    const double ratio = textRole ? ContrastRatio(RoleColor(*this, Role), RoleColor(*this, 0)) : 0;
    bool anyRaise = false;
    for (std::size_t i = 0; i < RaiseContrastItems.size(); ++i) {
        QAction* item = RaiseContrastItems[i];
        const bool offered = textRole && ratio < RatioOf(kRaiseLevels[i]);
        const bool reachable = offered && Raised(*this, Role, kRaiseLevels[i]).has_value();
        item->setVisible(offered);
        item->setEnabled(reachable);
        item->setText(reachable || !offered
                          ? RaiseCaption(kRaiseLevels[i])
                          : RaiseCaption(kRaiseLevels[i]) +
                                QString::fromUtf8(" – mit keiner Helligkeit erreichbar"));
        anyRaise = anyRaise || offered;
    }
    SchemeMnu->actions().at(static_cast<int>(VisionItems.size()))->setVisible(anyRaise);
    SchemeMnu->popup(globalPosition);
}

void frmMain::VisionItems_Click(int Index) {
    VisionItems[static_cast<std::size_t>(Index)]->setChecked(true);
    ShowSchemeAsSeen();
}

void frmMain::RaiseContrastItems_Click(int Index) {
    const int role = SchemeMnuRole;
    if (role < 1 || role >= kRoleCount) {
        return;
    }
    const std::optional<PackedColor> raised =
        Raised(*this, role, kRaiseLevels[static_cast<std::size_t>(Index)]);
    if (!raised) {
        return;
    }
    // The ordinary way: the role is selected and loaded, then its colour
    // changes as any edit of the current colour does.
    optHPColormode[static_cast<std::size_t>(role)]->setChecked(true);
    optHPColormode_Click(role);
    CurRGB = UnpackColor(*raised);
    RefreshChannels(kAllChannels);
}

void frmMain::ShowSchemeAsSeen() {
    const ColourVision vision = ShownVision(*this);
    const bool simulated = vision != ColourVision::Normal;
    const auto seen = [vision, simulated](PackedColor colour) -> std::optional<PackedColor> {
        if (!simulated) {
            return std::nullopt;
        }
        return SimulateVision(colour, vision);
    };
    const PackedColor background = picHomepageView->backColor();
    picHomepageView->setShownBackColor(seen(background));
    for (ColorLabel* label : {lblHPCaption, lblHPText, lblHPLink, lblHPALink, lblHPVLink}) {
        label->setShownColor(seen(label->foreColor()));
    }
    // Without a simulation the note is empty rather than hidden: the panel's
    // controls are announced exactly while the panel shows.
    const QSize page = picHomepageView->client()->size();
    lblVision->setGeometry(0, page.height() - 12, page.width() - 2, 12);
    lblVision->setText(simulated ? QString::fromStdString(VisionName(vision)) : QString());
    // The notes on the page are read as the simulation's name is, in the
    // contrast colour of the background as shown.
    const PackedColor noteColour = ContrastColor(seen(background).value_or(background));
    for (int role = 1; role < kRoleCount; ++role) {
        SampleLine(*this, role)->setNoteColor(noteColour);
    }
    if (simulated) {
        lblVision->setForeColor(noteColour);
        lblVision->raise();
    }
}

} // namespace tinctora
