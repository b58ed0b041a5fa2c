// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// From pointer positions to channel values and texts, where the picker opens,
// and the texts of the web-safe value menu.
#include "picker_placement.h"
#include "pointer_values.h"
#include "web_safe_menu.h"

#include <QTest>

#include <string>

using namespace tinctora;

class TestPointerValues : public QObject {
    Q_OBJECT
private slots:
    void stripRowsReachTheirValues() {
        // A 17-pixel strip reaches 255, 240, 224, ... 16, 0 on red, green and
        // blue, and 240 - 15 * row on hue, saturation and luminance.
        const int rgbRows[17] = {255, 240, 224, 208, 192, 176, 160, 144, 128,
                                 112, 96,  80,  64,  48,  32,  16,  0};
        for (int row = 0; row < 17; ++row) {
            QCOMPARE(StripValueAt(float(row), 17, 255), rgbRows[row]);
            QCOMPARE(StripValueAt(float(row), 17, 240), 240 - 15 * row);
        }
    }

    void stripValueAt_data() {
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("value");
        QTest::newRow("row 8 of red: 127.5 floors to 127") << 8.0f << 255 << 128;
        QTest::newRow("row 8 of hue") << 8.0f << 240 << 120;
        QTest::newRow("between rows floors") << 0.1f << 255 << 254;
        QTest::newRow("above the strip gives the maximum") << -5.0f << 255 << 255;
        QTest::newRow("far above") << -1e9f << 240 << 240;
        QTest::newRow("below the strip gives 0") << 40.0f << 255 << 0;
        QTest::newRow("far below") << 3e9f << 255 << 0;
    }
    void stripValueAt() {
        QFETCH(float, y);
        QFETCH(int, scale);
        QFETCH(int, value);
        QCOMPARE(StripValueAt(y, 17, scale), value);
    }

    void pickerColumn_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("column");
        QTest::newRow("inside") << 128.0f << 128.0f;
        QTest::newRow("half rounds to even down") << 10.5f << 10.0f;
        QTest::newRow("half rounds to even up") << 11.5f << 12.0f;
        QTest::newRow("left of the strip") << -300.0f << 0.0f;
        QTest::newRow("right of the strip") << 900.0f << 255.0f;
        QTest::newRow("far outside") << 1e12f << 255.0f;
    }
    void pickerColumn() {
        QFETCH(float, x);
        QFETCH(float, column);
        QCOMPARE(PickerColumn(x, 256), column);
    }

    void pickerValueAt_data() {
        QTest::addColumn<float>("column");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("floored");
        QTest::newRow("column 0") << 0.0f << 255 << 0;
        QTest::newRow("last column gives the maximum") << 255.0f << 255 << 255;
        QTest::newRow("last column on hue") << 255.0f << 240 << 240;
        QTest::newRow("hue at 128: 120.47") << 128.0f << 240 << 120;
        QTest::newRow("green at 200") << 200.0f << 255 << 200;
        QTest::newRow("column 17 on hue is 16 exactly") << 17.0f << 240 << 16;
        QTest::newRow("column 238 on hue is 224 exactly") << 238.0f << 240 << 224;
    }
    void pickerValueAt() {
        QFETCH(float, column);
        QFETCH(int, maxValue);
        QFETCH(int, floored);
        QCOMPARE(PickerValueAt(column, 256, int16_t(maxValue)), floored);
    }

    void channelValueText_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<QString>("text");
        QTest::newRow("green 208, hex and web-safe") << 1 << 208 << true << true << "CC";
        QTest::newRow("green 208, hex") << 1 << 208 << true << false << "D0";
        QTest::newRow("green 208, decimal") << 1 << 208 << false << false << "208";
        QTest::newRow("green 208, web-safe decimal") << 1 << 208 << false << true << "204";
        QTest::newRow("red 5 in hex has two digits") << 0 << 5 << true << false << "05";
        QTest::newRow("blue 0") << 2 << 0 << false << false << "0";
        QTest::newRow("blue 25 snaps down") << 2 << 25 << false << true << "0";
        QTest::newRow("blue 26 snaps up") << 2 << 26 << true << true << "33";
        QTest::newRow("hue never snapped nor hex") << 3 << 208 << true << true << "208";
        QTest::newRow("luminance 240") << 5 << 240 << false << true << "240";
    }
    void channelValueText() {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(bool, hex);
        QFETCH(bool, webSafe);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ChannelValueText(index, value, hex, webSafe)), text);
    }

    void pickerStartValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal red") << "128" << 0 << false << 128;
        QTest::newRow("hex green") << "CC" << 1 << true << 204;
        QTest::newRow("hex mode leaves hue decimal") << "99" << 3 << true << 99;
        QTest::newRow("empty text") << "" << 0 << false << 0;
        QTest::newRow("not a number") << "x1" << 2 << false << 0;
        QTest::newRow("above 255 is limited") << "300" << 0 << false << 255;
        QTest::newRow("hue 250 is not limited to 240") << "250" << 3 << false << 250;
        QTest::newRow("hue 999 is limited to 255") << "999" << 4 << false << 255;
        QTest::newRow("three hex digits") << "FFF" << 0 << true << 255;
    }
    void pickerStartValue() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(int, value);
        QCOMPARE(int(PickerStartValue(text.toStdString(), index, hex)), value);
    }

    void pickerMarkerColumn_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("column");
        QTest::newRow("red 0 at column 0") << 0 << 255 << 0;
        QTest::newRow("red 255 on the last column") << 255 << 255 << 255;
        QTest::newRow("red 204 on its own column") << 204 << 255 << 204;
        QTest::newRow("hue 120 at 128") << 120 << 240 << 128;
        // 19 picks 17.88, 20 picks 18.82: the marker goes where 18 is picked.
        QTest::newRow("hue 18 at 20, not 19") << 18 << 240 << 20;
        QTest::newRow("hue 16 at 17 exactly") << 16 << 240 << 17;
        QTest::newRow("hue 240 on the last column") << 240 << 240 << 255;
        QTest::newRow("hue 250 right of the strip") << 250 << 240 << 266;
    }
    void pickerMarkerColumn() {
        QFETCH(int, value);
        QFETCH(int, maxValue);
        QFETCH(int, column);
        QCOMPARE(PickerMarkerColumn(value, int16_t(maxValue), 256), column);
    }

    // Readings "s" on the strip as shown, "u" through Qt's idea of its place
    // and "l" the same level with the strip's rows; -1: the marker waits.
    void pickerFollow_data() {
        QTest::addColumn<int>("marker");
        QTest::addColumn<float>("start");
        QTest::addColumn<bool>("startShown");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("on the marker: follows at once")
            << 100 << 100.0f << true << QStringList{"s103", "s90"} << QList<int>{103, 90};
        QTest::newRow("left of the marker: waits, then follows")
            << 130 << 80.0f << true << QStringList{"s90", "s129", "s131", "s120"}
            << QList<int>{-1, -1, 131, 120};
        QTest::newRow("right of the marker: reached exactly")
            << 10 << 40.0f << true << QStringList{"s30", "s10", "s12"} << QList<int>{-1, 10, 12};
        QTest::newRow("passed over between two readings")
            << 50 << 40.0f << true << QStringList{"s45", "s60"} << QList<int>{-1, 60};
        QTest::newRow("moving away keeps waiting")
            << 130 << 80.0f << true << QStringList{"s70", "s0", "s-40"} << QList<int>{-1, -1, -1};
        QTest::newRow("a marker right of the strip at the last column")
            << 266 << 200.0f << true << QStringList{"s250", "s300"} << QList<int>{-1, 255};
        QTest::newRow("unsure readings continue from the last shown")
            << 100 << 100.0f << true << QStringList{"s110", "u160", "u165", "u100"}
            << QList<int>{110, 110, 115, 50};
        QTest::newRow("unsure from the start: Qt's idea")
            << 100 << 100.0f << true << QStringList{"u104", "u96"} << QList<int>{104, 96};
        // Qt put the strip 50 px left of where it is shown: back on the strip
        // the pointer is 50 columns off the marker, which waits for it.
        QTest::newRow("shown after unsure: waits for the pointer again")
            << 100 << 100.0f << true << QStringList{"u150", "s100", "s149", "s151", "s140"}
            << QList<int>{150, -1, -1, 151, 140};
        // Qt put the strip 9 px right of where it is shown: the pointer it
        // took for right of the marker is left of it on the strip as shown.
        QTest::newRow("start by Qt's idea, shown on the other side: waits")
            << 90 << 92.0f << false << QStringList{"s83", "s89", "s92"} << QList<int>{-1, -1, 92};
        QTest::newRow("start by Qt's idea on the marker, shown off it: waits")
            << 100 << 100.0f << false << QStringList{"s93", "s100", "s104"}
            << QList<int>{-1, 100, 104};
        // The pointer leaves the strip's own window by a 3 px step over its
        // right end and comes back.
        QTest::newRow("off the end level with the strip: the end, then follows")
            << 250 << 250.0f << true << QStringList{"s253", "l256", "l259", "s252", "s240"}
            << QList<int>{253, 255, 255, 252, 240};
        QTest::newRow("off the left end")
            << 10 << 10.0f << true << QStringList{"s2", "l-3", "s5"} << QList<int>{2, 0, 5};
        QTest::newRow("a waiting marker passed on the way off the end")
            << 100 << 50.0f << true << QStringList{"s60", "l300", "s90"} << QList<int>{-1, 255, 90};
        // Qt's idea lies 10 px left of the strip as shown.
        QTest::newRow("off the end where Qt's idea is short of it")
            << 250 << 250.0f << true << QStringList{"s253", "l250", "u250", "u240"}
            << QList<int>{253, 255, 255, 245};
        QTest::newRow("up from beyond the end, as Qt has it")
            << 250 << 250.0f << true << QStringList{"s253", "l258", "u262", "u240"}
            << QList<int>{253, 255, 255, 240};
        QTest::newRow("level with none shown: as they come")
            << 100 << 100.0f << false << QStringList{"l104", "l96"} << QList<int>{104, 96};
    }
    void pickerFollow() {
        QFETCH(int, marker);
        QFETCH(float, start);
        QFETCH(bool, startShown);
        QFETCH(QStringList, readings);
        QFETCH(QList<int>, columns);
        PickerFollow follow(marker, start, 256, startShown);
        for (int k = 0; k < readings.size(); ++k) {
            const float x = readings[k].mid(1).toFloat();
            const std::optional<float> column = readings[k].startsWith('s')
                                                    ? follow.shown(x)
                                                    : follow.unsure(x, readings[k].startsWith('l'));
            QCOMPARE(column ? int(*column) : -1, columns[k]);
        }
    }

    void pickerPlacement_data() {
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<int>("markerColumn");
        QTest::addColumn<int>("clientLeft");
        QTest::addColumn<int>("keepLeft"); // -1: the desktop keeps the window on the screen
        QTest::addColumn<int>("keepRight");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("movedPointer"); // -1: the pointer stays
        // Screen 1024 px; the picker is 256 px plus twice its frame.
        QTest::newRow("marker column under the pointer") << 500 << 0 << 0 << 0 << 1024 << 500 << -1;
        QTest::newRow("the frame to the left") << 500 << 204 << 3 << 0 << 1024 << 293 << -1;
        QTest::newRow("cut off at the left edge") << 100 << 200 << 0 << 0 << 1024 << 0 << 200;
        QTest::newRow("past the right edge, by the overshoot")
            << 1000 << 10 << 0 << 0 << 1024 << 768 << 778;
        QTest::newRow("past the right edge with a frame")
            << 1000 << 10 << 2 << 0 << 1024 << 764 << 776;
        QTest::newRow("flush with the right edge stays") << 768 << 0 << 0 << 0 << 1024 << 768 << -1;
        QTest::newRow("left to the desktop off the screen")
            << 100 << 200 << 0 << -1 << -1 << -100 << -1;
        // A main window from column 300 to 772.
        QTest::newRow("within the window") << 500 << 100 << 0 << 300 << 773 << 400 << -1;
        QTest::newRow("pushed right to the window's left edge")
            << 350 << 200 << 0 << 300 << 773 << 300 << 500;
        QTest::newRow("pushed left to the window's right edge")
            << 700 << 0 << 0 << 300 << 773 << 517 << 517;
        // A window from column 300 to 543, narrower than the strip.
        QTest::newRow("narrow window, room on the right")
            << 350 << 200 << 0 << 300 << 544 << 288 << 488;
        QTest::newRow("narrow window, room on the left")
            << 500 << 0 << 0 << 300 << 544 << 288 << 288;
    }
    void pickerPlacement() {
        QFETCH(int, pointerX);
        QFETCH(int, markerColumn);
        QFETCH(int, clientLeft);
        QFETCH(int, keepLeft);
        QFETCH(int, keepRight);
        QFETCH(int, left);
        QFETCH(int, movedPointer);
        PickerPlacementInput in;
        in.pointerX = pointerX;
        in.markerColumn = markerColumn;
        in.clientLeft = clientLeft;
        in.outerWidth = 256 + 2 * clientLeft;
        if (keepLeft >= 0) {
            in.keepWithin = {keepLeft, keepRight};
        }
        in.swatchBottom = 321;
        const PickerPlacement out = PlacePicker(in);
        QCOMPARE(out.left, left);
        QCOMPARE(out.top, 321);
        QCOMPARE(out.pointerX.value_or(-1), movedPointer);
    }

    // Opening the picker on a box's text and picking again at the column the
    // pointer was left on gives back the same text, for every value of every
    // channel in every mode, wherever on the screen the strip has to open.
    void pointerLeftOnTheMarkerPicksTheBoxsValue_data() {
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<int>("clientLeft");
        QTest::addColumn<int>("screenWidth"); // 0: the desktop places the window
        QTest::newRow("middle of the screen") << 500 << 0 << 1024;
        QTest::newRow("leftmost pixel") << 0 << 0 << 1024;
        QTest::newRow("near the left edge") << 7 << 0 << 1024;
        QTest::newRow("near the right edge") << 1015 << 0 << 1024;
        QTest::newRow("rightmost pixel") << 1023 << 0 << 1024;
        QTest::newRow("framed window near the left edge") << 40 << 1 << 1024;
        QTest::newRow("framed window near the right edge") << 1000 << 4 << 1024;
        QTest::newRow("wide screen, right edge") << 2559 << 0 << 2560;
        QTest::newRow("placed by the desktop") << 30 << 0 << 0;
    }
    void pointerLeftOnTheMarkerPicksTheBoxsValue() {
        QFETCH(int, pointerX);
        QFETCH(int, clientLeft);
        QFETCH(int, screenWidth);
        int checked = 0;
        for (int index = 0; index < 6; ++index) {
            const auto maxValue = int16_t(index <= 2 ? 255 : 240);
            for (const bool hex : {false, true}) {
                for (const bool webSafe : {false, true}) {
                    for (int v = 0; v <= maxValue; ++v) {
                        const std::string text = ChannelValueText(index, v, hex, webSafe);
                        const int16_t start = PickerStartValue(text, index, hex);
                        PickerPlacementInput in;
                        in.pointerX = pointerX;
                        in.markerColumn = PickerMarkerColumn(start, maxValue, 256);
                        in.clientLeft = clientLeft;
                        in.outerWidth = 256 + 2 * clientLeft;
                        if (screenWidth > 0) {
                            in.keepWithin = {0, screenWidth};
                        }
                        const PickerPlacement place = PlacePicker(in);
                        const int pointer = place.pointerX.value_or(pointerX);
                        const auto x = float(pointer - place.left - clientLeft);
                        const int32_t picked = PickerValueAt(PickerColumn(x, 256), 256, maxValue);
                        if (ChannelValueText(index, picked, hex, webSafe) != text) {
                            QFAIL(qPrintable(QString("channel %1 value %2 (hex %3, web-safe %4) "
                                                     "picks %5 at column %6")
                                                 .arg(index)
                                                 .arg(v)
                                                 .arg(hex)
                                                 .arg(webSafe)
                                                 .arg(picked)
                                                 .arg(x)));
                        }
                        if (screenWidth > 0) {
                            QVERIFY(place.left >= 0);
                            QVERIFY(place.left + in.outerWidth <= screenWidth);
                        }
                        ++checked;
                    }
                }
            }
        }
        QCOMPARE(checked, 4 * (3 * 256 + 3 * 241));
    }

    void webSafeCaption_data() {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("decimal") << false
                                 << QStringList{"&0", "&51", "&102", "&153", "&204", "&255"};
        QTest::newRow("hex") << true << QStringList{"&00", "&33", "&66", "&99", "&CC", "&FF"};
    }
    void webSafeCaption() {
        QFETCH(bool, hex);
        QFETCH(QStringList, captions);
        QStringList seen;
        for (int k = 0; k < kWebSafeItems; ++k) {
            seen << QString::fromStdString(WebSafeCaption(k, hex));
        }
        QCOMPARE(seen, captions);
    }

    void webSafeCheckedItem_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("item"); // -1: no item
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("102") << 102 << 2;
        QTest::newRow("153") << 153 << 3;
        QTest::newRow("255") << 255 << 5;
        QTest::newRow("100 is off the grid") << 100 << -1;
        QTest::newRow("1") << 1 << -1;
    }
    void webSafeCheckedItem() {
        QFETCH(int, value);
        QFETCH(int, item);
        QCOMPARE(WebSafeCheckedItem(value).value_or(-1), item);
    }

    void webSafeMenuChannel_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("channel"); // -1: none
        QTest::newRow("red") << "0" << 0;
        QTest::newRow("blue") << "2" << 2;
        QTest::newRow("never opened") << "" << -1;
        QTest::newRow("hue has no menu") << "3" << -1;
        QTest::newRow("not a number") << "x" << -1;
        QTest::newRow("trailing text") << "1x" << -1;
    }
    void webSafeMenuChannel() {
        QFETCH(QString, tag);
        QFETCH(int, channel);
        QCOMPARE(WebSafeMenuChannel(tag.toStdString()).value_or(-1), channel);
    }
};

QTEST_APPLESS_MAIN(TestPointerValues)
#include "test_pointer_values.moc"
