// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper by keyboard on the fake desktop: the arrow keys during a
// drag, a pick started from the focused box, the mode switched during a
// pick, Escape, and the keys on the frozen frame.
#include "app_style.h"
#include "eyedropper.h"
#include "eyedropper_driver.h"
#include "sampling.h"
#include "window_driver.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

constexpr QPoint kPointer(500, 400);

void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

} // namespace

class TestEyedropperKeys : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    bool open() {
        form = OpenMainWindow(desktop);
        if (form == nullptr) {
            return false;
        }
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    // The box in the tab chain after "Invers", with the keyboard's focus.
    bool focusBox() {
        form->cmdInvert->setFocus();
        Key(Qt::Key_Tab);
        return QApplication::focusWidget() == form->picScreencolor;
    }
    int selectedRole() const {
        for (std::size_t i = 0; i < form->optHPColormode.size(); ++i) {
            if (form->optHPColormode[i]->isChecked()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop = FakeDesktop();
        desktop.screenPixels = UniformScreen(Qt::black);
        desktop.screenPixels.setPixelColor(kPointer + QPoint(3, 0), Qt::red);
        desktop.screenPixels.setPixelColor(kPointer + QPoint(13, -1), Qt::green);
        desktop.screenPixels.setPixelColor(kPointer + QPoint(100, 0), Qt::blue);
        desktop.pointer = kPointer;
    }
    void cleanup() {
        form.reset();
        QVERIFY(!PointerLeftOver());
    }

    // Where the pointer can be moved it goes with the point; where it cannot
    // the point keeps its offset, and the colour follows the keys at once.
    void arrowsMoveThePoint_data() {
        QTest::addColumn<bool>("pointerMoves");
        QTest::addColumn<QPoint>("pointerAfter");
        QTest::newRow("X11") << true << kPointer + QPoint(13, -1);
        QTest::newRow("XWayland") << false << kPointer;
    }
    void arrowsMoveThePoint() {
        QFETCH(bool, pointerMoves);
        QFETCH(QPoint, pointerAfter);
        desktop.pointerMoveFails = !pointerMoves;
        QVERIFY(open());
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 0));
        for (int i = 0; i < 3; ++i) {
            Key(Qt::Key_Right);
        }
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        QCOMPARE(MagnifierPixel(*form, 12, 12), QColor(Qt::red));
        Key(Qt::Key_Right, Qt::ShiftModifier);
        Key(Qt::Key_Up);
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
        QCOMPARE(*desktop.pointer, pointerAfter);
        ReleaseEyedropper(*form);
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
    }

    // Where the pointer cannot be moved, a move of the mouse: the mouse's
    // place counts again.
    void mouseMoveDropsTheOffset() {
        desktop.pointerMoveFails = true;
        QVERIFY(open());
        PressEyedropper(*form);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        desktop.pointer = kPointer + QPoint(100, 0);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 255));
        ReleaseEyedropper(*form);
    }

    // Escape during a mouse drag or a pick by keyboard: the colour before,
    // in the boxes and the selected role, the window where a release puts it.
    void escapeCancelsThePick_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }
    void escapeCancelsThePick() {
        QFETCH(bool, byKeyboard);
        QVERIFY(open());
        form->cmdShowWebFeatures->click();
        const int role = selectedRole();
        QVERIFY(role >= 0);
        SetColour(*form, 18, 52, 86);
        const PackedColor roleBefore = form->optHPColormode[std::size_t(role)]->backColor();
        if (byKeyboard) {
            QVERIFY(focusBox());
            Key(Qt::Key_Space);
        } else {
            PressEyedropper(*form);
        }
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        Key(Qt::Key_Right, Qt::ShiftModifier);
        Key(Qt::Key_Down);
        Key(Qt::Key_Left, Qt::ShiftModifier);
        Key(Qt::Key_Up);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        Key(Qt::Key_Escape);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(RgbTexts(*form), RgbTexts(18, 52, 86));
        QCOMPARE(form->optHPColormode[std::size_t(role)]->backColor(), roleBefore);
        QCOMPARE(form->pos(), CentredPosition(desktop.screen, form->frameGeometry().size()));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        if (!byKeyboard) {
            ReleaseEyedropper(*form);
            QCOMPARE(RgbTexts(*form), RgbTexts(18, 52, 86));
        }
    }

    // Space or Enter on the focused box starts at the pointer, Enter or Space
    // takes the colour; the next Tab goes on to "1x1".
    void pickWithoutAMouse_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("take");
        QTest::newRow("space, enter") << int(Qt::Key_Space) << int(Qt::Key_Return);
        QTest::newRow("enter, space") << int(Qt::Key_Return) << int(Qt::Key_Space);
    }
    void pickWithoutAMouse() {
        QFETCH(int, start);
        QFETCH(int, take);
        QVERIFY(open());
        QVERIFY(focusBox());
        Key(start);
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(form->pos(), QPoint(0, 0));
        for (int i = 0; i < 3; ++i) {
            Key(Qt::Key_Right);
        }
        Key(take);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        QCOMPARE(QApplication::focusWidget(), form->picScreencolor);
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->optScreencolorMode[0]);
    }

    // Tab switches between "1x1" and "5x5" on the same spot, pointer included.
    void tabSwitchesTheModeDuringAPick() {
        QVERIFY(open());
        PressEyedropper(*form);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        Key(Qt::Key_Tab);
        QVERIFY(form->optScreencolorMode[1]->isChecked());
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(QApplication::overrideCursor()->hotSpot(), QPoint(12, 12));
        QCOMPARE(RgbTexts(*form), RgbTexts(10, 0, 0));
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(form->optScreencolorMode[0]->isChecked());
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        ReleaseEyedropper(*form);
        QCOMPARE(form->picScreencolor->picture().isNull(), false);
    }

    // Natively on Wayland: Space opens the frozen frame with the point at
    // the pointer's place, the arrows move it, Enter takes it.
    void keysOnTheFrozenFrame() {
        desktop.access = ScreenAccess::ClickFrame;
        QVERIFY(open());
        QVERIFY(focusBox());
        Key(Qt::Key_Space);
        QCOMPARE(desktop.frameRequests.size(), std::size_t(1));
        desktop.giveFrame();
        FrameOverlay* overlay = OnlyOverlay(*form);
        QVERIFY(overlay != nullptr);
        QTest::keyClick(overlay, Qt::Key_Right);
        QTest::keyClick(overlay, Qt::Key_Right);
        QTest::keyClick(overlay, Qt::Key_Right);
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        // Tab compares the two modes here too, on the same spot.
        QTest::keyClick(overlay, Qt::Key_Tab);
        QVERIFY(form->optScreencolorMode[1]->isChecked());
        QCOMPARE(RgbTexts(*form), RgbTexts(10, 0, 0));
        QTest::keyClick(overlay, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        QTest::keyClick(overlay, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(overlay, Qt::Key_Up);
        QTest::keyClick(overlay, Qt::Key_Return);
        QVERIFY(form->eyedropper->frameOverlays().empty());
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
    }
};

QTEST_MAIN(TestEyedropperKeys)
#include "test_eyedropper_keys.moc"
