// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real main window on a desktop whose calls fail: a pointer or window
// rectangle that cannot be read, a refused topmost state or pointer move, a
// screen that gives nothing back and a clipboard that refuses the text. The
// program goes on with what it has and never acts as if a failed call worked.
#include "app_style.h"
#include "eyedropper.h"
#include "eyedropper_driver.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

enum class Fault { None, Pointer, WindowRect, Topmost, PointerMove, Everything };

void Inject(FakeDesktop& desktop, Fault fault) {
    const bool all = fault == Fault::Everything;
    if (fault == Fault::Pointer || all) {
        desktop.pointer.reset();
    }
    desktop.windowRectFails = fault == Fault::WindowRect || all;
    desktop.topmostFails = fault == Fault::Topmost || all;
    desktop.pointerMoveFails = fault == Fault::PointerMove || all;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestDesktopFaults : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    void load() {
        form = OpenMainWindow(desktop);
        QVERIFY(form);
    }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop = FakeDesktop();
        desktop.pointer = QPoint(500, 400);
        desktop.screenPixels = UniformScreen(QColor(255, 0, 0));
    }
    void cleanup() {
        form.reset();
        QVERIFY(!PointerLeftOver());
    }

    void startUpGoesOnWhenTopmostIsRefused() {
        desktop.topmostFails = true;
        load();
        QVERIFY(form->isVisible());
        QVERIFY(desktop.messages.empty());
        QCOMPARE(BoxTexts(*form), QStringList({"51", "51", "51", "0", "0", "48", "#333333"}));
    }

    void pickerOpensAndPicksWhateverFails_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("swatchKnown");
        QTest::newRow("nothing fails") << Fault::None << true;
        QTest::newRow("pointer unreadable") << Fault::Pointer << true;
        QTest::newRow("window rectangle unreadable") << Fault::WindowRect << false;
        QTest::newRow("topmost refused") << Fault::Topmost << true;
        QTest::newRow("pointer cannot be moved") << Fault::PointerMove << true;
        QTest::newRow("every call fails") << Fault::Everything << false;
    }
    void pickerOpensAndPicksWhateverFails() {
        QFETCH(Fault, fault);
        QFETCH(bool, swatchKnown);
        load();
        SetColour(*form, 0, 51, 51);
        Inject(desktop, fault);
        desktop.topmostCalls.clear();
        SendMouse(form->cmdValpick[0], QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton,
                  QPointF(4, 4));

        frmPicker& picker = form->Picker();
        QVERIFY(picker.isVisible());
        QCOMPARE(desktop.captured, &picker);
        QCOMPARE(picker.ChoosingLine().X1, 0.0f);
        // Without the swatch's rectangle the strip opens at the zero it got.
        const int swatchBottom =
            form->picColor->mapToGlobal(QPoint(0, 0)).y() + form->picColor->height();
        QCOMPARE(picker.y(), swatchKnown ? swatchBottom : 0);
        if (fault == Fault::Topmost || fault == Fault::Everything) {
            QVERIFY(desktop.topmostCalls.empty());
        }

        SendMouse(&picker, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPointF(128, 7));
        QCOMPARE(form->txtValue[0]->text(), QStringLiteral("128"));
        QCOMPARE(form->CurRGB.red, int16_t(128));
        QCOMPARE(form->picColor->backColor(), PackColor(128, 51, 51));

        SendMouse(&picker, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
                  QPointF(128, 7));
        QVERIFY(!picker.isVisible());
        SendMouse(form->cmdValpick[0], QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton,
                  QPointF(4, 4));
        QVERIFY(form->isVisible());
        QVERIFY(!form->cmdValpick[0]->isDown());
        QVERIFY(desktop.messages.empty());
    }

    void webSafeMenuOpensAndChoosesWithoutAPointer() {
        load();
        desktop.pointer.reset();
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            opened = menu != nullptr;
            if (menu != nullptr) {
                form->WSValues[3]->trigger();
                menu->close();
            }
        });
        SendMouse(form->cmdValpick[1], QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton,
                  QPointF(4, 4));
        QCoreApplication::processEvents();
        QVERIFY(opened);
        QCOMPARE(form->txtValue[1]->text(), QStringLiteral("153"));
        QCOMPARE(form->CurRGB.green, int16_t(153));
    }

    void eyedropperWithoutAScreenKeepsTheColour_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("mode");
        for (const int mode : {0, 1}) {
            const char* name = mode == 0 ? "1x1" : "5x5";
            QTest::addRow("pointer unreadable, %s", name) << QStringLiteral("pointer") << mode;
            QTest::addRow("screen gives nothing, %s", name) << QStringLiteral("screen") << mode;
            QTest::addRow("no pixel readable, %s", name) << QStringLiteral("pixels") << mode;
        }
    }
    void eyedropperWithoutAScreenKeepsTheColour() {
        QFETCH(QString, failure);
        QFETCH(int, mode);
        load();
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        SetColour(*form, 10, 20, 30);
        const QStringList before = BoxTexts(*form);

        PressEyedropper(*form);
        const QPoint pressedAt = form->pos();
        if (failure == QStringLiteral("pointer")) {
            desktop.pointer.reset();
        } else if (failure == QStringLiteral("screen")) {
            desktop.screenFails = true;
        } else {
            desktop.screenPixels = QImage();
        }
        for (int tick = 0; tick < 3; ++tick) {
            form->tmrScreencolor_Timer();
        }
        QCOMPARE(BoxTexts(*form), before);
        QCOMPARE(form->picColor->backColor(), PackColor(10, 20, 30));
        QCOMPARE(form->pos(), pressedAt);
        QVERIFY(!form->eyedropper->DragHasSampled());

        // The desktop recovers within the same drag: the next step takes its colour.
        desktop.pointer = QPoint(500, 400);
        desktop.screenFails = false;
        desktop.screenPixels = UniformScreen(QColor(255, 0, 0));
        form->tmrScreencolor_Timer();
        QCOMPARE(BoxTexts(*form), QStringList({"255", "0", "0", "0", "240", "120", "#ff0000"}));

        ReleaseEyedropper(*form);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QVERIFY(!form->picScreencolor->picture().isNull());
        QVERIFY(desktop.messages.empty());
    }

    void eyedropperWithoutWindowRectangleSamplesInPlace() {
        load();
        PressEyedropper(*form);
        QCOMPARE(form->pos(), QPoint(0, 0));
        // The pointer over the window would make it jump aside, if its
        // rectangle could be read.
        desktop.windowRectFails = true;
        desktop.pointer = QPoint(20, 20);
        form->tmrScreencolor_Timer();
        QCOMPARE(form->pos(), QPoint(0, 0));
        QCOMPARE(form->CurRGB.red, int16_t(255));
        QCOMPARE(form->txtValue[6]->text(), QStringLiteral("#ff0000"));
        ReleaseEyedropper(*form);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
    }

    void repeatedSampleInWebSafeModeKeepsTheSnappedColour() {
        load();
        form->chkWebSafe->click();
        desktop.screenPixels = UniformScreen(QColor(100, 150, 200));
        PressEyedropper(*form);
        for (int tick = 0; tick < 3; ++tick) {
            form->tmrScreencolor_Timer();
            QCOMPARE(form->CurRGB.red, int16_t(102));
            QCOMPARE(form->CurRGB.green, int16_t(153));
            QCOMPARE(form->CurRGB.blue, int16_t(204));
            QCOMPARE(form->picColor->backColor(), PackColor(102, 153, 204));
        }
        ReleaseEyedropper(*form);
    }

    void refusedClipboardIsNeverTakenForACopy_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("copy and go on") << MessageAnswer::No;
        QTest::newRow("copy and end") << MessageAnswer::Yes;
    }
    void refusedClipboardIsNeverTakenForACopy() {
        QFETCH(MessageAnswer, answer);
        load();
        desktop.clipboard = QStringLiteral("what was there before");
        desktop.clipboardFails = true;
        desktop.answers = {answer};
        form->cmdCopyHPCode->click();
        QVERIFY(!desktop.clipboard.has_value());
        QVERIFY(form->isVisible());
        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[1].kind, MessageKind::OkWarning);

        // Once the clipboard takes text again, the same click copies the code.
        desktop.clipboardFails = false;
        desktop.answers = {MessageAnswer::No};
        form->cmdCopyHPCode->click();
        QVERIFY(desktop.clipboard.has_value());
        QVERIFY(desktop.clipboard->startsWith(QStringLiteral("<html>\r\n")));
        QVERIFY(desktop.clipboard->endsWith(QStringLiteral("</html>")));
    }
};

QTEST_MAIN(TestDesktopFaults)
#include "test_desktop_faults.moc"
