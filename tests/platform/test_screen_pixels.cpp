// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding native screen pixels of every depth and byte order, and placing
// the block under the pointer among the screens.
#include "screen_pixels.h"

#include <QTest>

#include <vector>

using namespace tinctora;

Q_DECLARE_METATYPE(tinctora::PixelFormat)

namespace {

PixelFormat Format(int bits, bool msbFirst, uint32_t red, uint32_t green, uint32_t blue) {
    PixelFormat format;
    format.bitsPerPixel = bits;
    format.scanlinePad = 32;
    format.msbFirst = msbFirst;
    format.redMask = red;
    format.greenMask = green;
    format.blueMask = blue;
    return format;
}

const PixelFormat kRgb565 = Format(16, false, 0xF800, 0x07E0, 0x001F);
const PixelFormat kRgb888In32 = Format(32, false, 0xFF0000, 0x00FF00, 0x0000FF);
const PixelFormat kBgr888In32 = Format(32, false, 0x0000FF, 0x00FF00, 0xFF0000);
const PixelFormat kRgb888In24 = Format(24, false, 0xFF0000, 0x00FF00, 0x0000FF);
const PixelFormat kRgb101010 = Format(32, false, 0x3FF00000, 0x000FFC00, 0x000003FF);

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<uint8_t>(v));
    }
    return bytes;
}

PixelFormat Msb(PixelFormat format) {
    format.msbFirst = true;
    return format;
}

} // namespace

class TestScreenPixels : public QObject {
    Q_OBJECT

private slots:
    // The formats an X server lists (Xvfb's own), and what a screen of each
    // depth takes per pixel: a 15-bit screen is a 16-bit one.
    void bitsPerPixelOfTheScreensDepth_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("bits");
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("15 takes 16") << 15 << 16;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("24 takes 32") << 24 << 32;
        QTest::newRow("30 takes 32") << 30 << 32;
        QTest::newRow("unlisted: the depth") << 12 << 12;
    }
    void bitsPerPixelOfTheScreensDepth() {
        QFETCH(int, depth);
        QFETCH(int, bits);
        const std::vector<PixmapFormat> formats{{1, 1},   {4, 8},   {8, 8},   {15, 16},
                                                {16, 16}, {24, 32}, {30, 32}, {32, 32}};
        QCOMPARE(BitsPerPixel(depth, formats), bits);
    }

    void qtPaintsOnlyFormatsItKnows_data() {
        QTest::addColumn<bool>("directColour");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("paints");
        QTest::newRow("true colour 32") << true << false << 32 << true;
        QTest::newRow("true colour 16") << true << false << 16 << true;
        QTest::newRow("true colour 8") << true << false << 8 << false;
        QTest::newRow("8-bit palette") << false << false << 8 << false;
        QTest::newRow("8-bit grey") << false << true << 8 << true;
        QTest::newRow("4-bit grey") << false << true << 4 << false;
    }
    void qtPaintsOnlyFormatsItKnows() {
        QFETCH(bool, directColour);
        QFETCH(bool, grey);
        QFETCH(int, bits);
        QFETCH(bool, paints);
        QCOMPARE(QtPaintsVisual(directColour, grey, bits), paints);
    }

    void channelWidths_data() {
        QTest::addColumn<uint>("pixel");
        QTest::addColumn<uint>("mask");
        QTest::addColumn<int>("value");
        QTest::newRow("5 bits full") << 0xF800U << 0xF800U << 255;
        QTest::newRow("5 bits zero") << 0x07FFU << 0xF800U << 0;
        QTest::newRow("5 bits 16 of 31: bits repeated, 132") << 0x8000U << 0xF800U << 132;
        QTest::newRow("5 bits 1 of 31: bits repeated, 8") << 0x0800U << 0xF800U << 8;
        QTest::newRow("6 bits full") << 0x07E0U << 0x07E0U << 255;
        QTest::newRow("6 bits 32 of 63: bits repeated, 130") << 0x0400U << 0x07E0U << 130;
        QTest::newRow("6 bits 62 of 63: bits repeated, 251") << 0x07C0U << 0x07E0U << 251;
        QTest::newRow("8 bits as they are") << 0x00AB00U << 0x00FF00U << 0xAB;
        QTest::newRow("10 bits full") << 0x3FF00000U << 0x3FF00000U << 255;
        QTest::newRow("10 bits 512 of 1023: top 8 bits, 128") << 0x20000000U << 0x3FF00000U << 128;
        QTest::newRow("10 bits 1020, an 8-bit 255 widened: 255") << 0x3FCU << 0x3FFU << 255;
        QTest::newRow("10 bits 3 of 1023: top 8 bits, 0") << 0x3U << 0x3FFU << 0;
        QTest::newRow("no mask gives 0") << 0xFFFFFFFFU << 0U << 0;
    }
    void channelWidths() {
        QFETCH(uint, pixel);
        QFETCH(uint, mask);
        QFETCH(int, value);
        QCOMPARE(ChannelFromMask(pixel, mask), value);
    }

    void decodesEachDepthAndByteOrder_data() {
        QTest::addColumn<PixelFormat>("format");
        QTest::addColumn<std::vector<uint8_t>>("bytes");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("16 bit, least significant byte first")
            << kRgb565 << Bytes({0x1F, 0xF8}) << 255 << 0 << 255;
        QTest::newRow("16 bit, most significant byte first")
            << Msb(kRgb565) << Bytes({0xF8, 0x1F}) << 255 << 0 << 255;
        QTest::newRow("16 bit, green only") << kRgb565 << Bytes({0xE0, 0x07}) << 0 << 255 << 0;
        QTest::newRow("24 in 32 bit, LSB first")
            << kRgb888In32 << Bytes({0x56, 0x34, 0x12, 0x00}) << 0x12 << 0x34 << 0x56;
        QTest::newRow("24 in 32 bit, MSB first")
            << Msb(kRgb888In32) << Bytes({0x00, 0x12, 0x34, 0x56}) << 0x12 << 0x34 << 0x56;
        QTest::newRow("24 in 32 bit, blue in the low byte of the mask")
            << kBgr888In32 << Bytes({0x12, 0x34, 0x56, 0x00}) << 0x12 << 0x34 << 0x56;
        QTest::newRow("packed 24 bit")
            << kRgb888In24 << Bytes({0x56, 0x34, 0x12}) << 0x12 << 0x34 << 0x56;
        QTest::newRow("packed 24 bit, MSB first")
            << Msb(kRgb888In24) << Bytes({0x12, 0x34, 0x56}) << 0x12 << 0x34 << 0x56;
        QTest::newRow("30 bit, LSB first: 1023, 0, 512")
            << kRgb101010 << Bytes({0x00, 0x02, 0xF0, 0x3F}) << 255 << 0 << 128;
        QTest::newRow("30 bit, MSB first")
            << Msb(kRgb101010) << Bytes({0x3F, 0xF0, 0x02, 0x00}) << 255 << 0 << 128;
    }
    void decodesEachDepthAndByteOrder() {
        QFETCH(PixelFormat, format);
        QFETCH(std::vector<uint8_t>, bytes);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const std::vector<PackedColor> pixels = DecodeImage(bytes, 1, 1, format);
        QCOMPARE(pixels.size(), std::size_t(1));
        QCOMPARE(pixels[0], PackColor(static_cast<int16_t>(red), static_cast<int16_t>(green),
                                      static_cast<int16_t>(blue)));
    }

    void rowsArePadded_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("stride");
        QTest::newRow("3 pixels of 16 bit fill 8 bytes") << 3 << 16 << 8;
        QTest::newRow("2 pixels of 16 bit fill 4 bytes") << 2 << 16 << 4;
        QTest::newRow("5 pixels of packed 24 bit fill 16 bytes") << 5 << 24 << 16;
        QTest::newRow("5 pixels of 32 bit fill 20 bytes") << 5 << 32 << 20;
    }
    void rowsArePadded() {
        QFETCH(int, width);
        QFETCH(int, bits);
        QFETCH(int, stride);
        PixelFormat format = kRgb565;
        format.bitsPerPixel = bits;
        QCOMPARE(RowStride(width, format), stride);
    }

    void secondRowStartsAfterThePadding() {
        // Three 16-bit pixels a row, padded to 8 bytes: red, -, -, pad | -, -, blue, pad.
        const std::vector<uint8_t> bytes =
            Bytes({0x00, 0xF8, 0, 0, 0, 0, 0xAA, 0xAA, 0, 0, 0, 0, 0x1F, 0x00, 0xAA, 0xAA});
        const std::vector<PackedColor> pixels = DecodeImage(bytes, 3, 2, kRgb565);
        QCOMPARE(pixels.size(), std::size_t(6));
        QCOMPARE(pixels[0], PackColor(255, 0, 0));
        QCOMPARE(pixels[1], kBlack);
        QCOMPARE(pixels[5], PackColor(0, 0, 255));
    }

    void shortDataLeavesPixelsUnreadable() {
        const std::vector<PackedColor> pixels = DecodeImage(Bytes({0, 0, 0, 0}), 2, 1, kRgb888In32);
        QCOMPARE(pixels, (std::vector<PackedColor>{kBlack, -1}));
    }

    void blockReadRect_data() {
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("inside") << QPoint(500, 400) << QRect(498, 398, 5, 5);
        QTest::newRow("top left corner") << QPoint(0, 0) << QRect(0, 0, 3, 3);
        QTest::newRow("bottom right corner") << QPoint(1023, 767) << QRect(1021, 765, 3, 3);
        QTest::newRow("one from the left edge") << QPoint(1, 300) << QRect(0, 298, 4, 5);
        QTest::newRow("negative coordinates") << QPoint(-1, -2) << QRect(0, 0, 2, 1);
        QTest::newRow("wholly off the root") << QPoint(-3, 10) << QRect();
    }
    void blockReadRect() {
        QFETCH(QPoint, centre);
        QFETCH(QRect, expected);
        const QRect read = BlockReadRect(centre, QRect(0, 0, 1024, 768));
        QCOMPARE(read.isEmpty(), expected.isEmpty());
        if (!expected.isEmpty()) {
            QCOMPARE(read, expected);
        }
    }

    void guessedReadRect_data() {
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QRect>("guess");
        // The block with 8 pixels to spare on each side: 21 x 21.
        QTest::newRow("inside") << QPoint(500, 400) << QRect(490, 390, 21, 21);
        QTest::newRow("near the top left corner") << QPoint(3, 4) << QRect(0, 0, 14, 15);
        QTest::newRow("on the bottom right corner")
            << QPoint(1023, 767) << QRect(1013, 757, 11, 11);
        QTest::newRow("off the root, in reach of its edge")
            << QPoint(-8, 300) << QRect(0, 290, 3, 21);
        QTest::newRow("off the root, out of reach") << QPoint(-11, 300) << QRect();
    }
    void guessedReadRect() {
        QFETCH(QPoint, expected);
        QFETCH(QRect, guess);
        const QRect root(0, 0, 1024, 768);
        const QRect read = GuessedReadRect(expected, root);
        QCOMPARE(read.isEmpty(), guess.isEmpty());
        if (!guess.isEmpty()) {
            QCOMPARE(read, guess);
            // A pointer anywhere within the margin finds its block in the guess.
            for (const QPoint off : {QPoint(-8, -8), QPoint(8, 8), QPoint(8, -8), QPoint(0, 0)}) {
                const QRect needed = BlockReadRect(expected + off, root);
                QVERIFY(needed.isEmpty() || read.contains(needed));
            }
        }
    }

    void blockFromALargerRead() {
        // Pixels read for a guess around (50, 50) carry the colour x + 1000 y;
        // the block around (45, 57) comes out of it at its own place.
        const QRect root(0, 0, 100, 100);
        const QRect read = GuessedReadRect(QPoint(50, 50), root);
        std::vector<PackedColor> pixels;
        for (int y = read.top(); y <= read.bottom(); ++y) {
            for (int x = read.left(); x <= read.right(); ++x) {
                pixels.push_back(x + 1000 * y);
            }
        }
        const QPoint centre(45, 57);
        const PixelBlock block = AssembleBlock(centre, read, pixels, {root});
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                QCOMPARE(block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))],
                         centre.x() + dx + 1000 * (centre.y() + dy));
            }
        }
    }

    void blockAmongScreens_data() {
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<int>("readable");
        // Two monitors side by side, the right one shorter: 1024 x 768 and
        // 800 x 600 at x 1024; the root covers 1824 x 768.
        QTest::newRow("inside the left monitor") << QPoint(500, 400) << 25;
        QTest::newRow("top left corner") << QPoint(0, 0) << 9;
        QTest::newRow("across the seam") << QPoint(1024, 300) << 25;
        QTest::newRow("below the right monitor, on the root only") << QPoint(1300, 700) << 0;
        QTest::newRow("on the right monitor's bottom edge") << QPoint(1300, 599) << 15;
        QTest::newRow("corner where the monitors and the gap meet") << QPoint(1024, 600) << 16;
    }
    void blockAmongScreens() {
        QFETCH(QPoint, centre);
        QFETCH(int, readable);
        const QRect root(0, 0, 1824, 768);
        const std::vector<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
        const QRect read = BlockReadRect(centre, root);
        const std::vector<PackedColor> pixels(
            static_cast<std::size_t>(read.width() * read.height()), kWhite);
        const PixelBlock block = AssembleBlock(centre, read, pixels, screens);
        QCOMPARE(std::count(block.begin(), block.end(), kWhite), readable);
        QCOMPARE(std::count(block.begin(), block.end(), -1), 25 - readable);
    }

    void blockPlacesEachPixelAtItsOffset() {
        // The read rectangle of the top left corner is 3 x 3: pixel (x, y)
        // carries the colour x + 10 y, and lands at offset (x, y) from (0, 0).
        const QRect read = BlockReadRect(QPoint(0, 0), QRect(0, 0, 100, 100));
        std::vector<PackedColor> pixels;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                pixels.push_back(x + 10 * y);
            }
        }
        const PixelBlock block = AssembleBlock(QPoint(0, 0), read, pixels, {QRect(0, 0, 100, 100)});
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const PackedColor expected = dx >= 0 && dy >= 0 ? dx + 10 * dy : -1;
                QCOMPARE(block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))], expected);
            }
        }
    }

    void logicalPointerPosition_data() {
        QTest::addColumn<QPoint>("native");
        QTest::addColumn<QPoint>("logical");
        // A 2048 x 1536 monitor at scale 2 and, right of it, one of
        // 1280 x 1024 at scale 1 whose origin stays in native pixels.
        QTest::newRow("scale 2, even") << QPoint(400, 300) << QPoint(200, 150);
        QTest::newRow("scale 2, halves round up") << QPoint(401, 3) << QPoint(201, 2);
        QTest::newRow("scale 2, last pixel") << QPoint(2047, 1535) << QPoint(1024, 768);
        QTest::newRow("second monitor keeps its origin") << QPoint(2048, 10) << QPoint(2048, 10);
        QTest::newRow("second monitor at scale 1") << QPoint(2100, 1000) << QPoint(2100, 1000);
        QTest::newRow("below the second monitor, scaled on the first")
            << QPoint(2100, 1100) << QPoint(1050, 550);
    }
    void logicalPointerPosition() {
        QFETCH(QPoint, native);
        QFETCH(QPoint, logical);
        const std::vector<ScaledScreen> screens{{QRect(0, 0, 2048, 1536), 2.0},
                                                {QRect(2048, 0, 1280, 1024), 1.0}};
        QCOMPARE(LogicalPointerPosition(native, screens), logical);
    }

    // Unrounded: at scale 2 an odd native pixel lies half a logical one on.
    void exactLogicalPosition_data() {
        QTest::addColumn<QPoint>("native");
        QTest::addColumn<QPointF>("logical");
        QTest::newRow("scale 2, even") << QPoint(400, 300) << QPointF(200, 150);
        QTest::newRow("scale 2, odd") << QPoint(401, 3) << QPointF(200.5, 1.5);
        QTest::newRow("second monitor keeps its origin") << QPoint(2049, 10) << QPointF(2049, 10);
        QTest::newRow("below the second monitor, scaled on the first")
            << QPoint(2101, 1100) << QPointF(1050.5, 550);
    }
    void exactLogicalPosition() {
        QFETCH(QPoint, native);
        QFETCH(QPointF, logical);
        const std::vector<ScaledScreen> screens{{QRect(0, 0, 2048, 1536), 2.0},
                                                {QRect(2048, 0, 1280, 1024), 1.0}};
        QCOMPARE(ExactLogicalPosition(native, screens), logical);
    }

    void nativePointerPosition_data() {
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<QPoint>("native");
        QTest::newRow("scale 2") << QPointF(200, 150) << QPoint(400, 300);
        QTest::newRow("scale 2, a fraction") << QPointF(200.75, 2.25) << QPoint(402, 5);
        QTest::newRow("scale 2, the far edge") << QPointF(1024, 768) << QPoint(2048, 1536);
        QTest::newRow("second monitor keeps its origin") << QPointF(2048, 10) << QPoint(2048, 10);
        QTest::newRow("second monitor at scale 1") << QPointF(2100, 1000) << QPoint(2100, 1000);
        QTest::newRow("in the gap between them, scaled on the first")
            << QPointF(1500, 20) << QPoint(3000, 40);
    }
    void nativePointerPosition() {
        QFETCH(QPointF, logical);
        QFETCH(QPoint, native);
        const std::vector<ScaledScreen> screens{{QRect(0, 0, 2048, 1536), 2.0},
                                                {QRect(2048, 0, 1280, 1024), 1.0}};
        QCOMPARE(NativePointerPosition(logical, screens), native);
    }

    void logicalPointerPositionAtOneAndAHalf() {
        // 1 / 1.5 is not exact: 3 native pixels are 2 logical ones all the same.
        const std::vector<ScaledScreen> screens{{QRect(100, 0, 1500, 900), 1.5}};
        QCOMPARE(LogicalPointerPosition(QPoint(103, 0), screens), QPoint(102, 0));
        QCOMPARE(LogicalPointerPosition(QPoint(100 + 1499, 899), screens), QPoint(1099, 599));
    }
};

QTEST_APPLESS_MAIN(TestScreenPixels)
#include "test_screen_pixels.moc"
