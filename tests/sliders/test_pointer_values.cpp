// From pointer positions to channel values and texts, where the picker opens,
// and the texts of the web-safe value menu.
#include "picker_placement.h"
#include "pointer_values.h"
#include "web_safe_menu.h"

#include <QTest>

#include <cmath>

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
        const float value = PickerValueAt(column, 256, int16_t(maxValue));
        QCOMPARE(int(std::floor(value)), floored);
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

    void pickerMarkerX_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<float>("x");
        QTest::newRow("red 0 at column 0") << 0 << 255 << 0.0f;
        QTest::newRow("red 255 just outside") << 255 << 255 << 256.0f;
        QTest::newRow("hue 120 at 128") << 120 << 240 << 128.0f;
        QTest::newRow("green CC at 204.8") << 204 << 255 << 204.8f;
        QTest::newRow("hue 250 right of the strip") << 250 << 240 << float(250.0 / 240 * 256);
    }
    void pickerMarkerX() {
        QFETCH(int, value);
        QFETCH(int, maxValue);
        QFETCH(float, x);
        QCOMPARE(PickerMarkerX(int16_t(value), int16_t(maxValue), 256), x);
    }

    void pickerPlacement_data() {
        QTest::addColumn<int>("pointerX");
        QTest::addColumn<float>("markerX");
        QTest::addColumn<int>("frameTwips");
        QTest::addColumn<float>("left");
        QTest::addColumn<int>("movedPointer"); // -1: the pointer stays
        // Screen 1024 px = 15360 twips; the picker is 256 px = 3840 twips
        // plus its frame.
        QTest::newRow("marker column under the pointer") << 500 << 0.0f << 0 << 7500.0f << -1;
        QTest::newRow("fractional marker")
            << 500 << 204.8f << 0 << float((500 - 204.8f) * 15.0) << -1;
        QTest::newRow("half the frame to the left") << 500 << 0.0f << 90 << 7455.0f << -1;
        QTest::newRow("cut off at the left edge") << 100 << 200.0f << 0 << 0.0f << 200;
        QTest::newRow("past the right edge, one pixel more")
            << 1000 << 10.0f << 0 << 11520.0f << 779;
        QTest::newRow("flush with the right edge stays") << 768 << 0.0f << 0 << 11520.0f << -1;
    }
    void pickerPlacement() {
        QFETCH(int, pointerX);
        QFETCH(float, markerX);
        QFETCH(int, frameTwips);
        QFETCH(float, left);
        QFETCH(int, movedPointer);
        PickerPlacementInput in;
        in.pointerX = pointerX;
        in.markerX = markerX;
        in.frameWidthTwips = int16_t(frameTwips);
        in.widthTwips = float(3840 + frameTwips);
        in.screenWidthTwips = 15360;
        in.swatchBottom = 321;
        const PickerPlacement out = PlacePicker(in);
        QCOMPARE(out.leftTwips, left);
        QCOMPARE(out.topTwips, 321.0f * 15);
        QCOMPARE(out.pointerX.value_or(-1), movedPointer);
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
