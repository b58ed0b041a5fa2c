// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper in the real main window, sampling the fake desktop's
// scripted screen: press, sampling steps and release.
#include "app_style.h"
#include "eyedropper.h"
#include "eyedropper_driver.h"
#include "packed_qcolor.h"
#include "resources.h"
#include "sampling.h"
#include "window_driver.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>

#include <array>
#include <chrono>
#include <memory>

using namespace tinctora;
using namespace tinctora::testing;

Q_DECLARE_METATYPE(tinctora::ScreenAccess)

namespace {

const QString kMeanNeedsFrameTip = QString::fromUtf8(
    "Der Mittelwert aus 5x5 Punkten braucht einen Desktop, der Bildschirmfotos erlaubt. "
    "Hier nimmt die Farbauswahl des Desktops einen einzelnen Punkt.");
const QString kNoScreenTip =
    QString::fromUtf8("Dieser Desktop gibt keine Bildschirmfarben heraus: Die Pipette braucht das "
                      "Bildschirmfoto-Portal (xdg-desktop-portal).");

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

// What the eyedropper hands back, in the order it does.
class PickListener : public QObject {
public:
    explicit PickListener(Eyedropper& eyedropper) {
        connect(&eyedropper, &Eyedropper::sampled, this, [this](RGBColor colour) {
            heard << QStringLiteral("sampled ") + ToQColor(PackColor(colour)).name();
        });
        connect(&eyedropper, &Eyedropper::finished, this, [this] { heard << "finished"; });
        connect(&eyedropper, &Eyedropper::cancelled, this, [this] { heard << "cancelled"; });
    }
    QStringList heard;
};

} // namespace

class TestEyedropper : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    bool open() {
        form = OpenMainWindow(desktop);
        return form != nullptr;
    }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop = FakeDesktop();
        desktop.screenPixels = UniformScreen(Qt::black);
        desktop.pointer = QPoint(500, 400);
    }
    void cleanup() {
        form.reset();
        QVERIFY(!PointerLeftOver());
    }

    void startUpShowsTheWindowIconAndTheSingleModeIcon() {
        QVERIFY(open());
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(!form->picScreencolor->picture().isNull());
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(101).toImage());
    }

    void pressJumpsToTheCornerAndStartsSampling() {
        QVERIFY(open());
        desktop.topmostCalls.clear();
        PressEyedropper(*form);
        QCOMPARE(form->pos(), QPoint(0, 0));
        QCOMPARE(desktop.topmostCalls.size(), std::size_t(1));
        QVERIFY(desktop.topmost(form.get()));
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->hotSpot(), QPoint(13, 13));
        QVERIFY(form->picScreencolor->picture().isNull());
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(form->eyedropper->tmrScreencolor()->interval(), 5);
        ReleaseEyedropper(*form);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
    }

    void pressClosesTheWebPanelForGood() {
        QVERIFY(open());
        const int narrow = form->width();
        form->cmdShowWebFeatures->click();
        QCOMPARE(form->cmdShowWebFeatures->text(), QString("<< &Web"));
        QVERIFY(form->width() > narrow);
        PressEyedropper(*form);
        QCOMPARE(form->cmdShowWebFeatures->text(), QString("&Web >>"));
        QCOMPARE(form->width(), narrow);
        QCOMPARE(form->cmdShowWebFeatures->x(), 124);
        form->tmrScreencolor_Timer();
        ReleaseEyedropper(*form);
        QCOMPARE(form->cmdShowWebFeatures->text(), QString("&Web >>"));
        QCOMPARE(form->width(), narrow);
    }

    void singlePixelIsTakenAndRinged() {
        QVERIFY(open());
        desktop.screenPixels.setPixelColor(500, 400, Qt::red);
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), QStringList({"255", "0", "0"}));
        QCOMPARE(form->txtValue[6]->text(), QString("#ff0000"));
        QCOMPARE(form->eyedropper->LastSampledColor(), PackColor(255, 0, 0));
        QCOMPARE(MagnifierPixel(*form, 12, 12), QColor(Qt::red));
        QCOMPARE(MagnifierPixel(*form, 10, 14), QColor(Qt::red));
        // The ring inverts the black around the centre cell, once.
        QCOMPARE(MagnifierPixel(*form, 9, 9), QColor(Qt::white));
        QCOMPARE(MagnifierPixel(*form, 15, 12), QColor(Qt::white));
        QCOMPARE(MagnifierPixel(*form, 8, 8), QColor(Qt::black));
        // A second step repaints the cells first: the ring stays as it is.
        form->tmrScreencolor_Timer();
        QCOMPARE(MagnifierPixel(*form, 9, 9), QColor(Qt::white));
        ReleaseEyedropper(*form);
    }

    void uniformAreaRefreshesOnce() {
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(QColor(10, 20, 30));
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), QStringList({"10", "20", "30"}));
        // A refresh would rewrite the hue box; a marker in it shows there was none.
        {
            const QSignalBlocker blocker(form->txtValue[3]);
            form->txtValue[3]->setText("999");
        }
        form->tmrScreencolor_Timer();
        form->tmrScreencolor_Timer();
        QCOMPARE(form->txtValue[3]->text(), QString("999"));
        desktop.screenPixels = UniformScreen(QColor(40, 20, 30));
        form->tmrScreencolor_Timer();
        QVERIFY(form->txtValue[3]->text() != QString("999"));
        QCOMPARE(RgbTexts(*form), QStringList({"40", "20", "30"}));
        ReleaseEyedropper(*form);
    }

    void firstSampleOfEveryDragRefreshes_data() {
        QTest::addColumn<QColor>("screen");
        QTest::addColumn<bool>("sampledBefore");
        QTest::newRow("very first drag over black") << QColor(Qt::black) << false;
        QTest::newRow("drag starting on the last drag's colour") << QColor(0, 128, 255) << true;
    }
    void firstSampleOfEveryDragRefreshes() {
        QFETCH(QColor, screen);
        QFETCH(bool, sampledBefore);
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(screen);
        if (sampledBefore) {
            PressEyedropper(*form);
            form->tmrScreencolor_Timer();
            ReleaseEyedropper(*form);
            form->txtValue[6]->setText("#123456");
            QCOMPARE(RgbTexts(*form), QStringList({"18", "52", "86"}));
        }
        QVERIFY(RgbTexts(*form) !=
                QStringList({QString::number(screen.red()), QString::number(screen.green()),
                             QString::number(screen.blue())}));
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form),
                 QStringList({QString::number(screen.red()), QString::number(screen.green()),
                              QString::number(screen.blue())}));
        QCOMPARE(form->picColor->backColor(), ToPacked(screen));
        ReleaseEyedropper(*form);
    }

    void blockModeTakesTheMeanWithoutRing() {
        QVERIFY(open());
        form->optScreencolorMode[1]->click();
        // 13 of the 25 pixels white, row by row from the block's top left.
        int whites = 0;
        for (int y = 398; y <= 402; ++y) {
            for (int x = 498; x <= 502; ++x) {
                desktop.screenPixels.setPixelColor(x, y, whites++ < 13 ? Qt::white : Qt::black);
            }
        }
        PressEyedropper(*form);
        QCOMPARE(QApplication::overrideCursor()->hotSpot(), QPoint(12, 12));
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), QStringList({"133", "133", "133"}));
        QCOMPARE(form->eyedropper->LastSampledColor(), PackColor(133, 133, 133));
        // Cell (dx 1, dy 0) is the 14th pixel: black, and not inverted.
        QCOMPARE(MagnifierPixel(*form, 15, 12), QColor(Qt::black));
        QCOMPARE(MagnifierPixel(*form, 9, 12), QColor(Qt::white));
        ReleaseEyedropper(*form);
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(102).toImage());
    }

    void unreadableSampleChangesNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("pointer");
        QTest::newRow("1x1, pointer beside the screen") << 0 << QPoint(-1, 300);
        QTest::newRow("5x5, no pixel of the block on the screen") << 1 << QPoint(-3, -3);
    }
    void unreadableSampleChangesNothing() {
        QFETCH(int, mode);
        QFETCH(QPoint, pointer);
        QVERIFY(open());
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        desktop.screenPixels = UniformScreen(Qt::white);
        desktop.pointer = pointer;
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), QStringList({"51", "51", "51"}));
        QCOMPARE(form->CurRGB.red, 51);
        QCOMPARE(form->eyedropper->LastSampledColor(), 0);
        // The cell of an unreadable pixel shows the box's own background.
        QCOMPARE(MagnifierPixel(*form, 12, 12), ToQColor(form->picScreencolor->backColor()));
        ReleaseEyedropper(*form);
    }

    void stepMovesTheWindowOutOfThePointersWay() {
        QVERIFY(open());
        PressEyedropper(*form);
        QCOMPARE(form->pos(), QPoint(0, 0));
        // Level with the window but far below it: only the horizontal jump.
        desktop.pointer = QPoint(form->frameGeometry().width() / 2, 700);
        form->tmrScreencolor_Timer();
        QCOMPARE(form->pos(), QPoint(1024 - form->frameGeometry().width(), 0));
        desktop.pointer = QPoint(1000, 10);
        form->tmrScreencolor_Timer();
        QCOMPARE(form->pos(), QPoint(0, 768 - form->frameGeometry().height()));
        ReleaseEyedropper(*form);
    }

    // The window manager moves the window a few looks after it was asked to,
    // or, like sway, never: the window's own grey is never taken.
    void windowsOwnPixelsAreNeverTaken_data() {
        QTest::addColumn<int>("lag");
        QTest::addColumn<QColor>("kept");
        QTest::newRow("moved later") << 2 << QColor(Qt::red);
        QTest::newRow("never moved") << -1 << QColor(Qt::blue);
    }
    void windowsOwnPixelsAreNeverTaken() {
        QFETCH(int, lag);
        QFETCH(QColor, kept);
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(Qt::blue);
        PressEyedropper(*form);
        desktop.pointer = QPoint(900, 700);
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 255));
        desktop.screenPixels = UniformScreen(Qt::red);
        desktop.windowShownAt = form->frameGeometry();
        desktop.windowMoveLag = lag;
        desktop.pointer = form->frameGeometry().center();
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 255));
        QVERIFY(form->pos() != QPoint(0, 0));
        ReleaseEyedropper(*form);
        QCOMPARE(RgbTexts(*form), RgbTexts(kept.red(), kept.green(), kept.blue()));
    }

    void releaseCentresAndShowsTheIconAgain() {
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(Qt::red);
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QCOMPARE(MagnifierPixel(*form, 2, 2), QColor(Qt::red));
        ReleaseEyedropper(*form);
        QCOMPARE(form->pos(), CentredPosition(QSize(1024, 768), form->frameGeometry().size()));
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(101).toImage());
        // The magnifier went with the repaint; the sampled colour stays.
        QVERIFY(MagnifierPixel(*form, 2, 2) != QColor(Qt::red));
        QCOMPARE(RgbTexts(*form), QStringList({"255", "0", "0"}));
    }

    // A tick that would paint the magnifier as it already is paints nothing;
    // whatever took the magnifier away or changed it has it painted again.
    void magnifierRepaintsOnlyWhenItChanges_data() {
        QTest::addColumn<QString>("between");
        QTest::addColumn<bool>("repaints");
        QTest::newRow("nothing") << "nothing" << false;
        QTest::newRow("another colour under the pointer") << "colour" << true;
        QTest::newRow("a new drag on the same pixels") << "drag" << true;
        QTest::newRow("the other mode") << "mode" << true;
    }
    void magnifierRepaintsOnlyWhenItChanges() {
        QFETCH(QString, between);
        QFETCH(bool, repaints);
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(Qt::red);
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QApplication::processEvents();
        QColor expected = Qt::red;
        if (between == "colour") {
            desktop.screenPixels = UniformScreen(Qt::blue);
            expected = Qt::blue;
        } else if (between == "drag") {
            ReleaseEyedropper(*form);
            PressEyedropper(*form);
        } else if (between == "mode") {
            form->optScreencolorMode[1]->click();
        }
        QApplication::processEvents();
        PaintCounter paints(form->picScreencolor->client());
        form->tmrScreencolor_Timer();
        QApplication::processEvents();
        QCOMPARE(paints.count > 0, repaints);
        QCOMPARE(MagnifierPixel(*form, 2, 2), expected);
        ReleaseEyedropper(*form);
    }

    void secondButtonDuringADragLeavesNoPointerBehind() {
        QVERIFY(open());
        PressEyedropper(*form);
        PressEyedropper(*form, Qt::RightButton);
        ReleaseEyedropper(*form, Qt::RightButton);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        ReleaseEyedropper(*form);
    }

    void modeChangeSwapsTheIdlePicture_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("5x5") << 1;
        QTest::newRow("back to 1x1") << 0;
    }
    void modeChangeSwapsTheIdlePicture() {
        QFETCH(int, mode);
        QVERIFY(open());
        form->optScreencolorMode[1]->click();
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(101 + mode).toImage());
        QCOMPARE(RgbTexts(*form), QStringList({"51", "51", "51"}));
    }

    void timerSamplesOnlyDuringTheDrag() {
        QVERIFY(open());
        desktop.screenPixels = UniformScreen(QColor(0, 255, 0));
        QTest::qWait(20);
        QCOMPARE(desktop.sampleCount, 0);
        PressEyedropper(*form);
        QTRY_VERIFY(desktop.sampleCount >= 2);
        QCOMPARE(RgbTexts(*form), QStringList({"0", "255", "0"}));
        ReleaseEyedropper(*form);
        const int afterRelease = desktop.sampleCount;
        QTest::qWait(20);
        QCOMPARE(desktop.sampleCount, afterRelease);
    }

    void resourcesHaveTheirSizesAndHotSpots_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<bool>("hotSpotShown");
        // "1x1" marks the very pixel it takes; "5x5" leaves its square open.
        QTest::newRow("101") << 101 << QPoint(13, 13) << true;
        QTest::newRow("102") << 102 << QPoint(12, 12) << false;
    }
    void resourcesHaveTheirSizesAndHotSpots() {
        QFETCH(int, number);
        QFETCH(QPoint, hotSpot);
        QFETCH(bool, hotSpotShown);
        QCOMPARE(IconResource(number).size(), QSize(32, 32));
        const QCursor cursor = CursorResource(number);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        // A coloured picture, the kind of cursor every platform shows:
        // black and white on a clear ground.
        const QImage picture = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                colours.insert(picture.pixel(x, y));
            }
        }
        QCOMPARE(colours, (QSet<QRgb>{qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        QCOMPARE(picture.pixel(hotSpot), hotSpotShown ? qRgb(0, 0, 0) : qRgba(0, 0, 0, 0));
        QVERIFY(!WindowIconResource().pixmap(32, 32).isNull());
        QVERIFY(IconResource(number).toImage() != IconResource(203 - number).toImage());
    }

    // Where the screen comes as one frame from the desktop, the drag follows
    // the pointer at once and takes colours from the first tick after the
    // frame arrived, in the frame's physical pixels.
    void dragSamplesTheFrameOnceItArrives_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QStringList>("rgb");
        // One red screen pixel in black: 1 of the 25 physical pixels at
        // scale 1, 4 of them at scale 2.
        QTest::newRow("1x1, scale 1") << 0 << 1 << RgbTexts(255, 0, 0);
        QTest::newRow("1x1, scale 2") << 0 << 2 << RgbTexts(255, 0, 0);
        QTest::newRow("5x5, scale 1") << 1 << 1 << RgbTexts(10, 0, 0);
        QTest::newRow("5x5, scale 2") << 1 << 2 << RgbTexts(41, 0, 0);
    }
    void dragSamplesTheFrameOnceItArrives() {
        QFETCH(int, mode);
        QFETCH(int, scale);
        QFETCH(QStringList, rgb);
        desktop.access = ScreenAccess::DragFrame;
        desktop.frameScale = scale;
        desktop.screenPixels.setPixelColor(500, 400, Qt::red);
        QVERIFY(open());
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        PressEyedropper(*form);
        QCOMPARE(desktop.frameRequests.size(), std::size_t(1));
        // Hidden until the frame has arrived, so that no cross hair is in it.
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
        // Waiting: the pointer is followed, the colour stays.
        desktop.pointer = QPoint(form->frameGeometry().width() / 2, 400);
        form->tmrScreencolor_Timer();
        QCOMPARE(form->pos(), QPoint(1024 - form->frameGeometry().width(), 0));
        QCOMPARE(RgbTexts(*form), RgbTexts(51, 51, 51));
        QCOMPARE(MagnifierPixel(*form, 12, 12), ToQColor(form->picScreencolor->backColor()));
        desktop.pointer = QPoint(500, 400);
        desktop.giveFrame();
        QCOMPARE(QApplication::overrideCursor()->hotSpot(),
                 mode == 0 ? QPoint(13, 13) : QPoint(12, 12));
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), rgb);
        QCOMPARE(MagnifierPixel(*form, 12, 12), QColor(Qt::red));
        ReleaseEyedropper(*form);
        QCOMPARE(RgbTexts(*form), rgb);
        QVERIFY(form->eyedropper->dragFrame().image.isNull());
    }

    // A click shorter than the wait for the frame: the frame opens frozen
    // over the screen, to be picked from with a second click.
    void frameArrivingAfterTheDragIsPickedFromWithAClick() {
        desktop.access = ScreenAccess::DragFrame;
        desktop.screenPixels = UniformScreen(Qt::blue);
        QVERIFY(open());
        PressEyedropper(*form);
        ReleaseEyedropper(*form);
        QVERIFY(form->eyedropper->frameOverlays().empty());
        desktop.giveFrame();
        QVERIFY(form->eyedropper->dragFrame().image.isNull());
        FrameOverlay* overlay = OnlyOverlay(*form);
        QVERIFY(overlay != nullptr);
        QTest::mousePress(overlay->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseRelease(overlay->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(form->eyedropper->frameOverlays().empty());
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 255));
        QVERIFY(desktop.frameRequests.empty());
    }

    // The frame holds none of the main window, which the press sends to the
    // corner or (where the compositor ignores the move) leaves where it stood:
    // every pixel of the screen can be picked from it. The window is back as
    // the frame arrives.
    void frameShowsTheScreenWithoutTheWindow_data() {
        QTest::addColumn<ScreenAccess>("access");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("drag, the window's corner")
            << ScreenAccess::DragFrame << true << QPoint(5, 5);
        QTest::newRow("drag, where it stood")
            << ScreenAccess::DragFrame << true << QPoint(310, 210);
        QTest::newRow("drag, move ignored") << ScreenAccess::DragFrame << false << QPoint(310, 210);
        QTest::newRow("click, where it stands")
            << ScreenAccess::ClickFrame << true << QPoint(310, 210);
    }
    void frameShowsTheScreenWithoutTheWindow() {
        QFETCH(ScreenAccess, access);
        QFETCH(bool, moves);
        QFETCH(QPoint, at);
        desktop.access = access;
        desktop.screenPixels = UniformScreen(Qt::blue);
        QVERIFY(open());
        form->move(300, 200);
        PressEyedropper(*form);
        if (access == ScreenAccess::ClickFrame) {
            // A click asks for its frame at the release, and only then
            // leaves the frames: natively the window goes away, which must
            // not happen under the held button.
            QVERIFY(desktop.frameRequests.empty());
            QVERIFY(desktop.outOfFrame.empty());
            ReleaseEyedropper(*form);
        }
        if (!moves) {
            // A compositor that ignores the moves shows the window where it
            // stood for good.
            form->move(300, 200);
            desktop.windowShownAt = form->frameGeometry();
            desktop.windowMoveLag = -1;
        }
        QCOMPARE(desktop.frameRequests.size(), std::size_t(1));
        QCOMPARE(desktop.outOfFrame, std::vector<const QWidget*>{form.get()});
        QCOMPARE(desktop.preparedOutOfFrame, std::vector<const QWidget*>{form.get()});
        desktop.pointer = at;
        desktop.giveFrame();
        QVERIFY(desktop.outOfFrame.empty());
        if (access == ScreenAccess::DragFrame) {
            form->tmrScreencolor_Timer();
            ReleaseEyedropper(*form);
        } else {
            FrameOverlay* overlay = OnlyOverlay(*form);
            QVERIFY(overlay != nullptr);
            QTest::mousePress(overlay, Qt::LeftButton, {}, at);
            QTest::mouseRelease(overlay, Qt::LeftButton, {}, at);
        }
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 255));
    }

    // A desktop that will not give a frame without asking leaves the
    // desktop's own picker: the waiting drag ends with nothing left behind,
    // and later presses go to the picker straight away.
    void refusedFrameFallsBackToTheDesktopsPicker_data() {
        QTest::addColumn<ScreenAccess>("access");
        QTest::newRow("drag under XWayland") << ScreenAccess::DragFrame;
        QTest::newRow("click on Wayland") << ScreenAccess::ClickFrame;
    }
    void refusedFrameFallsBackToTheDesktopsPicker() {
        QFETCH(ScreenAccess, access);
        desktop.access = access;
        QVERIFY(open());
        form->optScreencolorMode[1]->click();
        QCOMPARE(form->frameScreencolor->toolTip(), QString());
        // A drag is refused while the button is held, a click after its
        // release, and the picker then starts at once.
        const bool click = access == ScreenAccess::ClickFrame;
        PressEyedropper(*form);
        if (click) {
            ReleaseEyedropper(*form);
        }
        desktop.refuseFrame();
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(desktop.outOfFrame.empty());
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(102).toImage());
        QCOMPARE(form->frameScreencolor->toolTip(), kMeanNeedsFrameTip);
        QCOMPARE(desktop.pickRequests.size(), std::size_t(click ? 1 : 0));
        if (!click) {
            ReleaseEyedropper(*form);
        }
        QCOMPARE(desktop.pickRequests.size(), std::size_t(1));
        desktop.answerPick(PackColor(1, 2, 3));
        QCOMPARE(RgbTexts(*form), RgbTexts(1, 2, 3));
        QCOMPARE(form->txtValue[6]->text(), QString("#010203"));

        PressEyedropper(*form);
        ReleaseEyedropper(*form);
        QVERIFY(desktop.frameRequests.empty());
        QCOMPARE(desktop.pickRequests.size(), std::size_t(1));
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        desktop.answerPick(std::nullopt);
        QCOMPARE(RgbTexts(*form), RgbTexts(1, 2, 3));
    }

    // The desktop's picker takes the pixel under the next release: it starts
    // once the click on the box has let go, never during the press, whose
    // own release would take the box itself. A refusal that comes after the
    // release starts it at once.
    void desktopsPickerStartsOnlyAfterTheRelease_data() {
        QTest::addColumn<ScreenAccess>("access");
        QTest::addColumn<bool>("refusedWhileDown");
        QTest::addColumn<bool>("refusedAfterRelease");
        QTest::newRow("picker only") << ScreenAccess::PickOnly << false << false;
        QTest::newRow("drag refused while held") << ScreenAccess::DragFrame << true << false;
        QTest::newRow("click refused after release") << ScreenAccess::ClickFrame << false << true;
    }
    void desktopsPickerStartsOnlyAfterTheRelease() {
        QFETCH(ScreenAccess, access);
        QFETCH(bool, refusedWhileDown);
        QFETCH(bool, refusedAfterRelease);
        desktop.access = access;
        QVERIFY(open());
        PressEyedropper(*form);
        if (refusedWhileDown) {
            desktop.refuseFrame();
        }
        QVERIFY(desktop.pickRequests.empty());
        ReleaseEyedropper(*form);
        if (refusedAfterRelease) {
            desktop.refuseFrame();
        }
        QCOMPARE(desktop.pickRequests.size(), std::size_t(1));
        desktop.answerPick(PackColor(9, 8, 7));
        QCOMPARE(RgbTexts(*form), RgbTexts(9, 8, 7));
        // The next click starts one picker, at its release again.
        PressEyedropper(*form);
        QVERIFY(desktop.pickRequests.empty());
        ReleaseEyedropper(*form);
        QCOMPARE(desktop.pickRequests.size(), std::size_t(1));
    }

    // Only the mean of 5 x 5 pixels is lost with the frame: the tooltip of
    // the group says so, and only then.
    void groupTooltipSaysTheMeanNeedsScreenshots_data() {
        QTest::addColumn<ScreenAccess>("access");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("said");
        QTest::newRow("picker only, 5x5") << ScreenAccess::PickOnly << 1 << true;
        QTest::newRow("picker only, 1x1") << ScreenAccess::PickOnly << 0 << false;
        QTest::newRow("frames, 5x5") << ScreenAccess::DragFrame << 1 << false;
        QTest::newRow("X11, 5x5") << ScreenAccess::Live << 1 << false;
    }
    void groupTooltipSaysTheMeanNeedsScreenshots() {
        QFETCH(ScreenAccess, access);
        QFETCH(int, mode);
        QFETCH(bool, said);
        desktop.access = access;
        QVERIFY(open());
        form->optScreencolorMode[1]->click();
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        QCOMPARE(form->frameScreencolor->toolTip(), said ? kMeanNeedsFrameTip : QString());
    }

    void noScreenAccessMakesTheBoxInactive_data() {
        QTest::addColumn<bool>("fromStart");
        QTest::newRow("known at start") << true;
        QTest::newRow("found out later") << false;
    }
    void noScreenAccessMakesTheBoxInactive() {
        QFETCH(bool, fromStart);
        desktop.access = fromStart ? ScreenAccess::None : ScreenAccess::DragFrame;
        QVERIFY(open());
        QVERIFY(form->picScreencolor->isEnabled() != fromStart);
        if (!fromStart) {
            desktop.loseScreenAccess();
        }
        QVERIFY(!form->picScreencolor->isEnabled());
        QCOMPARE(form->picScreencolor->toolTip(), kNoScreenTip);
        QVERIFY(!form->picScreencolor->picture().isNull());
        QVERIFY(form->picScreencolor->picture().toImage() != IconResource(101).toImage());
        form->optScreencolorMode[1]->click();
        QVERIFY(form->picScreencolor->picture().toImage() != IconResource(102).toImage());
        const QPoint before = form->pos();
        PressEyedropper(*form);
        ReleaseEyedropper(*form);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QVERIFY(desktop.frameRequests.empty());
        QVERIFY(desktop.pickRequests.empty());
        QCOMPARE(form->pos(), before);
    }

    // On Wayland a click opens the frozen frame over the screen; the pointer
    // there samples it live, and a click takes the colour.
    void clickOnTheFrozenFrameTakesTheColour_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("rgb");
        QTest::newRow("1x1") << 0 << RgbTexts(255, 0, 0);
        QTest::newRow("5x5") << 1 << RgbTexts(10, 0, 0);
    }
    void clickOnTheFrozenFrameTakesTheColour() {
        QFETCH(int, mode);
        QFETCH(QStringList, rgb);
        desktop.access = ScreenAccess::ClickFrame;
        desktop.screenPixels.setPixelColor(500, 400, Qt::red);
        desktop.screenPixels.setPixelColor(100, 100, QColor(0, 0, 255));
        QVERIFY(open());
        form->optScreencolorMode[static_cast<std::size_t>(mode)]->click();
        const QPoint before = form->pos();
        QCursor::setPos(500, 400);
        FrameOverlay* overlay = OpenOverlay(*form, desktop);
        QVERIFY(overlay != nullptr);
        QCOMPARE(form->pos(), before);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        QCOMPARE(overlay->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(overlay->cursor().hotSpot(), mode == 0 ? QPoint(13, 13) : QPoint(12, 12));
        const QImage shown = overlay->grab().toImage();
        QCOMPARE(shown.pixelColor(500, 400), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(100, 100), QColor(0, 0, 255));
        QTest::mouseMove(overlay->windowHandle(), QPoint(500, 400));
        QCOMPARE(RgbTexts(*form), rgb);
        // The magnifier lies beside the pointer, its centre cell the red pixel.
        const QRect magnifier = MagnifierPlace(QPoint(500, 400), QSize(100, 100), overlay->rect());
        QCOMPARE(overlay->grab().toImage().pixelColor(magnifier.center()), QColor(Qt::red));
        QTest::mouseMove(overlay->windowHandle(), QPoint(300, 300));
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 0, 0));
        QTest::mousePress(overlay, Qt::LeftButton, {}, QPoint(500, 400));
        QTest::mouseRelease(overlay, Qt::LeftButton, {}, QPoint(500, 400));
        QVERIFY(form->eyedropper->frameOverlays().empty());
        QTRY_VERIFY(QApplication::topLevelWidgets().count(overlay) == 0);
        QCOMPARE(RgbTexts(*form), rgb);
        QCOMPARE(form->picColor->backColor(),
                 PackColor(static_cast<int16_t>(rgb[0].toInt()), 0, 0));
    }

    // A frame that opens under a pointer at rest shows the magnifier and
    // takes the colour as the pointer enters it, before any move.
    void frameOpeningUnderAPointerAtRestShowsItsColour() {
        desktop.access = ScreenAccess::ClickFrame;
        desktop.screenPixels.setPixelColor(500, 400, Qt::red);
        QVERIFY(open());
        QCursor::setPos(500, 400);
        FrameOverlay* overlay = OpenOverlay(*form, desktop);
        QVERIFY(overlay != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        QTRY_COMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        const QRect magnifier = MagnifierPlace(QPoint(500, 400), QSize(100, 100), overlay->rect());
        QCOMPARE(overlay->grab().toImage().pixelColor(magnifier.center()), QColor(Qt::red));
        QTest::keyClick(overlay, Qt::Key_Escape);
    }

    // A desktop may report a scaled screen at its physical size and then give
    // the full-screen window the screen's logical size (GNOME at scale 2, Qt
    // 6.4): the frame fills the window, and the pointer takes the pixel it
    // points at, not the one at its logical coordinates.
    void frozenFrameFillsTheWindowTheDesktopGave() {
        desktop.access = ScreenAccess::ClickFrame;
        desktop.screen = QSize(2048, 1536);
        desktop.screenPixels = QImage(desktop.screen, QImage::Format_RGB32);
        desktop.screenPixels.fill(Qt::black);
        // Two by two physical pixels, which show as one logical pixel.
        QPainter painter(&desktop.screenPixels);
        painter.fillRect(1000, 800, 2, 2, Qt::red);
        painter.fillRect(2046, 1534, 2, 2, Qt::green);
        painter.fillRect(500, 400, 1, 1, Qt::blue);
        painter.end();
        QVERIFY(open());
        FrameOverlay* overlay = OpenOverlay(*form, desktop);
        QVERIFY(overlay != nullptr);
        overlay->resize(1024, 768);
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        const QImage shown = overlay->grab().toImage();
        QCOMPARE(shown.pixelColor(500, 400), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(1023, 767), QColor(Qt::green));
        QTest::mouseMove(overlay->windowHandle(), QPoint(500, 400));
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 0, 0));
        QTest::mouseMove(overlay->windowHandle(), QPoint(1023, 767));
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
        QTest::keyClick(overlay, Qt::Key_Escape);
    }

    void escapeOnTheFrozenFrameBringsBackTheColour() {
        desktop.access = ScreenAccess::ClickFrame;
        desktop.screenPixels = UniformScreen(Qt::green);
        QVERIFY(open());
        form->txtValue[6]->setText("#123456");
        FrameOverlay* overlay = OpenOverlay(*form, desktop);
        QVERIFY(overlay != nullptr);
        QTest::mouseMove(overlay->windowHandle(), QPoint(10, 10));
        QCOMPARE(RgbTexts(*form), RgbTexts(0, 255, 0));
        QTest::keyClick(overlay, Qt::Key_Escape);
        QVERIFY(form->eyedropper->frameOverlays().empty());
        QCOMPARE(RgbTexts(*form), RgbTexts(18, 52, 86));
        QCOMPARE(form->txtValue[6]->text(), QString("#123456"));
        QCOMPARE(form->picColor->backColor(), PackColor(18, 52, 86));
    }

    // The release of the click that asked for the frame may reach the
    // overlay: only a press on the overlay picks.
    void overlayIgnoresAReleaseWithoutItsPress() {
        desktop.access = ScreenAccess::ClickFrame;
        desktop.screenPixels = UniformScreen(Qt::white);
        QVERIFY(open());
        FrameOverlay* overlay = OpenOverlay(*form, desktop);
        QVERIFY(overlay != nullptr);
        QTest::mouseRelease(overlay, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(OnlyOverlay(*form), overlay);
        QCOMPARE(RgbTexts(*form), RgbTexts(51, 51, 51));
        QTest::keyClick(overlay, Qt::Key_Escape);
    }

    // A desktop that draws the pointer into its screenshots must not find it
    // over the box: hidden from the click until the frame's answer, or until
    // the wait for it runs out.
    void clickHidesThePointerUntilTheFrameAnswers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("overlayShown");
        QTest::newRow("frame given") << "give" << true;
        QTest::newRow("frame refused") << "refuse" << false;
        QTest::newRow("no answer") << "none" << false;
    }
    void clickHidesThePointerUntilTheFrameAnswers() {
        QFETCH(QString, answer);
        QFETCH(bool, overlayShown);
        desktop.access = ScreenAccess::ClickFrame;
        QVERIFY(open());
        form->eyedropper->setFrameWaitLimit(std::chrono::milliseconds(20));
        PressEyedropper(*form);
        ReleaseEyedropper(*form);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
        // A second click before the answer hides it no deeper.
        PressEyedropper(*form);
        ReleaseEyedropper(*form);
        QCOMPARE(desktop.frameRequests.size(), std::size_t(2));
        if (answer == "none") {
            QTRY_COMPARE(QApplication::overrideCursor(), nullptr);
            desktop.frameRequests.clear();
            return;
        }
        desktop.frameRequests.pop_front();
        answer == "give" ? desktop.giveFrame() : desktop.refuseFrame();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        FrameOverlay* overlay = OnlyOverlay(*form);
        QCOMPARE(overlay != nullptr, overlayShown);
        if (overlay != nullptr) {
            QCOMPARE(overlay->cursor().hotSpot(), QPoint(13, 13));
            QTest::keyClick(overlay, Qt::Key_Escape);
        } else {
            desktop.answerPick(std::nullopt);
        }
        // The wait running out later leaves the pointer stack alone.
        QTest::qWait(40);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The desktop's question whether we may take a screenshot takes the
    // pointer while the button is held: the drag ends, and the next one works.
    void questionDuringTheDragLeavesNothingBehind() {
        desktop.access = ScreenAccess::DragFrame;
        desktop.screenPixels = UniformScreen(Qt::yellow);
        QVERIFY(open());
        PressEyedropper(*form);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(101).toImage());
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        // Allowed: the frame comes after all, frozen over the screen.
        desktop.giveFrame();
        FrameOverlay* overlay = OnlyOverlay(*form);
        QVERIFY(overlay != nullptr);
        QTest::keyClick(overlay, Qt::Key_Escape);
        PressEyedropper(*form);
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        QCOMPARE(desktop.frameRequests.size(), std::size_t(1));
        desktop.giveFrame();
        form->tmrScreencolor_Timer();
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 255, 0));
        ReleaseEyedropper(*form);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A question the desktop shows by itself (GNOME) takes the pointer
    // without a word to our windows, which keep the button held: a drag whose
    // frame is long in coming lets go, and the frame, once allowed, opens for
    // a click; the release handed over late, when the pointer comes back to
    // us, changes nothing.
    void dragLongWaitingForItsFrameLetsGo() {
        desktop.access = ScreenAccess::DragFrame;
        desktop.screenPixels = UniformScreen(Qt::yellow);
        QVERIFY(open());
        form->eyedropper->setFrameWaitLimit(std::chrono::milliseconds(300));
        PressEyedropper(*form);
        form->tmrScreencolor_Timer();
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!form->eyedropper->tmrScreencolor()->isActive(), 5000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(form->picScreencolor->picture().toImage(), IconResource(101).toImage());
        QCOMPARE(RgbTexts(*form), RgbTexts(51, 51, 51));
        desktop.giveFrame();
        ReleaseEyedropper(*form);
        FrameOverlay* overlay = OnlyOverlay(*form);
        QVERIFY(overlay != nullptr);
        QTest::mousePress(overlay->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseRelease(overlay->windowHandle(), Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(form->eyedropper->frameOverlays().empty());
        QCOMPARE(RgbTexts(*form), RgbTexts(255, 255, 0));
    }

    // On X11 the application goes inactive during a drag only when the user
    // switched windows by keyboard: the drag goes on as it always did.
    void liveDragOutlastsAnInactiveApplication() {
        QVERIFY(open());
        PressEyedropper(*form);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(form->eyedropper->tmrScreencolor()->isActive());
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        ReleaseEyedropper(*form);
    }

    // Every way of picking hands each new colour back, and then says once
    // how the pick ended: kept, or given up with the colour it began from.
    void pickEndsAfterItsColours_data() {
        QTest::addColumn<ScreenAccess>("access");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QStringList>("heard");
        const QStringList redThenGreen = {"sampled #ff0000", "sampled #00ff00"};
        QTest::newRow("drag on the live screen")
            << ScreenAccess::Live << "release" << redThenGreen + QStringList{"finished"};
        QTest::newRow("drag on a frame")
            << ScreenAccess::DragFrame << "release" << redThenGreen + QStringList{"finished"};
        QTest::newRow("click on the frozen frame")
            << ScreenAccess::ClickFrame << "click" << redThenGreen + QStringList{"finished"};
        QTest::newRow("Escape on the frozen frame")
            << ScreenAccess::ClickFrame << "escape"
            << redThenGreen + QStringList{"sampled #333333", "cancelled"};
        QTest::newRow("desktop's picker")
            << ScreenAccess::PickOnly << "pick" << QStringList{"sampled #010203", "finished"};
        QTest::newRow("desktop's picker given up")
            << ScreenAccess::PickOnly << "give up" << QStringList{"cancelled"};
    }
    void pickEndsAfterItsColours() {
        QFETCH(ScreenAccess, access);
        QFETCH(QString, ending);
        QFETCH(QStringList, heard);
        desktop.access = access;
        for (const QPoint red : {QPoint(500, 400), QPoint(501, 400)}) {
            desktop.screenPixels.setPixelColor(red, Qt::red);
        }
        desktop.screenPixels.setPixelColor(600, 400, Qt::green);
        QVERIFY(open());
        PickListener listener(*form->eyedropper);
        // Red twice, which is handed back once, then green.
        const std::array<QPoint, 3> path = {QPoint(500, 400), QPoint(501, 400), QPoint(600, 400)};
        if (access == ScreenAccess::PickOnly) {
            PressEyedropper(*form);
            ReleaseEyedropper(*form);
            desktop.answerPick(ending == "pick" ? std::optional(PackColor(1, 2, 3)) : std::nullopt);
        } else if (access == ScreenAccess::ClickFrame) {
            QCursor::setPos(path.front());
            FrameOverlay* overlay = OpenOverlay(*form, desktop);
            QVERIFY(overlay != nullptr);
            for (const QPoint at : path) {
                QTest::mouseMove(overlay->windowHandle(), at);
            }
            if (ending == "click") {
                QTest::mousePress(overlay->windowHandle(), Qt::LeftButton, {}, path.back());
                QTest::mouseRelease(overlay->windowHandle(), Qt::LeftButton, {}, path.back());
            } else {
                QTest::keyClick(overlay, Qt::Key_Escape);
            }
        } else {
            PressEyedropper(*form);
            if (access == ScreenAccess::DragFrame) {
                desktop.giveFrame();
            }
            for (const QPoint at : path) {
                desktop.pointer = at;
                form->tmrScreencolor_Timer();
            }
            ReleaseEyedropper(*form);
        }
        QCOMPARE(listener.heard, heard);
    }
};

QTEST_MAIN(TestEyedropper)
#include "test_eyedropper.moc"
