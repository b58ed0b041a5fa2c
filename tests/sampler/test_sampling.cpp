// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The eyedropper's mean, evasion rule, centring and magnifier picture.
#include "sampling.h"

#include <QTest>

using namespace tinctora;

Q_DECLARE_METATYPE(tinctora::PixelBlock)

namespace {

// A block whose first `count` pixels (row by row) are `first`, the next
// `secondCount` are `second`, and the rest unreadable.
PixelBlock Block(int count, PackedColor first, int secondCount, PackedColor second) {
    PixelBlock block;
    block.fill(-1);
    for (int i = 0; i < count + secondCount && i < 25; ++i) {
        block[static_cast<std::size_t>(i)] = i < count ? first : second;
    }
    return block;
}

// The pixels a block around (x, y) can read on a 1024 x 768 screen.
PixelBlock OnScreen(int x, int y, PackedColor colour) {
    PixelBlock block;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const bool inside = x + dx >= 0 && x + dx < 1024 && y + dy >= 0 && y + dy < 768;
            block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))] = inside ? colour : -1;
        }
    }
    return block;
}

} // namespace

class TestSampling : public QObject {
    Q_OBJECT

private slots:
    void meanOfReadablePixels_data() {
        QTest::addColumn<PixelBlock>("block");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("13 white, 12 black: 132.6 is 133")
            << Block(13, kWhite, 12, kBlack) << 133 << 133 << 133;
        QTest::newRow("12 white, 13 black: 122.4 is 122")
            << Block(12, kWhite, 13, kBlack) << 122 << 122 << 122;
        QTest::newRow("uniform") << Block(25, PackColor(10, 200, 30), 0, 0) << 10 << 200 << 30;
        QTest::newRow("corner: the mean of the 9 readable")
            << OnScreen(0, 0, PackColor(7, 8, 9)) << 7 << 8 << 9;
        QTest::newRow("9 readable of two colours, the unreadable not counted")
            << Block(5, PackColor(90, 0, 0), 4, PackColor(0, 0, 90)) << 50 << 0 << 40;
        QTest::newRow("one from the left edge: 1.5 is 2")
            << Block(10, PackColor(1, 0, 0), 10, PackColor(2, 0, 0)) << 2 << 0 << 0;
        QTest::newRow("one from the left edge: 2.5 is 2")
            << Block(10, PackColor(2, 0, 0), 10, PackColor(3, 0, 0)) << 2 << 0 << 0;
        QTest::newRow("halves of each channel on their own")
            << Block(10, PackColor(3, 5, 254), 10, PackColor(4, 6, 255)) << 4 << 6 << 254;
        QTest::newRow("all 25 at 255 do not overflow the sum")
            << Block(25, kWhite, 0, 0) << 255 << 255 << 255;
    }
    void meanOfReadablePixels() {
        QFETCH(PixelBlock, block);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const std::optional<RGBColor> mean = BlockMean(block);
        QVERIFY(mean.has_value());
        QCOMPARE(mean->red, red);
        QCOMPARE(mean->green, green);
        QCOMPARE(mean->blue, blue);
    }

    void noReadablePixelHasNoMean() { QVERIFY(!BlockMean(Block(0, 0, 0, 0)).has_value()); }

    void evasion_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QPoint>("expected");
        const QRect atOrigin(0, 0, 244, 196);
        const QRect atRight(780, 0, 244, 196);
        const QRect inMiddle(300, 200, 244, 196);
        QTest::newRow("pointer far away: no move") << QPoint(600, 500) << atOrigin << QPoint(0, 0);
        QTest::newRow("level horizontally, far below: from left to right edge")
            << QPoint(100, 700) << atOrigin << QPoint(780, 0);
        QTest::newRow("level horizontally, far below: from right edge to left")
            << QPoint(900, 700) << atRight << QPoint(0, 0);
        QTest::newRow("level horizontally from the middle: to the left edge")
            << QPoint(400, 700) << inMiddle << QPoint(0, 200);
        QTest::newRow("level vertically: from top to bottom edge")
            << QPoint(900, 100) << atOrigin << QPoint(0, 572);
        QTest::newRow("level vertically from the middle: to the top")
            << QPoint(50, 300) << inMiddle << QPoint(300, 0);
        QTest::newRow("inside the window: both jump")
            << QPoint(100, 100) << atOrigin << QPoint(780, 572);
        QTest::newRow("on the left edge itself: no move")
            << QPoint(300, 700) << inMiddle << QPoint(300, 200);
        QTest::newRow("on the pixel past the right edge: no move")
            << QPoint(544, 700) << inMiddle << QPoint(300, 200);
        QTest::newRow("on the last pixel inside: moves")
            << QPoint(543, 700) << inMiddle << QPoint(0, 200);
        QTest::newRow("on the pixel past the bottom edge: no move")
            << QPoint(50, 396) << inMiddle << QPoint(300, 200);
    }
    void evasion() {
        QFETCH(QPoint, pointer);
        QFETCH(QRect, outer);
        QFETCH(QPoint, expected);
        QCOMPARE(EvadedPosition(pointer, outer, outer.topLeft(), outer.size(), QSize(1024, 768)),
                 expected);
    }

    void evasionTestsTheRectangleButMovesFromTheWindowsPosition() {
        // The window stands at the left edge while its reported rectangle
        // lags behind: the rectangle decides, the position picks the edge.
        QCOMPARE(EvadedPosition(QPoint(400, 700), QRect(300, 200, 244, 196), QPoint(0, 200),
                                QSize(244, 196), QSize(1024, 768)),
                 QPoint(780, 200));
    }

    void centring_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("even sizes") << QSize(1024, 768) << QSize(244, 196) << QPoint(390, 286);
        QTest::newRow("389.5 and 286.5 go to the even neighbours")
            << QSize(1023, 768) << QSize(244, 195) << QPoint(390, 286);
        QTest::newRow("half a pixel goes to the even neighbour")
            << QSize(1025, 769) << QSize(244, 196) << QPoint(390, 286);
    }
    void centring() {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        QCOMPARE(CentredPosition(screen, window), expected);
    }

    void magnifierCellsFollowTheBlock_data() {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("top left") << -2 << -2;
        QTest::newRow("top right") << 2 << -2;
        QTest::newRow("bottom left") << -2 << 2;
        QTest::newRow("right of centre") << 1 << 0;
        QTest::newRow("below centre") << 0 << 1;
    }
    void magnifierCellsFollowTheBlock() {
        QFETCH(int, dx);
        QFETCH(int, dy);
        PixelBlock block;
        block.fill(kBlack);
        block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))] = PackColor(255, 0, 0);
        const QImage image = MagnifierImage(block, false, Qt::gray);
        QCOMPARE(image.size(), QSize(25, 25));
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                const bool inCell = x / 5 == dx + 2 && y / 5 == dy + 2;
                QCOMPARE(image.pixelColor(x, y), inCell ? QColor(Qt::red) : QColor(Qt::black));
            }
        }
    }

    void unreadablePixelsShowTheBackground() {
        const QImage image = MagnifierImage(OnScreen(0, 0, kWhite), false, QColor(1, 2, 3));
        QCOMPARE(image.pixelColor(2, 2), QColor(1, 2, 3));
        QCOMPARE(image.pixelColor(12, 2), QColor(1, 2, 3));
        QCOMPARE(image.pixelColor(24, 24), QColor(Qt::white));
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
    }

    void ringInvertsEachFramePixelOnce_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("expected");
        // Cyan centre cell 10..14 among blue cells: the frame 9..15 runs on
        // the neighbours' edge pixels just around the centre cell.
        QTest::newRow("corner, inverted once") << QPoint(9, 9) << QColor(255, 255, 0);
        QTest::newRow("far corner, inverted once") << QPoint(15, 15) << QColor(255, 255, 0);
        QTest::newRow("above the centre cell") << QPoint(12, 9) << QColor(255, 255, 0);
        QTest::newRow("left of the centre cell") << QPoint(9, 12) << QColor(255, 255, 0);
        QTest::newRow("inside the centre cell") << QPoint(10, 10) << QColor(0, 255, 255);
        QTest::newRow("centre") << QPoint(12, 12) << QColor(0, 255, 255);
        QTest::newRow("just outside the frame") << QPoint(8, 9) << QColor(0, 0, 255);
        QTest::newRow("just past the far corner") << QPoint(16, 15) << QColor(0, 0, 255);
    }
    void ringInvertsEachFramePixelOnce() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, expected);
        PixelBlock block;
        block.fill(PackColor(0, 0, 255));
        block[static_cast<std::size_t>(PixelBlockIndex(0, 0))] = PackColor(0, 255, 255);
        const QImage image = MagnifierImage(block, true, Qt::gray);
        QCOMPARE(image.pixelColor(pixel), expected);
    }

    void noRingWithoutTheSingleMode() {
        PixelBlock block;
        block.fill(PackColor(0, 0, 255));
        const QImage image = MagnifierImage(block, false, Qt::gray);
        QCOMPARE(image.pixelColor(9, 9), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(12, 15), QColor(0, 0, 255));
    }

    // The magnifier keeps beside the pointer and on the screen it shows.
    void magnifierStaysBesideThePointer_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("topLeft");
        const QRect screen(0, 0, 800, 600);
        QTest::newRow("below right") << QPoint(100, 100) << screen << QPoint(124, 124);
        QTest::newRow("fits exactly at the right edge")
            << QPoint(676, 100) << screen << QPoint(700, 124);
        QTest::newRow("one pixel too far: left of the pointer")
            << QPoint(677, 100) << screen << QPoint(553, 124);
        QTest::newRow("bottom edge: above the pointer")
            << QPoint(100, 590) << screen << QPoint(124, 466);
        QTest::newRow("bottom right corner: above and left")
            << QPoint(790, 590) << screen << QPoint(666, 466);
        // Too small for either side: it stays on the screen, over the pointer.
        QTest::newRow("screen narrower than both sides")
            << QPoint(60, 60) << QRect(0, 0, 150, 150) << QPoint(0, 0);
    }
    void magnifierStaysBesideThePointer() {
        QFETCH(QPoint, pointer);
        QFETCH(QRect, area);
        QFETCH(QPoint, topLeft);
        const QRect place = MagnifierPlace(pointer, QSize(100, 100), area);
        QCOMPARE(place.topLeft(), topLeft);
        QCOMPARE(place.size(), QSize(100, 100));
        QVERIFY(area.contains(place));
    }
};

QTEST_APPLESS_MAIN(TestSampling)
#include "test_sampling.moc"
