// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lines and gradients drawn into images: the end point left out, clipping at
// the image's edges, and the last gradient line just outside the image.
#include "draw_gradient.h"

#include <QImage>
#include <QTest>

using namespace tinctora;

namespace {

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The image as rows of '#' (drawn in the test colour) and '.' (anything else).
QStringList Picture(const QImage& image, QRgb drawn) {
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            row += image.pixel(x, y) == drawn ? '#' : '.';
        }
        rows << row;
    }
    return rows;
}

} // namespace

class TestDrawGradient : public QObject {
    Q_OBJECT
private slots:
    void lineLeavesItsEndPointOut_data() {
        QTest::addColumn<QList<int>>("line");
        QTest::addColumn<QStringList>("picture");
        QTest::newRow("rightwards")
            << QList<int>{1, 1, 4, 1} << QStringList{".....", ".###.", "....."};
        QTest::newRow("leftwards")
            << QList<int>{4, 1, 1, 1} << QStringList{".....", "..###", "....."};
        QTest::newRow("downwards")
            << QList<int>{0, 0, 0, 2} << QStringList{"#....", "#....", "....."};
        QTest::newRow("upwards") << QList<int>{3, 2, 3, 0}
                                 << QStringList{".....", "...#.", "...#."};
        QTest::newRow("clipped at both ends")
            << QList<int>{-10, 2, 90, 2} << QStringList{".....", ".....", "#####"};
        QTest::newRow("wholly outside")
            << QList<int>{0, 3, 5, 3} << QStringList{".....", ".....", "....."};
        QTest::newRow("a single point is nothing")
            << QList<int>{2, 1, 2, 1} << QStringList{".....", ".....", "....."};
    }
    void lineLeavesItsEndPointOut() {
        QFETCH(QList<int>, line);
        QFETCH(QStringList, picture);
        QImage image = Blank(5, 3);
        DrawLine(image, line[0], line[1], line[2], line[3], 0x0000FF);
        QCOMPARE(Picture(image, qRgb(255, 0, 0)), picture);
    }

    void lineConvertsAnImageOfAnotherDepth() {
        QImage image(4, 2, QImage::Format_RGB16);
        image.fill(Qt::white);
        DrawLine(image, 0, 1, 4, 1, 0x00FF00);
        QCOMPARE(Picture(image, qRgb(0, 255, 0)), (QStringList{"....", "####"}));
    }

    void verticalGradientFillsEveryRow() {
        QImage image = Blank(3, 17);
        DrawGradient(image, RgbEnds(PackColor(255, 0, 0), kBlack), false, false);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 3; ++x) {
                QCOMPARE(image.pixel(x, y), qRgb(255 - 15 * y, 0, 0));
            }
        }
    }

    void horizontalGradientFillsEveryColumn() {
        QImage image = Blank(256, 2);
        DrawGradient(image, HslEnds({0, 240, 0}, {0, 240, 240}), true, false);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(128, 1), qRgb(255, 0, 0)); // luminance 120
        // Luminance 239.06 rounds to 239, where green and blue are 252.9 of 255.
        QCOMPARE(image.pixel(255, 0), qRgb(255, 253, 253));
    }

    void emptyImageIsNoError() {
        QImage image;
        DrawGradient(image, RgbEnds(kWhite, kBlack), false, true);
        QVERIFY(image.isNull());
    }
};

QTEST_APPLESS_MAIN(TestDrawGradient)
#include "test_draw_gradient.moc"
