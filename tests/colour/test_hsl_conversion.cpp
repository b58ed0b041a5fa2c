// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// RGB <-> HSL on the 0..240 scale: the table of known colours and sweeps over
// the whole domains.
#include "colour.h"

#include "test_colours.h"

#include <QTest>

using namespace tinctora;

class TestHslConversion : public QObject {
    Q_OBJECT
private slots:
    void knownColours_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("backR");
        QTest::addColumn<int>("backG");
        QTest::addColumn<int>("backB");
        QTest::newRow("black") << 0 << 0 << 0 << -1 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255 << -1 << 0 << 240 << 255 << 255 << 255;
        QTest::newRow("red, 256 before packing")
            << 255 << 0 << 0 << 0 << 240 << 120 << 255 << 0 << 0;
        QTest::newRow("green") << 0 << 255 << 0 << 80 << 240 << 120 << 0 << 255 << 0;
        QTest::newRow("blue") << 0 << 0 << 255 << 160 << 240 << 120 << 0 << 0 << 255;
        QTest::newRow("orange") << 255 << 128 << 0 << 20 << 240 << 120 << 255 << 128 << 0;
        QTest::newRow("grey 51: 48.5 rounds to even 48")
            << 51 << 51 << 51 << -1 << 0 << 48 << 51 << 51 << 51;
        QTest::newRow("grey 127: 127.5 rounds to 128")
            << 127 << 127 << 127 << -1 << 0 << 120 << 128 << 128 << 128;
        QTest::newRow("grey 128") << 128 << 128 << 128 << -1 << 0 << 121 << 129 << 129 << 129;
        QTest::newRow("200,100,50") << 200 << 100 << 50 << 13 << 144 << 118 << 201 << 100 << 50;
        QTest::newRow("100,150,200") << 100 << 150 << 200 << 140 << 114 << 142 << 102 << 151 << 200;
        QTest::newRow("1,0,0") << 1 << 0 << 0 << 0 << 240 << 1 << 3 << 0 << 0;
        QTest::newRow("255,0,1: hue 239.84 rounds to 240")
            << 255 << 0 << 1 << 240 << 240 << 120 << 255 << 0 << 0;
    }
    void knownColours() {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, l);
        QFETCH(int, backR);
        QFETCH(int, backG);
        QFETCH(int, backB);
        const HSLColor hsl = RGBToHSL(PackColor(Rgb(r, g, b)));
        QCOMPARE(hsl.hue, int16_t(h));
        QCOMPARE(hsl.saturation, int16_t(s));
        QCOMPARE(hsl.luminance, int16_t(l));
        // A grey's undefined hue does not matter on the way back.
        const HSLColor forward = Hsl(h < 0 ? 0 : h, s, l);
        QCOMPARE(HSLToRGB(forward), PackColor(Rgb(backR, backG, backB)));
    }

    void fullySaturatedHues_data() {
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("packed");
        QTest::newRow("0 red") << 0 << 0x0000FF;
        QTest::newRow("40 yellow") << 40 << 0x00FFFF;
        QTest::newRow("80 green") << 80 << 0x00FF00;
        QTest::newRow("120 cyan") << 120 << 0xFFFF00;
        QTest::newRow("160 blue") << 160 << 0xFF0000;
        QTest::newRow("200 magenta") << 200 << 0xFF00FF;
        QTest::newRow("239") << 239 << 0x0700FF;
        QTest::newRow("240 red again") << 240 << 0x0000FF;
    }
    void fullySaturatedHues() {
        QFETCH(int, hue);
        QFETCH(int, packed);
        QCOMPARE(HSLToRGB(Hsl(hue, 240, 120)), packed);
    }

    void greys_data() {
        QTest::addColumn<int>("luminance");
        QTest::addColumn<int>("channel");
        const int cases[][2] = {{0, 0}, {1, 1}, {120, 128}, {121, 129}, {239, 254}, {240, 255}};
        for (const auto& c : cases) {
            QTest::addRow("L %d", c[0]) << c[0] << c[1];
        }
    }
    void greys() {
        QFETCH(int, luminance);
        QFETCH(int, channel);
        const auto v = static_cast<int16_t>(channel);
        QCOMPARE(HSLToRGB(Hsl(77, 0, luminance)), PackColor(v, v, v));
    }

    void hueToChannelBringsTheHueIntoRangeOnce() {
        // M1 0, M2 240: the ramp is 6 per hue step.
        QCOMPARE(HueToChannel(0, 240, -40), HueToChannel(0, 240, 200));
        QCOMPARE(HueToChannel(0, 240, 280), HueToChannel(0, 240, 40));
        QCOMPARE(HueToChannel(0, 240, 240), 0);
        QCOMPARE(HueToChannel(0, 240, 20), 120);
        QCOMPARE(HueToChannel(0, 240, 140), 120);
        QCOMPARE(HueToChannel(0, 240, 100), 240);
    }

    void updateHslKeepsTheHueOfAGrey() {
        HSLColor hsl = Hsl(0, 0, 0);
        UpdateHSL(Rgb(255, 0, 0), hsl);
        UpdateHSL(Rgb(0, 0, 0), hsl);
        QCOMPARE(hsl, Hsl(0, 0, 0));
        UpdateHSL(Rgb(0, 0, 255), hsl);
        UpdateHSL(Rgb(0, 0, 0), hsl);
        QCOMPARE(hsl, Hsl(160, 0, 0));
    }

    void updateRgbUnpacksTheConversion() {
        RGBColor rgb;
        UpdateRGB(Hsl(13, 144, 118), rgb);
        QCOMPARE(rgb, Rgb(201, 100, 50));
    }

    void rgbToHslGivesHueMinusOneExactlyForGreys() {
        for (int r = 0; r < 256; ++r) {
            for (int g = 0; g < 256; ++g) {
                for (int b = 0; b < 256; ++b) {
                    const HSLColor hsl = RGBToHSL(r + 256 * g + 65536 * b);
                    const bool grey = r == g && g == b;
                    if ((hsl.hue == -1) != grey || hsl.hue > 240 || hsl.hue < -1 ||
                        hsl.saturation < 0 || hsl.saturation > 240 || hsl.luminance < 0 ||
                        hsl.luminance > 240) {
                        QFAIL(qPrintable(QStringLiteral("%1,%2,%3 -> %4,%5,%6")
                                             .arg(r)
                                             .arg(g)
                                             .arg(b)
                                             .arg(hsl.hue)
                                             .arg(hsl.saturation)
                                             .arg(hsl.luminance)));
                    }
                }
            }
        }
    }

    void scaledComponentsStayWithin0To256() {
        // Mirrors the last step of HSLToRGB to see the values before packing.
        for (int s = 1; s <= 240; ++s) {
            for (int l = 0; l <= 240; ++l) {
                int m2 = 0;
                if (l <= 120) {
                    m2 = static_cast<int>(RoundHalfEven((120 + l * (s + 240)) / 240.0));
                } else {
                    m2 = static_cast<int>(RoundHalfEven((l + s) - (120 + l * s) / 240.0));
                }
                const auto m1 = static_cast<int16_t>(2 * l - m2);
                for (int h = 0; h <= 240; ++h) {
                    for (const int hue : {h + 80, h, h - 80}) {
                        const int x = HueToChannel(m1, static_cast<int16_t>(m2), hue);
                        const double scaled = RoundHalfEven((120 + x * 255) / 240.0);
                        if (scaled < 0 || scaled > 256) {
                            QFAIL(qPrintable(QStringLiteral("%1,%2,%3").arg(h).arg(s).arg(l)));
                        }
                    }
                }
                const PackedColor packed = HSLToRGB(Hsl(120, s, l));
                QVERIFY(packed >= 0 && packed <= 0xFFFFFF);
            }
        }
    }

    void roundTripChangesAChannelByAtMostSeven() {
        int worst = 0;
        for (int r = 0; r < 256; r += 3) {
            for (int g = 0; g < 256; g += 5) {
                for (int b = 0; b < 256; b += 7) {
                    const PackedColor packed = r + 256 * g + 65536 * b;
                    HSLColor hsl = RGBToHSL(packed);
                    if (hsl.hue < 0) {
                        hsl.hue = 0;
                    }
                    const PackedColor back = HSLToRGB(hsl);
                    worst = std::max({worst, std::abs(RedOf(back) - r), std::abs(GreenOf(back) - g),
                                      std::abs(BlueOf(back) - b)});
                }
            }
        }
        QVERIFY(worst <= 7);
        QVERIFY(worst >= 1);
    }
};

QTEST_APPLESS_MAIN(TestHslConversion)
#include "test_hsl_conversion.moc"
