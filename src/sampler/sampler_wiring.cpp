// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's eyedropper handlers, which forward the box's events to the
// eyedropper, and the colour it hands back.
#include "frm_main.h"

#include "eyedropper.h"

#include <QRadioButton>
#include <QTimer>

namespace tinctora {

void frmMain::picScreencolor_MouseDown() {
    eyedropper->press();
}

void frmMain::tmrScreencolor_Timer() {
    eyedropper->tick();
}

void frmMain::picScreencolor_MouseUp() {
    eyedropper->release();
}

void frmMain::optScreencolorMode_Click(int Index) {
    eyedropper->chooseMode(Index);
}

void frmMain::connectSampler() {
    eyedropper = new Eyedropper(*this);
    connect(eyedropper, &Eyedropper::sampled, this, [this](RGBColor colour) {
        CurRGB = colour;
        RefreshChannels(kAllChannels);
    });
    connect(picScreencolor, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) { picScreencolor_MouseDown(); });
    connect(picScreencolor, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) { picScreencolor_MouseUp(); });
    connect(eyedropper->tmrScreencolor(), &QTimer::timeout, this, &frmMain::tmrScreencolor_Timer);
    for (int i = 0; i < 2; ++i) {
        connect(optScreencolorMode[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        optScreencolorMode_Click(i);
                    }
                });
    }
}

} // namespace tinctora
