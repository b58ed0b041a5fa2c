// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Packing, channels, system colours, hex text, web-safe snapping, contrast, clamping.
#include "colour.h"

#include <QTest>

using namespace tinctora;

Q_DECLARE_METATYPE(RGBColor)

class TestColourValues : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetSystemColorLookup({}); }

    void packAndUnpack() {
        const RGBColor c = UnpackColor(0x0080FF);
        QCOMPARE(c.red, int16_t(255));
        QCOMPARE(c.green, int16_t(128));
        QCOMPARE(c.blue, int16_t(0));
        QCOMPARE(PackColor(255, 128, 0), 0x0080FF);
        QCOMPARE(PackColor(256, 0, 0), 0x0000FF);
        QCOMPARE(PackColor(256, 256, 256), 0xFFFFFF);
        QCOMPARE(PackColor(1, 2, 3), 0x030201);
    }

    void recordFieldsAreRedBlueGreen() {
        const RGBColor c{10, 20, 30};
        QCOMPARE(c.red, int16_t(10));
        QCOMPARE(c.blue, int16_t(20));
        QCOMPARE(c.green, int16_t(30));
    }

    void systemColoursResolveThroughTheDefaultTable() {
        for (int index : {0, 5, 8, 15, 16}) {
            const PackedColor packed = static_cast<PackedColor>(0x80000000u | unsigned(index));
            const PackedColor expected = DefaultSystemColor(index);
            QCOMPARE(PackColor(UnpackColor(packed)), expected);
        }
        QCOMPARE(PackColor(UnpackColor(static_cast<PackedColor>(0x80000005))), 0xFFFFFF);
        QCOMPARE(PackColor(UnpackColor(static_cast<PackedColor>(0x80000008))), 0x000000);
    }

    void systemColoursResolveThroughTheInstalledLookup() {
        SetSystemColorLookup([](int32_t index) { return index == 5 ? 0x112233 : 0x445566; });
        QCOMPARE(RedOf(static_cast<PackedColor>(0x80000005)), int16_t(0x33));
        QCOMPARE(GreenOf(static_cast<PackedColor>(0x80000005)), int16_t(0x22));
        QCOMPARE(BlueOf(static_cast<PackedColor>(0x80000005)), int16_t(0x11));
        QCOMPARE(RedOf(static_cast<PackedColor>(0x80000010)), int16_t(0x66));
        // A lookup answering with a system colour again must not send us round in circles.
        SetSystemColorLookup([](int32_t) { return static_cast<PackedColor>(0x80000005); });
        QCOMPARE(RedOf(static_cast<PackedColor>(0x80000005)), int16_t(0x05));
    }

    void hexByte_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("upper");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << 1 << "00";
        QTest::newRow("nine padded") << 9 << 1 << "09";
        QTest::newRow("five padded") << 5 << 0 << "05";
        QTest::newRow("lower ff") << 255 << 0 << "ff";
        QTest::newRow("upper A0") << 160 << 1 << "A0";
        QTest::newRow("171 upper") << 171 << 1 << "AB";
        QTest::newRow("171 lower") << 171 << 0 << "ab";
        QTest::newRow("any non-zero flag is upper") << 171 << -1 << "AB";
        QTest::newRow("three digits padded to four") << 256 << 1 << "0100";
    }
    void hexByte() {
        QFETCH(int, value);
        QFETCH(int, upper);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(HexByte(static_cast<int16_t>(value), upper)), text);
    }

    void parseHexColor_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("#ff8000") << "#ff8000" << 255 << 128 << 0;
        QTest::newRow("without #") << "ff8000" << 255 << 128 << 0;
        QTest::newRow("upper case") << "#FF8000" << 255 << 128 << 0;
        QTest::newRow("no shorthand") << "#fff" << 255 << 15 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        QTest::newRow("only #") << "#" << 0 << 0 << 0;
        QTest::newRow("# anywhere") << "#12#34" << 0x12 << 0x34 << 0;
        QTest::newRow("partial #f") << "#f" << 15 << 0 << 0;
        QTest::newRow("partial #ff8") << "#ff8" << 255 << 8 << 0;
        QTest::newRow("seventh digit ignored") << "#1234567" << 0x12 << 0x34 << 0x56;
        QTest::newRow("stops at non-digit") << "#1g2h3i" << 1 << 2 << 3;
        QTest::newRow("piece starting with non-digit") << "#zz10" << 0 << 0x10 << 0;
        QTest::newRow("runs of #") << "###" << 0 << 0 << 0;
    }
    void parseHexColor() {
        QFETCH(QString, text);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const std::string utf8 = text.toStdString();
        const RGBColor c = ParseHexColor(utf8);
        QCOMPARE(c.red, int16_t(red));
        QCOMPARE(c.green, int16_t(green));
        QCOMPARE(c.blue, int16_t(blue));
    }

    void parseHexColorReadsOnlyItsText() {
        // The text is a view into a longer buffer: nothing past its end counts.
        const char buffer[] = "#12ffff";
        const RGBColor c = ParseHexColor(std::string_view(buffer, 3));
        QCOMPARE(c.red, int16_t(0x12));
        QCOMPARE(c.green, int16_t(0));
        QCOMPARE(c.blue, int16_t(0));
    }

    void snapWebSafe_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("snapped");
        const int cases[][2] = {{25, 0},    {26, 51},   {76, 51},   {77, 102}, {127, 102},
                                {128, 153}, {229, 204}, {230, 255}, {0, 0},    {51, 51},
                                {102, 102}, {153, 153}, {204, 204}, {255, 255}};
        for (const auto& c : cases) {
            QTest::addRow("%d", c[0]) << c[0] << c[1];
        }
    }
    void snapWebSafe() {
        QFETCH(int, value);
        QFETCH(int, snapped);
        const auto v = static_cast<int16_t>(value);
        const RGBColor s = SnapWebSafe(RGBColor{v, v, v});
        QCOMPARE(s.red, int16_t(snapped));
        QCOMPARE(s.green, int16_t(snapped));
        QCOMPARE(s.blue, int16_t(snapped));
    }

    void snapWebSafeIsTheNearestGridValueForEveryChannelValue() {
        for (int v = 0; v <= 255; ++v) {
            int nearest = 0;
            for (int g = 0; g <= 255; g += 51) {
                if (std::abs(g - v) < std::abs(nearest - v)) {
                    nearest = g;
                }
            }
            RGBColor c;
            c.red = static_cast<int16_t>(v);
            c.green = static_cast<int16_t>(255 - v);
            c.blue = 0;
            const RGBColor s = SnapWebSafe(c);
            QVERIFY2(s.red == nearest, qPrintable(QString::number(v)));
            QCOMPARE(s.blue, int16_t(0));
            QVERIFY(IsWebSafe(PackColor(s)));
        }
    }

    void contrastColor_data() {
        QTest::addColumn<int>("packed");
        QTest::addColumn<int>("contrast");
        QTest::newRow("red gives white") << 0x0000FF << 0xFFFFFF;
        QTest::newRow("green gives black") << 0x00FF00 << 0x000000;
        QTest::newRow("blue gives white") << 0xFF0000 << 0xFFFFFF;
        QTest::newRow("yellow gives black") << 0x00FFFF << 0x000000;
        QTest::newRow("grey 128 lands just below 128") << 0x808080 << 0xFFFFFF;
        QTest::newRow("grey 129 gives black") << 0x818181 << 0x000000;
        QTest::newRow("black gives white") << 0x000000 << 0xFFFFFF;
        QTest::newRow("white gives black") << 0xFFFFFF << 0x000000;
    }
    void contrastColor() {
        QFETCH(int, packed);
        QFETCH(int, contrast);
        QCOMPARE(ContrastColor(packed), contrast);
    }

    void contrastSumIsNotFused() {
        // Counted over every colour: a fused multiply-add (or another order of the
        // sum) moves colours to the other side of 128. The unfused, ordered sum
        // computed with volatile steps is the reference.
        int differences = 0;
        for (int r = 0; r < 256; ++r) {
            for (int g = 0; g < 256; ++g) {
                for (int b = 0; b < 256; b += 1) {
                    volatile double gp = g * 0.59;
                    volatile double rp = r * 0.3;
                    volatile double y = gp + rp;
                    volatile double bp = b * 0.11;
                    volatile double sum = y + bp;
                    const PackedColor expected = sum >= 128 ? kBlack : kWhite;
                    if (ContrastColor(PackColor(int16_t(r), int16_t(g), int16_t(b))) != expected) {
                        ++differences;
                    }
                }
            }
        }
        QCOMPARE(differences, 0);
    }

    void clampValue_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("result");
        QTest::newRow("above") << 300 << 0 << 255 << 255;
        QTest::newRow("below") << -5 << 0 << 240 << 0;
        QTest::newRow("inside") << 17 << 0 << 240 << 17;
        QTest::newRow("maximum tested first") << 5 << 10 << 0 << 0;
    }
    void clampValue() {
        QFETCH(int, value);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, result);
        QCOMPARE(ClampValue(value, minimum, maximum), result);
    }
};

QTEST_APPLESS_MAIN(TestColourValues)
#include "test_colour_values.moc"
