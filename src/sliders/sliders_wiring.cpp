// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Connects the strips, the arrow buttons, the text backgrounds, the border
// boxes and the web-safe menu to their handlers.
#include "frm_main.h"

#include "focus_forward.h"

#include <QAction>

namespace tinctora {

void frmMain::connectSliders() {
    for (int i = 0; i < 6; ++i) {
        PictureBox* strip = picMiniScroll[i];
        connect(strip, &PictureBox::mouseDown, this,
                [this, i](Qt::MouseButton button, Qt::MouseButtons, QPointF position) {
                    picMiniScroll_MouseDown(i, button, position);
                });
        connect(strip, &PictureBox::mouseMove, this,
                [this, i](Qt::MouseButtons buttons, QPointF position) {
                    picMiniScroll_MouseMove(i, buttons, position);
                });
        connect(strip, &PictureBox::mouseUp, this,
                [this, i](Qt::MouseButton button, Qt::MouseButtons, QPointF position) {
                    picMiniScroll_MouseUp(i, button, position);
                });
        connect(cmdValpick[i], &ArrowButton::mouseDown, this,
                [this, i](Qt::MouseButton button) { cmdValpick_MouseDown(i, button); });
        connect(cmdValpick[i], &ArrowButton::mouseUp, this,
                [this, i](Qt::MouseButton button) { cmdValpick_MouseUp(i, button); });
        connect(pictxtBack[i], &PictureBox::mouseDown, this,
                [this, i] { pictxtBack_MouseDown(i); });
        new FocusInFilter(picTxtBorder[i], [this, i] { picTxtBorder_GotFocus(i); });
    }
    for (int k = 0; k < 6; ++k) {
        connect(WSValues[k], &QAction::triggered, this, [this, k] { WSValues_Click(k); });
    }
}

} // namespace tinctora
