// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of a gradient's lines, the strips' and the picker's gradient
// ends, and the strips' marker rows and colours.
#include "gradient.h"

#include "test_colours.h"

#include <QTest>

#include <vector>

using namespace tinctora;

namespace {

std::vector<PackedColor> Lines(const GradientEnds& ends, int16_t extent, bool webSafe = false) {
    std::vector<PackedColor> lines;
    ForEachGradientLine(ends, extent, webSafe, [&](int16_t i, PackedColor color) {
        QCOMPARE(i, static_cast<int16_t>(lines.size()));
        lines.push_back(color);
    });
    return lines;
}

std::vector<PackedColor> Reds(std::initializer_list<int> reds) {
    std::vector<PackedColor> colors;
    for (int red : reds) {
        colors.push_back(PackColor(static_cast<int16_t>(red), 0, 0));
    }
    return colors;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<PackedColor>)

class TestGradient : public QObject {
    Q_OBJECT
private slots:
    void lineColours_data() {
        QTest::addColumn<int>("strip");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<std::vector<PackedColor>>("lines");

        // 17 rows: red 255 - 15 * row, never black on the strip; line 17,
        // just below it, is the end colour.
        QTest::newRow("unlinked red, 255 down to 15")
            << 0 << false << false << 51 << 51 << 51
            << Reds({255, 240, 225, 210, 195, 180, 165, 150, 135, 120, 105, 90, 75, 60, 45, 30, 15,
                     0});
        QTest::newRow("unlinked red, web-safe rows")
            << 0 << false << true << 51 << 51 << 51
            << Reds({255, 255, 204, 204, 204, 204, 153, 153, 153, 102, 102, 102, 51, 51, 51, 51, 0,
                     0});
        std::vector<PackedColor> linkedGreen;
        std::vector<PackedColor> unlinkedGreen;
        for (int row = 0; row <= 17; ++row) {
            const auto green = static_cast<int16_t>(255 - 15 * row);
            linkedGreen.push_back(PackColor(10, green, 30));
            unlinkedGreen.push_back(PackColor(0, green, 0));
        }
        QTest::newRow("linked green of 10/200/30")
            << 1 << true << false << 10 << 200 << 30 << linkedGreen;
        QTest::newRow("unlinked green of 10/200/30")
            << 1 << false << false << 10 << 200 << 30 << unlinkedGreen;
        QTest::newRow("linked hue of a grey is flat")
            << 3 << true << false << 51 << 51 << 51 << std::vector<PackedColor>(18, 0x333333);
    }
    void lineColours() {
        QFETCH(int, strip);
        QFETCH(bool, linked);
        QFETCH(bool, webSafe);
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(std::vector<PackedColor>, lines);
        const RGBColor rgb = Rgb(r, g, b);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        QCOMPARE(Lines(StripGradient(strip, linked, rgb, hsl), 17, webSafe), lines);
    }

    void everyWebSafeRowIsWebSafe() {
        const RGBColor rgb = Rgb(100, 150, 200);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        for (int strip = 0; strip < 6; ++strip) {
            for (bool linked : {false, true}) {
                for (PackedColor color : Lines(StripGradient(strip, linked, rgb, hsl), 17, true)) {
                    QVERIFY2(
                        IsWebSafe(color),
                        qPrintable(QString("strip %1 colour %2").arg(strip).arg(color, 6, 16)));
                }
            }
        }
    }

    void runningValuesAddTheStepOverAndOver() {
        // From red 1 to 0 over 6 lines: after three additions of -1/6 the
        // running value lies a hair above 0.5 and rounds up; 1 + 3 * (-1/6)
        // would be exactly 0.5 and round to the even 0.
        const auto lines = Lines(RgbEnds(PackColor(1, 0, 0), kBlack), 6);
        QCOMPARE(lines, Reds({1, 1, 1, 1, 0, 0, 0}));
    }

    void halvesRoundToEven_data() {
        QTest::addColumn<int>("endRed");
        QTest::addColumn<std::vector<PackedColor>>("lines");
        QTest::newRow("0.5 goes down to 0") << 1 << Reds({0, 0, 1});
        QTest::newRow("1.5 goes up to 2") << 3 << Reds({0, 2, 3});
        QTest::newRow("2.5 goes down to 2") << 5 << Reds({0, 2, 5});
    }
    void halvesRoundToEven() {
        QFETCH(int, endRed);
        QFETCH(std::vector<PackedColor>, lines);
        QCOMPARE(Lines(RgbEnds(kBlack, PackColor(static_cast<int16_t>(endRed), 0, 0)), 2), lines);
    }

    void hslLinesRoundEachValueBeforeConverting() {
        // Hue 0.5 is hue 0, not 1: lines 0 and 1 are the same pure red.
        const auto lines = Lines(HslEnds(Hsl(0, 240, 120), Hsl(1, 240, 120)), 2);
        QCOMPARE(lines.size(), std::size_t(3));
        QCOMPARE(lines[0], PackColor(255, 0, 0));
        QCOMPARE(lines[1], lines[0]);
        QCOMPARE(lines[2], HSLToRGB(Hsl(1, 240, 120)));
        QVERIFY(lines[2] != lines[0]);
    }

    void hueDoesNotWrap() {
        // From hue 240 down to 0 the strip passes through green and blue,
        // not straight from red to red.
        const auto lines = Lines(HslEnds(Hsl(240, 240, 120), Hsl(0, 240, 120)), 6);
        QCOMPARE(lines[0], PackColor(255, 0, 0));
        QCOMPARE(lines[2], HSLToRGB(Hsl(160, 240, 120)));
        QCOMPARE(lines[2], PackColor(0, 0, 255));
        QCOMPARE(lines[4], PackColor(0, 255, 0));
        QCOMPARE(lines[6], PackColor(255, 0, 0));
    }

    void zeroExtentDrawsOneLineInTheStartColour() {
        QCOMPARE(Lines(RgbEnds(0x123456, 0xABCDEF), 0), std::vector<PackedColor>{0x123456});
        QCOMPARE(Lines(HslEnds(Hsl(0, 0, 240), Hsl(0, 0, 0)), 0), std::vector<PackedColor>{kWhite});
    }

    void systemColourEndsAreResolved() {
        // 0x80000005 is the window background, white in the built-in table.
        const auto lines = Lines(RgbEnds(static_cast<PackedColor>(0x80000005), kBlack), 1);
        QCOMPARE(lines, (std::vector<PackedColor>{kWhite, kBlack}));
    }

    void pickerRunsFromZeroToTheMaximumJustOutside() {
        const RGBColor rgb = Rgb(10, 200, 30);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        const auto red = Lines(PickerGradient(0, false, rgb, hsl), 256);
        QCOMPARE(red.size(), std::size_t(257));
        QCOMPARE(red[0], kBlack);
        QCOMPARE(red[1], PackColor(1, 0, 0));
        QCOMPARE(red[128], PackColor(128, 0, 0)); // 127.5 to the even 128
        QCOMPARE(red[255], PackColor(254, 0, 0));
        QCOMPARE(red[256], PackColor(255, 0, 0));
        const auto linkedGreen = Lines(PickerGradient(1, true, rgb, hsl), 256);
        QCOMPARE(linkedGreen[0], PackColor(10, 0, 30));
        QCOMPARE(linkedGreen[256], PackColor(10, 255, 30));
        const auto hue = Lines(PickerGradient(3, false, rgb, hsl), 256);
        QCOMPARE(hue[0], PackColor(255, 0, 0));
        QCOMPARE(hue[128], HSLToRGB(Hsl(120, 240, 120))); // 128 * 0.9375
        QCOMPARE(hue[128], PackColor(0, 255, 255));
    }

    void pickerKeepsTheOtherValuesOfTheColour_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<PackedColor>("left");
        QTest::addColumn<PackedColor>("right");
        // 10/200/30 is hue 84, saturation 217, luminance 99.
        QTest::newRow("unlinked saturation: grey to full")
            << 4 << false << HSLToRGB(Hsl(84, 0, 120)) << HSLToRGB(Hsl(84, 240, 120));
        QTest::newRow("unlinked luminance: black to white") << 5 << false << kBlack << kWhite;
        QTest::newRow("linked hue")
            << 3 << true << HSLToRGB(Hsl(0, 217, 99)) << HSLToRGB(Hsl(240, 217, 99));
        QTest::newRow("linked luminance: black to white") << 5 << true << kBlack << kWhite;
    }
    void pickerKeepsTheOtherValuesOfTheColour() {
        QFETCH(int, index);
        QFETCH(bool, linked);
        QFETCH(PackedColor, left);
        QFETCH(PackedColor, right);
        const RGBColor rgb = Rgb(10, 200, 30);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        QCOMPARE(hsl, Hsl(84, 217, 99));
        const auto lines = Lines(PickerGradient(index, linked, rgb, hsl), 256);
        QCOMPARE(lines.front(), left);
        QCOMPARE(lines.back(), right);
    }

    void markerRow_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::newRow("red 255 on top") << 255 << 255 << 17 << 0;
        QTest::newRow("red 0 at the bottom") << 0 << 255 << 17 << 16;
        QTest::newRow("red 128: 8.03 rounds to 8") << 128 << 255 << 17 << 8;
        QTest::newRow("red 120: 7.53 rounds to 8") << 120 << 255 << 17 << 8;
        QTest::newRow("hue 240 on top") << 240 << 240 << 17 << 0;
        QTest::newRow("luminance 120 in the middle") << 120 << 240 << 17 << 8;
        QTest::newRow("half goes to the even 0") << 60 << 240 << 3 << 2;
        QTest::newRow("half goes to the even 2") << 180 << 240 << 3 << 0;
    }
    void markerRow() {
        QFETCH(int, value);
        QFETCH(int, scale);
        QFETCH(int, height);
        QFETCH(int, row);
        QCOMPARE(int(MarkerRow(value, scale, height)), row);
    }

    void markerContrast_data() {
        QTest::addColumn<int>("strip");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<PackedColor>("marker");
        QTest::newRow("unlinked red 255: sum 76.5, white")
            << 0 << false << 255 << 255 << 255 << kWhite;
        QTest::newRow("unlinked green 255: sum 150.45, black")
            << 1 << false << 0 << 255 << 0 << kBlack;
        QTest::newRow("unlinked blue of white is dark")
            << 2 << false << 255 << 255 << 255 << kWhite;
        QTest::newRow("linked red of white is white's contrast")
            << 0 << true << 255 << 255 << 255 << kBlack;
        QTest::newRow("unlinked hue 40 is yellow: black")
            << 3 << false << 255 << 255 << 0 << kBlack;
        QTest::newRow("unlinked hue 160 is blue: white") << 3 << false << 0 << 0 << 255 << kWhite;
        QTest::newRow("unlinked luminance of dark blue is dark")
            << 5 << false << 0 << 0 << 60 << kWhite;
    }
    void markerContrast() {
        QFETCH(int, strip);
        QFETCH(bool, linked);
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(PackedColor, marker);
        const RGBColor rgb = Rgb(r, g, b);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        QCOMPARE(ContrastColor(StripMarkerBasis(strip, linked, rgb, hsl)), marker);
    }

    void markerBasisIsNeverSnapped() {
        // Red 120 is not web-safe; its basis stays 120 whatever the mode.
        const RGBColor rgb = Rgb(120, 0, 0);
        HSLColor hsl;
        UpdateHSL(rgb, hsl);
        QCOMPARE(StripMarkerBasis(0, false, rgb, hsl), PackColor(120, 0, 0));
        QCOMPARE(StripMarkerBasis(4, false, rgb, hsl), HSLToRGB(Hsl(0, 240, 120)));
    }
};

QTEST_APPLESS_MAIN(TestGradient)
#include "test_gradient.moc"
