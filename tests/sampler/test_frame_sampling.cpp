// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Frames of the whole desktop: where each screen lies in the frame's physical
// pixels, the block under a pointer, and each screen's part of the frame.
#include "frame_sampling.h"

#include <QTest>

using namespace tinctora;

Q_DECLARE_METATYPE(std::vector<QRect>)

namespace {

// Every physical pixel of the frame a colour of its own, from its position.
QColor PixelColour(int x, int y) {
    return QColor(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

ScreenFrame NumberedFrame(const std::vector<QRect>& screens, QSize frameSize) {
    QImage image(frameSize, QImage::Format_RGB32);
    for (int y = 0; y < frameSize.height(); ++y) {
        for (int x = 0; x < frameSize.width(); ++x) {
            image.setPixelColor(x, y, PixelColour(x, y));
        }
    }
    return ScreenFrame{image, FrameLayout(screens, frameSize)};
}

PackedColor Packed(int x, int y) {
    const QColor c = PixelColour(x, y);
    return PackColor(static_cast<int16_t>(c.red()), static_cast<int16_t>(c.green()),
                     static_cast<int16_t>(c.blue()));
}

} // namespace

class TestFrameSampling : public QObject {
    Q_OBJECT

private slots:
    void layoutPlacesEachScreenInTheFrame_data() {
        QTest::addColumn<std::vector<QRect>>("screens");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<std::vector<QRect>>("pixels");
        QTest::newRow("one screen at scale 1")
            << std::vector<QRect>{{0, 0, 1280, 800}} << QSize(1280, 800)
            << std::vector<QRect>{{0, 0, 1280, 800}};
        QTest::newRow("one screen at scale 2")
            << std::vector<QRect>{{0, 0, 1280, 800}} << QSize(2560, 1600)
            << std::vector<QRect>{{0, 0, 2560, 1600}};
        QTest::newRow("two screens side by side at scale 2")
            << std::vector<QRect>{{0, 0, 640, 400}, {640, 0, 800, 600}} << QSize(2880, 1200)
            << std::vector<QRect>{{0, 0, 1280, 800}, {1280, 0, 1600, 1200}};
        QTest::newRow("screens left of the origin")
            << std::vector<QRect>{{-800, 100, 800, 600}, {0, 0, 1024, 768}} << QSize(1824, 768)
            << std::vector<QRect>{{0, 100, 800, 600}, {800, 0, 1024, 768}};
        QTest::newRow("scale 1.5 keeps neighbours touching")
            << std::vector<QRect>{{0, 0, 101, 100}, {101, 0, 101, 100}} << QSize(303, 150)
            << std::vector<QRect>{{0, 0, 152, 150}, {152, 0, 151, 150}};
        QTest::newRow("no frame") << std::vector<QRect>{{0, 0, 1280, 800}} << QSize()
                                  << std::vector<QRect>{};
    }
    void layoutPlacesEachScreenInTheFrame() {
        QFETCH(std::vector<QRect>, screens);
        QFETCH(QSize, frame);
        QFETCH(std::vector<QRect>, pixels);
        const std::vector<FrameScreen> layout = FrameLayout(screens, frame);
        QCOMPARE(layout.size(), pixels.size());
        for (std::size_t i = 0; i < layout.size(); ++i) {
            QCOMPARE(layout[i].area, screens[i]);
            QCOMPARE(layout[i].pixels, pixels[i]);
        }
    }

    // Each row: the screens, the frame's size, a pointer position, and the
    // frame pixel under it.
    void pointerFindsItsPhysicalPixel_data() {
        QTest::addColumn<std::vector<QRect>>("screens");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("pixel");
        const std::vector<QRect> one{{0, 0, 640, 400}};
        QTest::newRow("scale 1") << one << QSize(640, 400) << QPointF(100, 50) << QPoint(100, 50);
        QTest::newRow("scale 2, whole pixel")
            << one << QSize(1280, 800) << QPointF(100, 50) << QPoint(200, 100);
        QTest::newRow("scale 2, half a pixel on")
            << one << QSize(1280, 800) << QPointF(100.5, 50.5) << QPoint(201, 101);
        QTest::newRow("scale 2, just short of the next half")
            << one << QSize(1280, 800) << QPointF(100.49, 50.99) << QPoint(200, 101);
        QTest::newRow("scale 3") << one << QSize(1920, 1200) << QPointF(10, 20) << QPoint(30, 60);
        const std::vector<QRect> two{{0, 0, 640, 400}, {640, 0, 640, 400}};
        QTest::newRow("second screen at scale 2")
            << two << QSize(2560, 800) << QPointF(650, 10) << QPoint(1300, 20);
        QTest::newRow("beside every screen, at the first one's scale")
            << one << QSize(1280, 800) << QPointF(-3, 10) << QPoint(-6, 20);
    }
    void pointerFindsItsPhysicalPixel() {
        QFETCH(std::vector<QRect>, screens);
        QFETCH(QSize, frame);
        QFETCH(QPointF, position);
        QFETCH(QPoint, pixel);
        const ScreenFrame layout{QImage(), FrameLayout(screens, frame)};
        QCOMPARE(FramePixel(layout, position), pixel);
    }

    // A position in the window showing one screen's part of the frame finds
    // its pixel by its share of the window's size, whatever size the desktop
    // said the screen had. Each row: where the screen's pixels lie in the
    // frame, the window's size, a position in it, and the frame pixel.
    void windowPositionFindsItsPhysicalPixel_data() {
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("scale 1") << QRect(0, 0, 1280, 800) << QSize(1280, 800) << QPointF(813, 517)
                                 << QPoint(813, 517);
        QTest::newRow("scale 2") << QRect(0, 0, 2560, 1600) << QSize(1280, 800) << QPointF(813, 517)
                                 << QPoint(1626, 1034);
        QTest::newRow("scale 2, half a pixel on") << QRect(0, 0, 2560, 1600) << QSize(1280, 800)
                                                  << QPointF(813.5, 517.75) << QPoint(1627, 1035);
        QTest::newRow("scale 2, last pixel") << QRect(0, 0, 2560, 1600) << QSize(1280, 800)
                                             << QPointF(1279.9, 799.9) << QPoint(2559, 1599);
        QTest::newRow("second screen's part")
            << QRect(2560, 0, 1280, 800) << QSize(640, 400) << QPointF(10, 20) << QPoint(2580, 40);
        QTest::newRow("scale 1.5")
            << QRect(0, 0, 1920, 1200) << QSize(1280, 800) << QPointF(101, 11) << QPoint(151, 16);
        QTest::newRow("no size yet: the screen's own")
            << QRect(0, 0, 2560, 1600) << QSize() << QPointF(813, 517) << QPoint(1626, 1034);
    }
    void windowPositionFindsItsPhysicalPixel() {
        QFETCH(QRect, pixels);
        QFETCH(QSize, shown);
        QFETCH(QPointF, position);
        QFETCH(QPoint, pixel);
        QCOMPARE(ShownPixel(FrameScreen{QRect(0, 0, 1280, 800), pixels}, shown, position), pixel);
    }

    // The block covers 5 x 5 physical pixels at any scale, like a block read
    // from the screen; every pixel that no screen shows is -1.
    void blockIsPhysicalPixelsAroundThePointer_data() {
        QTest::addColumn<std::vector<QRect>>("screens");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<int>("readable");
        const std::vector<QRect> one{{0, 0, 64, 40}};
        QTest::newRow("scale 1, inside")
            << one << QSize(64, 40) << QPointF(20, 20) << QPoint(20, 20) << 25;
        QTest::newRow("scale 2, inside")
            << one << QSize(128, 80) << QPointF(20.5, 20) << QPoint(41, 40) << 25;
        QTest::newRow("top left corner")
            << one << QSize(64, 40) << QPointF(0, 0) << QPoint(0, 0) << 9;
        QTest::newRow("one pixel from the left edge")
            << one << QSize(64, 40) << QPointF(1, 20) << QPoint(1, 20) << 20;
        QTest::newRow("bottom right corner at scale 2")
            << one << QSize(128, 80) << QPointF(63.9, 39.9) << QPoint(127, 79) << 9;
        QTest::newRow("beside the screen")
            << one << QSize(64, 40) << QPointF(-3, 20) << QPoint(-3, 20) << 0;
        // Two screens of different heights: the frame's corner below the
        // smaller one shows no screen (10 pixels of the first screen and 6 of
        // the second are left).
        const std::vector<QRect> two{{0, 0, 32, 40}, {32, 0, 32, 20}};
        QTest::newRow("gap below the smaller screen")
            << two << QSize(64, 40) << QPointF(32, 20) << QPoint(32, 20) << 16;
    }
    void blockIsPhysicalPixelsAroundThePointer() {
        QFETCH(std::vector<QRect>, screens);
        QFETCH(QSize, frame);
        QFETCH(QPointF, position);
        QFETCH(QPoint, centre);
        QFETCH(int, readable);
        const ScreenFrame numbered = NumberedFrame(screens, frame);
        const PixelBlock block = FrameBlock(numbered, position);
        int count = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const PackedColor c = block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))];
                if (c == -1) {
                    continue;
                }
                ++count;
                QCOMPARE(c, Packed(centre.x() + dx, centre.y() + dy));
            }
        }
        QCOMPARE(count, readable);
    }

    void emptyFrameGivesNoPixels() {
        const ScreenFrame empty{QImage(), FrameLayout({{0, 0, 64, 40}}, QSize(64, 40))};
        for (const PackedColor c : FrameBlock(empty, QPointF(10, 10))) {
            QCOMPARE(c, -1);
        }
    }

    void screensPartIsShownOnceAtItsScale() {
        const ScreenFrame frame = NumberedFrame({{0, 0, 32, 20}, {32, 0, 16, 20}}, QSize(96, 40));
        const QImage part = FramePart(frame, frame.screens[1]);
        QCOMPARE(part.size(), QSize(32, 40));
        QCOMPARE(part.devicePixelRatio(), 2.0);
        QCOMPARE(part.pixelColor(0, 0), PixelColour(64, 0));
        QCOMPARE(part.pixelColor(31, 39), PixelColour(95, 39));
    }
};

QTEST_GUILESS_MAIN(TestFrameSampling)
#include "test_frame_sampling.moc"
