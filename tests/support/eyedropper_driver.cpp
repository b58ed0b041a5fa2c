// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the eyedropper in the widget tests.
#include "eyedropper_driver.h"

#include "eyedropper.h"

#include <QApplication>
#include <QTest>

namespace tinctora::testing {

bool PointerLeftOver() {
    const bool leftOver = QApplication::overrideCursor() != nullptr;
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    return leftOver;
}

namespace {

constexpr QPoint kBoxMiddle(12, 12);

} // namespace

QImage UniformScreen(QColor colour) {
    QImage screen(1024, 768, QImage::Format_RGB32);
    screen.fill(colour);
    return screen;
}

void PressEyedropper(frmMain& form, Qt::MouseButton button) {
    QTest::mousePress(form.picScreencolor->client(), button, {}, kBoxMiddle);
}

void ReleaseEyedropper(frmMain& form, Qt::MouseButton button) {
    QTest::mouseRelease(form.picScreencolor->client(), button, {}, kBoxMiddle);
}

QStringList RgbTexts(const frmMain& form) {
    return {form.txtValue[0]->text(), form.txtValue[1]->text(), form.txtValue[2]->text()};
}

QStringList RgbTexts(int red, int green, int blue) {
    return {QString::number(red), QString::number(green), QString::number(blue)};
}

QColor MagnifierPixel(const frmMain& form, int x, int y) {
    return form.picScreencolor->client()->grab().toImage().pixelColor(x, y);
}

FrameOverlay* OnlyOverlay(const frmMain& form) {
    const std::vector<FrameOverlay*> open = form.eyedropper->frameOverlays();
    return open.size() == 1 ? open.front() : nullptr;
}

FrameOverlay* OpenOverlay(frmMain& form, FakeDesktop& desktop) {
    QTest::mouseClick(form.picScreencolor->client(), Qt::LeftButton, {}, kBoxMiddle);
    if (desktop.frameRequests.size() != 1) {
        return nullptr;
    }
    desktop.giveFrame();
    return OnlyOverlay(form);
}

} // namespace tinctora::testing
