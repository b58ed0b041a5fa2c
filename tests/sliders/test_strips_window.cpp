// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The six strips on the real main window: their pixels in every mode, and
// pressing, dragging and releasing on them.
#include "app_style.h"
#include "window_driver.h"

#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

// The strip's rows as drawn, top to bottom, read in its middle column.
QList<PackedColor> Column(const PictureBox* strip) {
    const QImage& image = const_cast<PictureBox*>(strip)->image();
    QList<PackedColor> rows;
    for (int y = 0; y < image.height(); ++y) {
        rows << PixelOf(image, image.width() / 2, y);
    }
    return rows;
}

// The rows whose every pixel has the marker's colour.
QList<int> RowsIn(const PictureBox* strip, PackedColor color) {
    const QImage& image = const_cast<PictureBox*>(strip)->image();
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        bool whole = true;
        for (int x = 0; x < image.width(); ++x) {
            whole = whole && PixelOf(image, x, y) == color;
        }
        if (whole) {
            rows << y;
        }
    }
    return rows;
}

QList<PackedColor> Reds(std::initializer_list<int> reds) {
    QList<PackedColor> colors;
    for (int red : reds) {
        colors << PackColor(static_cast<int16_t>(red), 0, 0);
    }
    return colors;
}

QPointF Row(int row) {
    return QPointF(4, row);
}

} // namespace

class TestStripsWindow : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    QWidget* strip(int i) const { return form->picMiniScroll[i]->client(); }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop = FakeDesktop();
        form = OpenMainWindow(desktop);
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void stripsAreNineBySeventeenPixels() {
        for (PictureBox* s : form->picMiniScroll) {
            QCOMPARE(s->image().size(), QSize(9, 17));
            QCOMPARE(s->height(), 17);
        }
    }

    void unlinkedRedStripShowsRedDownToFifteen() {
        SetMode(form->chkLinkChannels, false);
        SetColour(*form, 0, 40, 90);
        // Red 0: the white marker sits on the bottom row over red 15.
        QCOMPARE(Column(form->picMiniScroll[0]),
                 Reds({255, 240, 225, 210, 195, 180, 165, 150, 135, 120, 105, 90, 75, 60, 45, 30})
                     << kWhite);
        SetColour(*form, 255, 40, 90);
        QCOMPARE(Column(form->picMiniScroll[0]).first(), kWhite);
        QCOMPARE(Column(form->picMiniScroll[0]).last(), PackColor(15, 0, 0));
    }

    void linkedAndUnlinkedGreenDiffer() {
        SetColour(*form, 10, 200, 30);
        const QList<PackedColor> linked = Column(form->picMiniScroll[1]);
        QCOMPARE(linked[0], PackColor(10, 255, 30));
        QCOMPARE(linked[16], PackColor(10, 15, 30));
        SetMode(form->chkLinkChannels, false);
        const QList<PackedColor> unlinked = Column(form->picMiniScroll[1]);
        QCOMPARE(unlinked[0], PackColor(0, 255, 0));
        QCOMPARE(unlinked[16], PackColor(0, 15, 0));
    }

    void markerSitsOnTheValuesRowInItsContrastColour_data() {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<int>("stripIndex");
        QTest::addColumn<int>("row");
        QTest::addColumn<PackedColor>("marker");
        // 10/200/30 is hue 84, saturation 217, luminance 99.
        QTest::newRow("linked red 10: the colour sums to 123.8") << true << 0 << 15 << kWhite;
        QTest::newRow("linked green 200") << true << 1 << 3 << kWhite;
        QTest::newRow("unlinked red 10: dark basis") << false << 0 << 15 << kWhite;
        QTest::newRow("unlinked green 200: sum 117.4") << false << 1 << 3 << kWhite;
        QTest::newRow("unlinked blue 30") << false << 2 << 14 << kWhite;
        QTest::newRow("unlinked hue 84: basis 0/255/26") << false << 3 << 10 << kBlack;
        QTest::newRow("unlinked saturation 217") << false << 4 << 2 << kBlack;
        QTest::newRow("unlinked luminance 99: basis 0/211/22") << false << 5 << 9 << kWhite;
    }
    void markerSitsOnTheValuesRowInItsContrastColour() {
        QFETCH(bool, linked);
        QFETCH(int, stripIndex);
        QFETCH(int, row);
        QFETCH(PackedColor, marker);
        SetMode(form->chkLinkChannels, linked);
        SetColour(*form, 10, 200, 30);
        QVERIFY(RowsIn(form->picMiniScroll[stripIndex], marker).contains(row));
        QCOMPARE(Column(form->picMiniScroll[stripIndex])[row], marker);
    }

    void linkedHueStripOfAGreyIsFlat() {
        SetColour(*form, 51, 51, 51);
        const QList<PackedColor> rows = Column(form->picMiniScroll[3]);
        // Hue 0 puts the marker on the bottom row; every other row is the grey.
        QCOMPARE(rows.mid(0, 16), QList<PackedColor>(16, 0x333333));
        QCOMPARE(rows[16], kWhite);
    }

    void webSafeModeShowsOnlyWebSafeColours() {
        SetMode(form->chkLinkChannels, false);
        SetColour(*form, 100, 150, 200);
        SetMode(form->chkWebSafe, true);
        for (PictureBox* s : form->picMiniScroll) {
            const QImage& image = s->image();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QVERIFY(IsWebSafe(PixelOf(image, x, y)));
                }
            }
        }
        // Red 102 on an unlinked strip: basis red 102 is dark, so the marker
        // is white on row 16 - 6.4 rounded.
        QCOMPARE(Column(form->picMiniScroll[0])[10], kWhite);
    }

    void typingOneChannelRedrawsAllSix() {
        QList<QList<PackedColor>> before;
        for (PictureBox* s : form->picMiniScroll) {
            before << Column(s);
        }
        form->txtValue[0]->setText("250");
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(Column(form->picMiniScroll[i]) != before[i], qPrintable(QString::number(i)));
        }
    }

    void pressTakesTheCaptureAndSetsTheValueAtOnce() {
        Press(strip(0), Row(8));
        QCOMPARE(desktop.captured, form->picMiniScroll[0]);
        QCOMPARE(form->MiniScrollIndex, int16_t(0));
        QCOMPARE(form->txtValue[0]->text(), QString("128"));
        QCOMPARE(form->CurRGB.red, int16_t(128));
        QCOMPARE(form->txtValue[6]->text(), QString("#803333"));
        QCOMPARE(form->picColor->backColor(), PackColor(128, 51, 51));
        Release(strip(0), Row(8));
        QCOMPARE(form->MiniScrollIndex, int16_t(-1));
        QCOMPARE(desktop.captured, nullptr);
        QVERIFY(desktop.releaseCount > 0);
    }

    void dragFollowsThePointerAndClampsOutside() {
        Press(strip(1), Row(16));
        QCOMPARE(form->txtValue[1]->text(), QString("0"));
        Move(strip(1), Row(3));
        QCOMPARE(form->txtValue[1]->text(), QString("208"));
        QCOMPARE(form->CurRGB.green, int16_t(208));
        Move(strip(1), QPointF(4, -40));
        QCOMPARE(form->txtValue[1]->text(), QString("255"));
        Move(strip(1), QPointF(-30, 500));
        QCOMPARE(form->txtValue[1]->text(), QString("0"));
        Release(strip(1), QPointF(-30, 500));
        // After the release a move with the left button held does nothing.
        Move(strip(1), Row(0));
        QCOMPARE(form->txtValue[1]->text(), QString("0"));
    }

    void hslStripsWriteFifteenPerRow_data() {
        QTest::addColumn<int>("stripIndex");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("hue row 8") << 3 << 8 << "120";
        QTest::newRow("saturation row 0") << 4 << 0 << "240";
        QTest::newRow("luminance row 15") << 5 << 15 << "15";
    }
    void hslStripsWriteFifteenPerRow() {
        QFETCH(int, stripIndex);
        QFETCH(int, row);
        QFETCH(QString, text);
        SetMode(form->chkShowHexvalues, true);
        SetMode(form->chkWebSafe, true);
        Press(strip(stripIndex), Row(row));
        QCOMPARE(form->txtValue[stripIndex]->text(), text);
        Release(strip(stripIndex), Row(row));
    }

    void rgbTextFollowsTheModes_data() {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("green");
        QTest::newRow("hex and web-safe") << true << true << "CC" << 204;
        QTest::newRow("hex") << true << false << "D0" << 208;
        QTest::newRow("web-safe") << false << true << "204" << 204;
        QTest::newRow("neither") << false << false << "208" << 208;
    }
    void rgbTextFollowsTheModes() {
        QFETCH(bool, hex);
        QFETCH(bool, webSafe);
        QFETCH(QString, text);
        QFETCH(int, green);
        SetMode(form->chkShowHexvalues, hex);
        SetMode(form->chkWebSafe, webSafe);
        Press(strip(1), Row(3));
        QCOMPARE(form->txtValue[1]->text(), text);
        QCOMPARE(form->CurRGB.green, int16_t(green));
        Release(strip(1), Row(3));
    }

    void markerLandsOnTheDraggedRow() {
        SetMode(form->chkLinkChannels, false);
        for (int row = 0; row < 17; ++row) {
            Press(strip(0), Row(row));
            const PackedColor marker = ContrastColor(PackColor(form->CurRGB.red, 0, 0));
            QVERIFY2(RowsIn(form->picMiniScroll[0], marker).contains(row),
                     qPrintable(QString("row %1").arg(row)));
            Release(strip(0), Row(row));
        }
    }

    void otherButtonsAndOtherStripsChangeNothing() {
        // Before any press, a move with the left button held does nothing.
        Move(strip(0), Row(0));
        QCOMPARE(form->txtValue[0]->text(), QString("51"));
        // A right press captures and remembers the strip but sets nothing.
        Press(strip(0), Row(0), Qt::RightButton);
        QCOMPARE(desktop.captured, form->picMiniScroll[0]);
        QCOMPARE(form->MiniScrollIndex, int16_t(0));
        QCOMPARE(form->txtValue[0]->text(), QString("51"));
        Move(strip(0), Row(2), Qt::RightButton);
        Move(strip(0), Row(2), Qt::LeftButton | Qt::RightButton);
        QCOMPARE(form->txtValue[0]->text(), QString("51"));
        Release(strip(0), Row(2), Qt::RightButton);
        QCOMPARE(form->MiniScrollIndex, int16_t(-1));
        // A drag on the red strip does not answer moves over the green one.
        Press(strip(0), Row(4));
        Move(strip(1), Row(0));
        QCOMPARE(form->txtValue[1]->text(), QString("51"));
        QCOMPARE(form->txtValue[0]->text(), QString("192"));
        Release(strip(0), Row(4));
    }

    void clickingAStripKeepsItsOwnFocus() {
        // The focus must not pass up to the border box and on to the text box,
        // whose focus handler would release the drag's capture.
        QTest::mouseClick(strip(2), Qt::LeftButton, {}, Row(5).toPoint());
        QCOMPARE(QApplication::focusWidget(), form->picMiniScroll[2]);
        QCOMPARE(form->txtValue[2]->text(), QString("176"));
    }
};

QTEST_MAIN(TestStripsWindow)
#include "test_strips_window.moc"
