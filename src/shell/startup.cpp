// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the web panel toggle and shutdown.
#include "frm_main.h"

#include "caption.h"
#include "eyedropper.h"
#include "frm_picker.h"
#include "resources.h"
#include "twips.h"
#include "version.h"

#include <QApplication>
#include <QGroupBox>

#include <cmath>

namespace tinctora {

namespace {

// The design's outer widths include a frame of 75 twips.
constexpr int kDesignFrameTwips = 75;

const QString kShowWeb = QStringLiteral("&Web >>");
const QString kHideWeb = QStringLiteral("<< &Web");

} // namespace

void frmMain::setOuterWidthTwips(int twips) {
    setFixedWidth(TwipsToPixels(twips - kDesignFrameTwips));
    // The web panel lies beyond the narrow window's edge. Cut off, it would
    // still take the focus from Tab unseen and be read out by screen
    // readers; hidden, it does neither.
    frameHPTheme->setVisible(twips >= kWideWidthTwips);
}

void frmMain::ShowNarrowWindow() {
    setOuterWidthTwips(kNarrowWidthTwips);
    cmdShowWebFeatures->setText(kShowWeb);
}

bool frmMain::WebPanelShown() const {
    return cmdShowWebFeatures->text() != kShowWeb;
}

frmPicker& frmMain::Picker() {
    if (picker_.isNull()) {
        picker_ = new frmPicker(*this);
        picker_->Form_Load();
    }
    return *picker_;
}

void frmMain::RestyleButtons() {
    // Plain push buttons: none is the default that Enter would press.
    for (auto* button : findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

bool frmMain::ScreenUsable() {
    return displayInfo.colourDepth() >= 16 || displayInfo.paintsAtColourDepth();
}

bool frmMain::Form_Load() {
    // Where Qt cannot paint at the depth, no window could show the warning,
    // and going on would crash in the first paint: say so where it can be
    // read and end.
    if (!ScreenUsable()) {
        qCritical("%s", QString::fromUtf8("Die Farbauflösung ist zu niedrig eingestellt (%1 Bit "
                                          "je Bildpunkt). Tinctora braucht mindestens High "
                                          "Color (16 Bit) und wird beendet.")
                            .arg(displayInfo.colourDepth())
                            .toLocal8Bit()
                            .constData());
        return false;
    }
    if (displayInfo.colourDepth() < 16) {
        const QString text = QString::fromUtf8(
            "Die Farbauflösung ist zu niedrig eingestellt. Es kann zu Farbverfälschungen "
            "kommen.\r\nEmpfohlen ist mindestens High Color (16 Bit).\r\nTrotzdem fortfahren?");
        if (messageBoxes.showMessage(nullptr, MessageKind::OkCancelWarning, text) ==
            MessageAnswer::Cancel) {
            if (pickerExists()) {
                picker_->close();
            }
            return false;
        }
    }

    CurRGB = UnpackColor(PackColor(51, 51, 51));

    // The outer window, frame included, centred as the wide window on the
    // screen it opens on, then narrowed: the narrow window opens with its left
    // edge where the wide one's would be. The frame does not exist before the
    // window shows, so its height comes from the window manager's estimate.
    const QRect screen = displayInfo.screenGeometry(this);
    const QMarginsF frame = windowPlacement.newWindowFrame(this).value_or(QMarginsF());
    const double outerWidth = TwipsToPixels(kWideWidthTwips);
    const double outerHeight = height() + frame.top() + frame.bottom();
    move(screen.x() + static_cast<int>(std::nearbyint(screen.width() / 2.0 - outerWidth / 2.0)),
         screen.y() + static_cast<int>(std::nearbyint(screen.height() / 2.0 - outerHeight / 2.0)));
    ShowNarrowWindow();
    setWindowIcon(WindowIconResource());

    setWindowTitle(QString::fromStdString(
        WindowCaption(kAppTitle, kVersionMajor, kVersionMinor, kVersionRevision)));
    show();
    eyedropper->showScreenAccess();
    RestyleButtons();
    RefreshChannels(kAllChannels);
    windowPlacement.setTopmost(this, true);
    return true;
}

void frmMain::cmdShowWebFeatures_Click() {
    if (WebPanelShown()) {
        ShowNarrowWindow();
    } else {
        setOuterWidthTwips(kWideWidthTwips);
        cmdShowWebFeatures->setText(kHideWeb);
        // The refresh leaves the contrast marks alone while the panel is
        // hidden.
        UpdateContrastMarks();
    }
}

void frmMain::cmdExit_Click() {
    if (pickerExists()) {
        picker_->close();
    }
    close();
}

void frmMain::ShutdownApp() {
    shuttingDown_ = true;
    if (pickerExists()) {
        picker_->close();
    }
    close();
    QCoreApplication::quit();
}

} // namespace tinctora
