// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The key filter, the numeric reading of the boxes and the texts they show.
#include "channel_text.h"

#include <QTest>

using namespace tinctora;

class TestChannelText : public QObject {
    Q_OBJECT
private slots:
    void filterChannelKey_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("received");
        QTest::newRow("digit in red") << 0 << false << int('7') << int('7');
        QTest::newRow("backspace in red") << 0 << false << 8 << 8;
        QTest::newRow("letter cancelled in decimal red") << 0 << false << int('a') << 0;
        QTest::newRow("hex mode: a becomes A") << 0 << true << int('a') << int('A');
        QTest::newRow("hex mode: F kept") << 2 << true << int('F') << int('F');
        QTest::newRow("hex mode: g cancelled") << 1 << true << int('g') << 0;
        QTest::newRow("hue takes no letters in hex mode") << 3 << true << int('a') << 0;
        QTest::newRow("luminance digit") << 5 << false << int('0') << int('0');
        QTest::newRow("minus cancelled") << 4 << false << int('-') << 0;
        QTest::newRow("enter cancelled") << 0 << false << 13 << 0;
        QTest::newRow("escape cancelled") << 6 << false << 27 << 0;
        QTest::newRow("hex box: A becomes a") << 6 << false << int('A') << int('a');
        QTest::newRow("hex box: # accepted") << 6 << false << int('#') << int('#');
        QTest::newRow("hex box: x cancelled") << 6 << false << int('x') << 0;
        QTest::newRow("hex box: minus cancelled") << 6 << false << int('-') << 0;
        QTest::newRow("hex box: backspace") << 6 << false << 8 << 8;
        QTest::newRow("umlaut cancelled") << 0 << true << 0xE4 << 0;
        QTest::newRow("space cancelled") << 6 << false << int(' ') << 0;
    }
    void filterChannelKey() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(int, typed);
        QFETCH(int, received);
        QCOMPARE(FilterChannelKey(index, typed, hex), received);
    }

    void readChannelText_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("300 clamps to 255") << 0 << false << "300" << 255;
        QTest::newRow("empty reads 0") << 0 << false << "" << 0;
        QTest::newRow("hue 250 clamps to 240") << 3 << false << "250" << 240;
        QTest::newRow("hex FF") << 1 << true << "FF" << 255;
        QTest::newRow("hex single F") << 1 << true << "F" << 15;
        QTest::newRow("hue never hex") << 3 << true << "1A" << 1;
        QTest::newRow("leading digits of pasted text") << 0 << false << "12abc" << 12;
        QTest::newRow("no leading digit") << 2 << false << "x12" << 0;
        QTest::newRow("40 digits clamp") << 0 << false << QString(40, '9') << 255;
        QTest::newRow("40 hex digits clamp") << 0 << true << QString(40, 'F') << 255;
        QTest::newRow("leading zeros") << 5 << false << "007" << 7;
        QTest::newRow("unicode digits are not digits") << 0 << false << QString::fromUtf8("٣") << 0;
    }
    void readChannelText() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ReadChannelText(index, text.toStdString(), hex), int16_t(value));
    }

    void texts() {
        QCOMPARE(RgbChannelText(255, true), std::string("FF"));
        QCOMPARE(RgbChannelText(0, true), std::string("00"));
        QCOMPARE(RgbChannelText(128, false), std::string("128"));
        QCOMPARE(RgbChannelText(0, false), std::string("0"));
        RGBColor c;
        c.red = 255;
        c.green = 128;
        c.blue = 0;
        QCOMPARE(HexColorText(PackColor(c)), std::string("#ff8000"));
        QCOMPARE(WebSafeValue(208), int16_t(204));
        QCOMPARE(WebSafeValue(25), int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestChannelText)
#include "test_channel_text.moc"
