// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The arrow buttons on the real main window: the popup value picker (opening,
// picking, closing), the web-safe value menu, and the focus forwards of the
// channel editors.
#include "app_style.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

QPointF Centre(const QWidget* widget) {
    return QRectF(widget->rect()).center();
}

QPointF Column(float x) {
    return QPointF(x, 7);
}

// Where the pointer goes on the open menu: a point of `item` a few pixels
// from where the menu opened, or the middle of the item.
QPoint PointOn(const QMenu* menu, QAction* item, bool small) {
    const QRect geometry = menu->actionGeometry(item);
    return small ? geometry.topLeft() + QPoint(2, 2) : geometry.center();
}

// The captions of the menu's items and the items that carry a check mark.
QString Captions(const frmMain& form) {
    QStringList captions;
    for (const QAction* item : form.WSValues) {
        captions << item->text() + (item->isChecked() ? "*" : "");
    }
    return captions.join(' ');
}

} // namespace

class TestValuePickerWindow : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    frmPicker& picker() { return form->Picker(); }
    void openPicker(int index, QPoint pointer) {
        desktop.pointer = pointer;
        Press(form->cmdValpick[index], Centre(form->cmdValpick[index]));
    }
    // Opens the web-safe menu by the right button; while it is open, runs
    // `inside` on it. Returns whether a menu opened.
    bool openMenu(int index, const std::function<void(QMenu*)>& inside) {
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            opened = menu != nullptr;
            if (menu != nullptr) {
                inside(menu);
                if (menu->isVisible()) {
                    menu->close();
                }
            }
        });
        Press(form->cmdValpick[index], Centre(form->cmdValpick[index]), Qt::RightButton);
        QCoreApplication::processEvents();
        return opened;
    }
    // Opens the menu the way a person does: the pointer rests on the arrow,
    // where the desktop reports it, and the right button goes down; Qt
    // measures the pointer's moves from there.
    bool openMenuFromTheArrow(int index, const std::function<void(QMenu*)>& inside) {
        QWidget* arrow = form->cmdValpick[index];
        const QPoint centre = Centre(arrow).toPoint();
        QTest::mouseMove(arrow, centre);
        desktop.pointer = arrow->mapToGlobal(centre);
        return openMenu(index, [&](QMenu* menu) {
            QCOMPARE(menu->pos(), desktop.pointer);
            inside(menu);
        });
    }
    // The compositor places the windows, and the main window opens afresh on
    // that desktop; placeKnown: whether Qt learns where the compositor showed
    // the strip.
    void placedByCompositor(bool placeKnown) {
        desktop.windowsPlaced = false;
        desktop.popupPlaceKnown = placeKnown;
        form.reset();
        form = OpenMainWindow(desktop);
        QVERIFY(form);
    }
    // Wayland as the program meets it: the compositor places the windows and
    // refuses to move the pointer.
    void onWayland(bool placeKnown) {
        desktop.pointerMoveFails = true;
        placedByCompositor(placeKnown);
    }
    // Moves through `window` to each column in turn, the strip's column 0
    // lying at `origin` in that window, and reads the red box after each.
    void dragAlong(QWindow* window, QPointF origin, const QList<int>& columns,
                   const QStringList& texts) {
        for (qsizetype k = 0; k < columns.size(); ++k) {
            MoveThrough(window, origin + QPointF(columns[k], 0));
            QCOMPARE(form->txtValue[0]->text(), texts[k]);
        }
    }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop = FakeDesktop();
        form = OpenMainWindow(desktop);
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void opensUnderTheSwatchWithTheMarkerUnderThePointer() {
        SetColour(*form, 0, 51, 51);
        desktop.topmostCalls.clear();
        openPicker(0, QPoint(500, 300));
        QCOMPARE(form->PickerChannel, 0);
        QCOMPARE(form->PickerMaxValue, int16_t(255));
        QVERIFY(picker().isVisible());
        QCOMPARE(picker().size(), QSize(256, 15));
        QCOMPARE(picker().ChoosingLine().X1, 0.0f);
        QCOMPARE(picker().ChoosingLine().Y2, 15.0f);
        // Red 0 puts the strip's left edge at the pointer's column.
        const QPoint swatch = form->picColor->mapToGlobal(QPoint(0, 0));
        QCOMPARE(picker().pos(), QPoint(500, swatch.y() + form->picColor->height()));
        QVERIFY(desktop.pointerMoves.empty());
        // The main window gives up the topmost state, then the picker takes it and the capture.
        QCOMPARE(desktop.topmostCalls.size(), std::size_t(2));
        QCOMPARE(desktop.topmostCalls[0].first, form.get());
        QCOMPARE(desktop.topmostCalls[0].second, false);
        QCOMPARE(desktop.topmostCalls[1].first, &picker());
        QCOMPARE(desktop.topmostCalls[1].second, true);
        QCOMPARE(desktop.captured, &picker());
    }

    void opensUnderTheSwatchFromTheLuminanceArrowToo() {
        openPicker(5, QPoint(400, 200));
        const QPoint swatch = form->picColor->mapToGlobal(QPoint(0, 0));
        QCOMPARE(picker().y(), swatch.y() + form->picColor->height());
        QCOMPARE(form->PickerMaxValue, int16_t(240));
    }

    void markerStartsInTheWebSafeSwatchsContrast() {
        // Green 217 sums to 128.03 and is light; its web-safe neighbour 204 is dark.
        SetColour(*form, 0, 217, 0);
        QCOMPARE(picker().ChoosingLine().BorderColor, kBlack);
        openPicker(2, QPoint(300, 300));
        QCOMPARE(picker().ChoosingLine().BorderColor, kWhite);
    }

    void markerStartsAtTheBoxsValue_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("x");
        QTest::newRow("red 255 on the last column") << 0 << false << "255" << 255.0f;
        QTest::newRow("hue 120 at 128") << 3 << false << "120" << 128.0f;
        QTest::newRow("green CC on its own column") << 1 << true << "CC" << 204.0f;
        QTest::newRow("empty text at 0") << 2 << false << "" << 0.0f;
        QTest::newRow("hue 250 right of the strip") << 3 << false << "250" << 266.0f;
    }
    void markerStartsAtTheBoxsValue() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(QString, text);
        QFETCH(float, x);
        SetMode(form->chkShowHexvalues, hex);
        form->txtValue[index]->setText(text);
        openPicker(index, QPoint(600, 300));
        QCOMPARE(picker().ChoosingLine().X1, x);
        QCOMPARE(picker().ChoosingLine().X2, x);
    }

    void keptOnTheScreenByMovingThePointer_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("movedTo");
        // Red 255 is on column 255: the strip would start 205 px off screen.
        QTest::newRow("left edge") << 255 << 50 << 0 << 255;
        // Red 10 is on column 10: the strip would end 222 px past 1024.
        QTest::newRow("right edge") << 10 << 1000 << 768 << 778;
    }
    void keptOnTheScreenByMovingThePointer() {
        QFETCH(int, red);
        QFETCH(int, pointerX);
        QFETCH(int, left);
        QFETCH(int, movedTo);
        SetColour(*form, red, 0, 0);
        openPicker(0, QPoint(pointerX, 333));
        QCOMPARE(picker().x(), left);
        QCOMPARE(desktop.pointerMoves, std::vector<QPoint>{QPoint(movedTo, 333)});
    }

    // Pressing on an arrow and moving back to the pointer's column, wherever
    // the strip had to open, leaves the box as it was.
    void movingBackToThePressColumnKeepsTheValue_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointerX");
        QTest::newRow("red 204") << 0 << false << "204" << 500;
        QTest::newRow("green 128") << 1 << false << "128" << 500;
        QTest::newRow("blue CC in hex") << 2 << true << "CC" << 500;
        QTest::newRow("hue 18") << 3 << false << "18" << 500;
        QTest::newRow("red 0 at the right edge") << 0 << false << "0" << 1020;
        QTest::newRow("hue 100 at the right edge") << 3 << false << "100" << 1010;
        QTest::newRow("red 255 at the left edge") << 0 << false << "255" << 30;
        QTest::newRow("luminance 239 at the left edge") << 5 << false << "239" << 3;
    }
    void movingBackToThePressColumnKeepsTheValue() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(QString, text);
        QFETCH(int, pointerX);
        SetMode(form->chkShowHexvalues, hex);
        form->txtValue[index]->setText(text);
        openPicker(index, QPoint(pointerX, 300));
        const int pointer = desktop.pointerMoves.empty() ? pointerX : desktop.pointerMoves[0].x();
        const QPointF column(pointer - picker().mapToGlobal(QPoint(0, 0)).x(), 8);
        Move(&picker(), column);
        QCOMPARE(form->txtValue[index]->text(), text);
        QCOMPARE(picker().ChoosingLine().X1, float(column.x()));
    }

    // Where the desktop will not move the pointer, it stays beside the marker
    // of the strip pushed back on the screen; the value waits until the
    // pointer reaches the marker, then follows it.
    void pointerLeftBesideTheMarkerWhenItCannotMove_data() {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("ignored");
        QTest::addColumn<QStringList>("texts");
        // Red 10 at x 1000: the strip ends at 1024 and its marker is 222 px left of the pointer.
        QTest::newRow("moved") << false << false << QStringList{"232", "9"};
        QTest::newRow("refused") << true << false << QStringList{"10", "9"};
        QTest::newRow("reported moved but left") << false << true << QStringList{"10", "9"};
    }
    void pointerLeftBesideTheMarkerWhenItCannotMove() {
        QFETCH(bool, refused);
        QFETCH(bool, ignored);
        QFETCH(QStringList, texts);
        desktop.pointerMoveFails = refused;
        desktop.pointerMoveIgnored = ignored;
        SetColour(*form, 10, 0, 0);
        openPicker(0, QPoint(1000, 333));
        QCOMPARE(picker().x(), 768);
        Move(&picker(), Column(232));
        QCOMPARE(form->txtValue[0]->text(), texts[0]);
        Move(&picker(), Column(9));
        QCOMPARE(form->txtValue[0]->text(), texts[1]);
        QCOMPARE(picker().ChoosingLine().X1, 9.0f);
    }

    // Where Qt does not know where the compositor showed the strip, moves
    // through the main window follow Qt's idea of its place; the first move
    // on the strip's own window, 40 columns off, makes the marker wait there.
    void movesOnTheStripsOwnWindowDoNotJump() {
        placedByCompositor(false);
        openPicker(0, QPoint(500, 300));
        QWindow* main = form->windowHandle();
        const QPoint strip = form->mapFromGlobal(picker().mapToGlobal(QPoint(0, 7)));
        MoveThrough(main, strip + QPointF(60, 0));
        QCOMPARE(form->txtValue[0]->text(), QString("60"));
        MoveThrough(picker().windowHandle(), Column(20));
        QCOMPARE(form->txtValue[0]->text(), QString("60"));
        MoveThrough(picker().windowHandle(), Column(59));
        QCOMPARE(form->txtValue[0]->text(), QString("60"));
        MoveThrough(picker().windowHandle(), Column(62));
        QCOMPARE(form->txtValue[0]->text(), QString("62"));
        QCOMPARE(picker().ChoosingLine().X1, 62.0f);
    }

    // The pointer over the marker as the strip opens, by Qt's idea of the
    // strip's place, and the first move lands straight on the strip's own
    // window 7 columns left (GNOME hands it the pointer). Where that idea may
    // be off by a move of the compositor's, the marker waits for the pointer.
    void firstMoveStraightOntoTheStrip_data() {
        QTest::addColumn<bool>("placeKnown");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("place known: follows at once") << true << QStringList{"93", "100", "104"};
        QTest::newRow("place unsure: waits") << false << QStringList{"100", "100", "104"};
    }
    void firstMoveStraightOntoTheStrip() {
        QFETCH(bool, placeKnown);
        QFETCH(QStringList, texts);
        onWayland(placeKnown);
        SetColour(*form, 100, 0, 0);
        // Where the narrow window's strip opens either way: flush with its right edge.
        const int pointerX = form->mapToGlobal(QPoint(form->width() - 256 + 100, 0)).x();
        openPicker(0, QPoint(pointerX, 333));
        QCOMPARE(picker().x(), pointerX - 100);
        dragAlong(picker().windowHandle(), Column(0), {93, 100, 104}, texts);
    }

    // GNOME hands the strip's own window the pointer while over it: a move
    // through the main window level with the strip lies off its end, and
    // back on the strip the marker follows on.
    void offTheEndOfTheStripAndBack() {
        onWayland(false);
        form->cmdShowWebFeatures->click();
        SetColour(*form, 250, 0, 0);
        openPicker(0, QPoint(form->mapToGlobal(QPoint(300, 0)).x(), 333));
        QCOMPARE(picker().x(), form->mapToGlobal(QPoint(50, 0)).x());
        const QPoint strip = form->mapFromGlobal(picker().mapToGlobal(QPoint(0, 7)));
        dragAlong(picker().windowHandle(), Column(0), {250, 253}, {"250", "253"});
        dragAlong(form->windowHandle(), strip, {259}, {"255"});
        dragAlong(picker().windowHandle(), Column(0), {252, 240}, {"252", "240"});
    }

    // Moves on the strip's own window pick with the left button alone: a
    // move with no button comes after a release the program did not see,
    // and must not change the colour.
    void onlyTheLeftButtonAlonePicksOnItsOwnWindow_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<QString>("value");
        QTest::newRow("no button") << int(Qt::NoButton) << "60";
        QTest::newRow("left") << int(Qt::LeftButton) << "62";
        QTest::newRow("right") << int(Qt::RightButton) << "60";
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << "60";
    }
    void onlyTheLeftButtonAlonePicksOnItsOwnWindow() {
        QFETCH(int, held);
        QFETCH(QString, value);
        placedByCompositor(true);
        openPicker(0, QPoint(500, 300));
        MoveThrough(picker().windowHandle(), Column(60));
        QCOMPARE(form->txtValue[0]->text(), QString("60"));
        MoveThrough(picker().windowHandle(), Column(62), Qt::MouseButtons(held));
        QCOMPARE(form->txtValue[0]->text(), value);
    }

    // Where the compositor places the windows the whole drag comes through
    // the main window: the value follows the column under the pointer
    // wherever it is, and the release ends the drag wherever it happens,
    // after which moves with no button change nothing.
    void dragThroughTheMainWindowOnWayland_data() {
        QTest::addColumn<QPointF>("away");  // from the strip's column 0, row 7
        QTest::addColumn<QString>("value"); // the value there
        QTest::newRow("on the strip") << QPointF(60, 0) << "60";
        QTest::newRow("below the main window") << QPointF(140, 400) << "140";
        QTest::newRow("right of the main window") << QPointF(600, -100) << "255";
        QTest::newRow("left of the screen's origin") << QPointF(-900, 0) << "0";
    }
    void dragThroughTheMainWindowOnWayland() {
        QFETCH(QPointF, away);
        QFETCH(QString, value);
        onWayland(true);
        SetColour(*form, 100, 0, 0);
        openPicker(0, form->mapToGlobal(QPoint(form->width() - 156, 0)) + QPoint(0, 333));
        QWindow* main = form->windowHandle();
        const QPointF strip = form->mapFromGlobal(picker().mapToGlobal(QPoint(0, 7)));
        dragAlong(main, strip, {30}, {"30"});
        MoveThrough(main, strip + away);
        QCOMPARE(form->txtValue[0]->text(), value);
        ReleaseThrough(main, strip + away);
        QCOMPARE(form->PickerChannel, 7);
        QTRY_VERIFY(!form->pickerExists());
        QVERIFY(desktop.topmost(form.get()));
        for (const Qt::MouseButtons held : {Qt::NoButton, Qt::LeftButton}) {
            MoveThrough(main, strip + QPointF(200, 0), held);
            QCOMPARE(form->txtValue[0]->text(), value);
        }
    }

    // Where Qt would not learn of the compositor's move, the strip stays
    // within the main window's own columns, which are on the screen already;
    // the narrow window, 12 px narrower than the strip, keeps the strip's
    // right edge. The pointer cannot be moved there: the value waits beside
    // the marker until the pointer reaches it.
    void keptWithinTheMainWindowWhereTheMoveWouldBeUnseen_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("red");
        // Both from the window's left edge, or from its right edge if negative.
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<int>("stripLeft");
        QTest::addColumn<QList<int>>("columns"); // on the strip, moved to in turn
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("narrow, red 255 at the left edge")
            << false << 255 << 10 << -256 << QList<int>{30, 260, 250}
            << QStringList{"255", "255", "250"};
        QTest::newRow("narrow, red 0 at the right edge")
            << false << 0 << -10 << -256 << QList<int>{240, -5, 3} << QStringList{"0", "0", "3"};
        QTest::newRow("wide, red 255 at the left edge")
            << true << 255 << 10 << 0 << QList<int>{30, 260, 250}
            << QStringList{"255", "255", "250"};
        QTest::newRow("wide, red 100 with room on both sides")
            << true << 100 << 150 << 50 << QList<int>{105} << QStringList{"105"};
    }
    void keptWithinTheMainWindowWhereTheMoveWouldBeUnseen() {
        QFETCH(bool, wide);
        QFETCH(int, red);
        QFETCH(int, pointerX);
        QFETCH(int, stripLeft);
        QFETCH(QList<int>, columns);
        QFETCH(QStringList, texts);
        onWayland(false);
        if (wide) {
            form->cmdShowWebFeatures->click();
        }
        SetColour(*form, red, 0, 0);
        const int window = form->mapToGlobal(QPoint(0, 0)).x();
        const auto fromWindow = [&](int x) { return window + (x < 0 ? form->width() + x : x); };
        openPicker(0, QPoint(fromWindow(pointerX), 333));
        QCOMPARE(picker().x(), fromWindow(stripLeft));
        dragAlong(form->windowHandle(), form->mapFromGlobal(picker().mapToGlobal(QPoint(0, 7))),
                  columns, texts);
    }

    // On Wayland the strip's place is relative to the main window and the
    // compositor keeps it on the screen: the program pushes nothing back and
    // moves no pointer, which Wayland would refuse anyway.
    void leftToTheCompositorWhereItPlacesTheWindows() {
        placedByCompositor(true);
        SetColour(*form, 255, 0, 0);
        openPicker(0, QPoint(50, 40));
        QCOMPARE(picker().x(), 50 - 255);
        QVERIFY(desktop.pointerMoves.empty());
    }

    void drawsTheChannelsGradient_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<PackedColor>>("colours");
        const QList<int> columns{0, 1, 128, 255};
        QTest::newRow("unlinked red")
            << 0 << false << false << columns
            << QList<PackedColor>{kBlack, PackColor(1, 0, 0), PackColor(128, 0, 0),
                                  PackColor(254, 0, 0)};
        QTest::newRow("linked blue keeps red and green")
            << 2 << true << false << columns
            << QList<PackedColor>{PackColor(10, 200, 0), PackColor(10, 200, 1),
                                  PackColor(10, 200, 128), PackColor(10, 200, 254)};
        QTest::newRow("unlinked hue")
            << 3 << false << false << QList<int>{0, 64, 128}
            << QList<PackedColor>{PackColor(255, 0, 0), HSLToRGB({60, 240, 120}),
                                  PackColor(0, 255, 255)};
        QTest::newRow("web-safe red")
            << 0 << false << true << QList<int>{0, 25, 26, 255}
            << QList<PackedColor>{kBlack, kBlack, PackColor(51, 0, 0), PackColor(255, 0, 0)};
    }
    void drawsTheChannelsGradient() {
        QFETCH(int, index);
        QFETCH(bool, linked);
        QFETCH(bool, webSafe);
        QFETCH(QList<int>, columns);
        QFETCH(QList<PackedColor>, colours);
        SetMode(form->chkLinkChannels, linked);
        SetColour(*form, 10, 200, 30);
        SetMode(form->chkWebSafe, webSafe);
        openPicker(index, QPoint(500, 300));
        for (int k = 0; k < columns.size(); ++k) {
            QCOMPARE(PixelOf(picker().image(), columns[k], 0), colours[k]);
            QCOMPARE(PixelOf(picker().image(), columns[k], 14), colours[k]);
        }
    }

    void dragWritesTheValueUnderTheMarker_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<float>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("hue column 128: 120.47") << 3 << false << false << 128.0f << "120";
        QTest::newRow("green column 200 in hex") << 1 << true << false << 200.0f << "C8";
        QTest::newRow("red at the last column") << 0 << false << false << 255.0f << "255";
        QTest::newRow("red far right of the strip") << 0 << false << false << 4000.0f << "255";
        QTest::newRow("blue far left of the strip") << 2 << false << false << -900.0f << "0";
        QTest::newRow("web-safe red: 120 snaps to 102") << 0 << false << true << 120.0f << "102";
        QTest::newRow("web-safe hex green: 180 to CC") << 1 << true << true << 180.0f << "CC";
        QTest::newRow("web-safe leaves saturation") << 4 << false << true << 120.0f << "112";
        QTest::newRow("half a column rounds to even") << 0 << false << false << 10.5f << "10";
    }
    void dragWritesTheValueUnderTheMarker() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(bool, webSafe);
        QFETCH(float, x);
        QFETCH(QString, text);
        SetMode(form->chkShowHexvalues, hex);
        SetMode(form->chkWebSafe, webSafe);
        openPicker(index, QPoint(600, 300));
        Move(&picker(), Column(x));
        QCOMPARE(form->txtValue[index]->text(), text);
        const float column = std::clamp(std::nearbyint(x), 0.0f, 255.0f);
        QCOMPARE(picker().ChoosingLine().X1, column);
    }

    void dragChangesTheColourLive() {
        SetColour(*form, 255, 0, 0);
        openPicker(1, QPoint(600, 300));
        Move(&picker(), Column(51));
        QCOMPARE(form->CurRGB.green, int16_t(51));
        QCOMPARE(form->picColor->backColor(), PackColor(255, 51, 0));
        QCOMPARE(form->txtValue[6]->text(), QString("#ff3300"));
        Move(&picker(), Column(100));
        QCOMPARE(form->picColor->backColor(), PackColor(255, 100, 0));
        // Linked, the marker contrasts with the light orange; unlinked, with
        // the dark green the picker shows under it.
        QCOMPARE(picker().ChoosingLine().BorderColor, kBlack);
        SetMode(form->chkLinkChannels, false);
        QCOMPARE(picker().ChoosingLine().BorderColor, kWhite);
        Move(&picker(), Column(250));
        QCOMPARE(picker().ChoosingLine().BorderColor, kBlack);
    }

    // A move that writes the text the box already holds still recolours the
    // marker, which opened in the web-safe swatch's contrast.
    void markerFollowsAMoveThatKeepsTheText_data() {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<int>("grey");
        QTest::addColumn<float>("x");
        QTest::addColumn<PackedColor>("marker");
        QTest::newRow("linked 128 at column 128") << true << 128 << 128.0f << kWhite;
        QTest::newRow("unlinked 255 past the right end") << false << 255 << 400.0f << kWhite;
    }
    void markerFollowsAMoveThatKeepsTheText() {
        QFETCH(bool, linked);
        QFETCH(int, grey);
        QFETCH(float, x);
        QFETCH(PackedColor, marker);
        SetMode(form->chkLinkChannels, linked);
        SetColour(*form, grey, grey, grey);
        openPicker(0, QPoint(600, 300));
        const QString before = form->txtValue[0]->text();
        Move(&picker(), Column(x));
        QCOMPARE(form->txtValue[0]->text(), before);
        QCOMPARE(picker().ChoosingLine().BorderColor, marker);
    }

    void onlyTheLeftButtonAlonePicks() {
        openPicker(0, QPoint(600, 300));
        Move(&picker(), Column(100), Qt::LeftButton | Qt::RightButton);
        Move(&picker(), Column(100), Qt::RightButton);
        QCOMPARE(form->txtValue[0]->text(), QString("51"));
        // A press on the strip takes the capture back and picks at once.
        desktop.captured = nullptr;
        Press(&picker(), Column(100));
        QCOMPARE(desktop.captured, &picker());
        QCOMPARE(form->txtValue[0]->text(), QString("100"));
    }

    void releaseOnThePickerEndsTheDragLikeTheArrowsRelease() {
        openPicker(4, QPoint(600, 300));
        Move(&picker(), Column(17));
        QVERIFY(form->cmdValpick[4]->isDown());
        desktop.topmostCalls.clear();
        Release(&picker(), Column(17));
        QCOMPARE(form->PickerChannel, 7);
        QTRY_VERIFY(!form->pickerExists());
        QVERIFY(desktop.topmost(form.get()));
        QCOMPARE(form->focusWidget(), form->txtValue[4]);
        QCOMPARE(form->txtValue[4]->selectedText(), QString("16"));
        QVERIFY(!form->cmdValpick[4]->isDown());
    }

    void aPressOutsideTheStripPicksInsteadOfClosingIt() {
        openPicker(1, QPoint(600, 300));
        Press(&picker(), QPointF(-40, 60));
        QVERIFY(picker().isVisible());
        QCOMPARE(form->txtValue[1]->text(), QString("0"));
        Move(&picker(), QPointF(300, -20));
        QCOMPARE(form->txtValue[1]->text(), QString("255"));
    }

    // The strip holds the keyboard where it is a popup; where the compositor
    // places the windows the keys stay with the main window.
    void escapeEndsTheDragKeepingTheValue_data() {
        QTest::addColumn<bool>("wayland");
        QTest::newRow("popup") << false;
        QTest::newRow("Wayland") << true;
    }
    void escapeEndsTheDragKeepingTheValue() {
        QFETCH(bool, wayland);
        if (wayland) {
            onWayland(true);
        }
        openPicker(4, QPoint(600, 300));
        Move(&picker(), Column(17));
        desktop.topmostCalls.clear();
        if (wayland) {
            QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
        } else {
            QTest::keyClick(&picker(), Qt::Key_Escape);
        }
        QTRY_VERIFY(!form->pickerExists());
        QCOMPARE(form->txtValue[4]->text(), QString("16"));
        QCOMPARE(form->PickerChannel, 7);
        QVERIFY(desktop.topmost(form.get()));
        QVERIFY(!form->cmdValpick[4]->isDown());
    }

    void releaseOnTheArrowKeepsTheChannel() {
        openPicker(2, QPoint(600, 300));
        desktop.topmostCalls.clear();
        Release(form->cmdValpick[2], Centre(form->cmdValpick[2]));
        QCOMPARE(form->PickerChannel, 2);
        QTRY_VERIFY(!form->pickerExists());
        QVERIFY(desktop.topmost(form.get()));
        QCOMPARE(form->focusWidget(), form->txtValue[2]);
    }

    void theNextRefreshCreatesTheClosedPickerHidden() {
        openPicker(0, QPoint(600, 300));
        Release(&picker(), Column(0));
        QTRY_VERIFY(!form->pickerExists());
        form->txtValue[1]->setText("9");
        QVERIFY(form->pickerExists());
        QVERIFY(!picker().isVisible());
        QCOMPARE(picker().size(), QSize(256, 15));
        QCOMPARE(picker().ChoosingLine().X1, 0.0f);
        // Channel 7: the marker takes the contrast of the current colour.
        QCOMPARE(picker().ChoosingLine().BorderColor, kWhite);
    }

    void menuListsTheSixValuesWithTheCurrentChecked_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("captions");
        QTest::newRow("red 102") << 0 << false << 102 << 0 << 0 << "&0 &51 &102* &153 &204 &255";
        QTest::newRow("red 100: none checked")
            << 0 << false << 100 << 0 << 0 << "&0 &51 &102 &153 &204 &255";
        QTest::newRow("green 255 in hex")
            << 1 << true << 0 << 255 << 0 << "&00 &33 &66 &99 &CC &FF*";
        QTest::newRow("blue 153 whatever red and green")
            << 2 << false << 7 << 250 << 153 << "&0 &51 &102 &153* &204 &255";
    }
    void menuListsTheSixValuesWithTheCurrentChecked() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(QString, captions);
        SetMode(form->chkShowHexvalues, hex);
        SetColour(*form, r, g, b);
        desktop.pointer = QPoint(120, 90);
        QString seen;
        QPoint shownAt;
        QVERIFY(openMenu(index, [&](QMenu* menu) {
            seen = Captions(*form);
            shownAt = menu->pos();
        }));
        QCOMPARE(seen, captions);
        QCOMPARE(form->WSMnuTag, QString::number(index));
        QCOMPARE(shownAt, QPoint(120, 90));
    }

    // The item lies a few pixels from where the menu opened (closer than Qt's
    // drag distance and with fewer than its count of moves) or far from it.
    void choosingAnItemWritesItsValue_data() {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("small");
        QTest::addColumn<QString>("text");
        QTest::newRow("small move, left button") << false << Qt::LeftButton << 0 << true << "0";
        QTest::newRow("small move, right button, hex")
            << true << Qt::RightButton << 0 << true << "00";
        QTest::newRow("long move, left button") << false << Qt::LeftButton << 4 << false << "204";
        QTest::newRow("long move, right button, hex")
            << true << Qt::RightButton << 4 << false << "CC";
    }
    void choosingAnItemWritesItsValue() {
        QFETCH(bool, hex);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, item);
        QFETCH(bool, small);
        QFETCH(QString, text);
        SetMode(form->chkShowHexvalues, hex);
        SetColour(*form, 0, 255, 0);
        QVERIFY(openMenuFromTheArrow(1, [&](QMenu* menu) {
            // The opening press is released where it happened.
            Release(menu, QPointF(0, 0), Qt::RightButton);
            const QPoint to = PointOn(menu, form->WSValues[item], small);
            if (small) {
                QVERIFY(to.manhattanLength() < QApplication::startDragDistance());
            }
            MoveByHand(menu, to, Qt::NoButton);
            Press(menu, to, button);
            Release(menu, to, button);
        }));
        QCOMPARE(form->txtValue[1]->text(), text);
        QCOMPARE(form->CurRGB.green, int16_t(item * 51));
    }

    // The opening press still held: a shaking hand chooses nothing, a drag
    // onto an item chooses it where the button comes up.
    void releasingTheOpeningPress_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("small");
        QTest::addColumn<QString>("text");
        QTest::newRow("shake onto 0") << 0 << true << "255";
        QTest::newRow("drag onto 204") << 4 << false << "204";
    }
    void releasingTheOpeningPress() {
        QFETCH(int, item);
        QFETCH(bool, small);
        QFETCH(QString, text);
        SetColour(*form, 0, 255, 0);
        bool stillOpen = false;
        QVERIFY(openMenuFromTheArrow(1, [&](QMenu* menu) {
            const QPoint to = PointOn(menu, form->WSValues[item], small);
            MoveByHand(menu, to, Qt::RightButton);
            Release(menu, to, Qt::RightButton);
            stillOpen = menu->isVisible();
        }));
        QCOMPARE(form->txtValue[1]->text(), text);
        QCOMPARE(stillOpen, text == "255");
    }

    // The second click of a double click on the arrow lands where the menu
    // opened, on no item the pointer went to: it chooses nothing.
    void clickWhereTheMenuOpenedChoosesNothing() {
        SetColour(*form, 0, 255, 0);
        QVERIFY(openMenuFromTheArrow(1, [&](QMenu* menu) {
            Release(menu, QPointF(0, 0), Qt::RightButton);
            Press(menu, QPointF(0, 0), Qt::RightButton);
            Release(menu, QPointF(0, 0), Qt::RightButton);
        }));
        QCOMPARE(form->txtValue[1]->text(), QString("255"));
    }

    void accessKeysChooseItems_data() {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("F in hex") << true << QList<int>{Qt::Key_F} << "FF";
        QTest::newRow("5 in decimal") << false << QList<int>{Qt::Key_5} << "51";
        // 1 is shared by 102 and 153: it moves between them, Return chooses.
        QTest::newRow("shared 1 twice")
            << false << QList<int>{Qt::Key_1, Qt::Key_1, Qt::Key_Return} << "153";
    }
    void accessKeysChooseItems() {
        QFETCH(bool, hex);
        QFETCH(QList<int>, keys);
        QFETCH(QString, text);
        SetMode(form->chkShowHexvalues, hex);
        QVERIFY(openMenu(0, [&](QMenu* menu) {
            for (int key : keys) {
                QTest::keyClick(menu, Qt::Key(key));
            }
        }));
        QCOMPARE(form->txtValue[0]->text(), text);
    }

    void closingTheMenuChangesNothing() {
        QVERIFY(openMenu(2, [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); }));
        QCOMPARE(form->txtValue[2]->text(), QString("51"));
        QCOMPARE(form->CurRGB.blue, int16_t(51));
    }

    void hslArrowsHaveNoMenu() {
        for (int index : {3, 4, 5}) {
            QVERIFY(!openMenu(index, [](QMenu*) {}));
        }
    }

    void theRightReleaseOnAnArrowFocusesItsBox() {
        Release(form->cmdValpick[1], Centre(form->cmdValpick[1]), Qt::RightButton);
        QCOMPARE(QApplication::focusWidget(), form->txtValue[1]);
        QVERIFY(desktop.topmost(form.get()));
    }

    void clickingAnArrowDoesNotFocusItsBoxBeforeTheEnd() {
        // Were the focus passed on to the text box at the press, its focus
        // handler would release the picker's capture.
        openPicker(0, QPoint(600, 300));
        QVERIFY(form->focusWidget() != form->txtValue[0]);
        QCOMPARE(desktop.captured, &picker());
    }

    void marginsAndBorderHandTheFocusToTheTextBox() {
        Press(form->pictxtBack[3]->client(), QPointF(30, 1));
        QCOMPARE(QApplication::focusWidget(), form->txtValue[3]);
        form->picTxtBorder[1]->setFocus(Qt::ShortcutFocusReason);
        QCOMPARE(QApplication::focusWidget(), form->txtValue[1]);
        QCOMPARE(form->txtValue[1]->selectedText(), QString("51"));
        QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form->txtValue[5]);
    }
};

QTEST_MAIN(TestValuePickerWindow)
#include "test_value_picker_window.moc"
