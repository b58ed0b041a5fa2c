// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A person's random use of the main window, event by event from one seed:
// typing and pasting into every box, clicking every check box, option button
// and button, dragging on strips, picker and eyedropper, choosing menu items.
#pragma once

#include "fake_desktop.h"
#include "frm_main.h"

#include <QString>

#include <bit>
#include <random>

namespace tinctora::soak {

class SoakDriver {
public:
    SoakDriver(frmMain& form, FakeDesktop& desktop, uint64_t seed);

    // Sends one event; returns what it did, for the failure message.
    QString step();
    // True when the last event ended with a refresh of everything.
    bool refreshedEverything() const { return refreshedEverything_; }
    // How many different kinds of event have been sent so far, of kKinds.
    int kindsSent() const { return std::popcount(kindsSent_); }
    static constexpr int kKinds = 11;

private:
    int pick(int count);
    bool chance(int percent);
    QPointF farPoint(int width, int height);
    Qt::MouseButton pressButton();
    Qt::MouseButtons heldButtons();

    QString typeCharacter();
    QString pasteText();
    QString clickModeBox();
    QString clickButton();
    QString clickOption();
    QString clickSwatchOrMark();
    QString dragStrip();
    QString dragPicker();
    QString chooseMenuValue();
    QString dragEyedropper();
    QString copyCode();

    frmMain& form_;
    FakeDesktop& desktop_;
    std::mt19937_64 random_;
    bool refreshedEverything_ = false;
    unsigned kindsSent_ = 0;
};

} // namespace tinctora::soak
