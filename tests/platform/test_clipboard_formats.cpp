// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes the clipboard keeper serves for each format it offers.
#include "clipboard_formats.h"

#include <QTest>

#include <string>

using namespace tinctora;

namespace {

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class ClipboardFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void textInEachFormat_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("served");
        const QByteArray code = "<title>Gr\xC3\xBC\xC3\x9F"
                                "e & Co</title>\r\n</html>";
        for (const char* format :
             {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "TEXT"}) {
            QTest::addRow("%s keeps the UTF-8 bytes", format) << QByteArray(format) << code << code;
        }
        QTest::newRow("STRING holds umlauts as Latin-1") << QByteArray("STRING") << code
                                                         << QByteArray("<title>Gr\xFC\xDF"
                                                                       "e & Co</title>\r\n</html>");
        QTest::newRow("STRING: the euro sign is not Latin-1")
            << QByteArray("STRING") << QByteArray("5 \xE2\x82\xAC") << QByteArray("5 ?");
        QTest::newRow("STRING: one question mark for a four-byte character")
            << QByteArray("STRING") << QByteArray("a\xF0\x9F\x8E\xA8z") << QByteArray("a?z");
        QTest::newRow("STRING: the last Latin-1 character")
            << QByteArray("STRING") << QByteArray("\xC3\xBF") << QByteArray("\xFF");
        QTest::newRow("STRING: an over-long form stands for nothing")
            << QByteArray("STRING") << QByteArray("\xC1\x81") << QByteArray("?");
        QTest::newRow("STRING: a cut-off sequence at the end")
            << QByteArray("STRING") << QByteArray("ok\xC3") << QByteArray("ok?");
        QTest::newRow("STRING: a lead byte followed by no continuation")
            << QByteArray("STRING") << QByteArray("\xC3(") << QByteArray("?(");
        QTest::newRow("STRING: a stray continuation byte")
            << QByteArray("STRING") << QByteArray("\x80x") << QByteArray("?x");
        QTest::newRow("STRING of nothing") << QByteArray("STRING") << QByteArray() << QByteArray();
    }
    void textInEachFormat() {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, served);
        const auto bytes = ClipboardTextAs(format.toStdString(), utf8.toStdString());
        QVERIFY(bytes.has_value());
        QCOMPARE(Bytes(*bytes), served);
    }

    void formatsNotOfferedGiveNothing_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("a picture") << QByteArray("image/png");
        QTest::newRow("rich text") << QByteArray("text/html");
        QTest::newRow("the list of targets") << QByteArray("TARGETS");
        QTest::newRow("case matters") << QByteArray("utf8_string");
        QTest::newRow("nothing") << QByteArray();
    }
    void formatsNotOfferedGiveNothing() {
        QFETCH(QByteArray, format);
        QVERIFY(!ClipboardTextAs(format.toStdString(), "text").has_value());
    }

    // Every format the keeper announces must be one it can serve, or a
    // program that asks for what it was offered gets nothing.
    void everyOfferedFormatIsServed() {
        QVERIFY(!ClipboardTextFormats().empty());
        for (const std::string_view format : ClipboardTextFormats()) {
            QVERIFY2(ClipboardTextAs(format, "x").has_value(), std::string(format).c_str());
        }
    }
};

QTEST_APPLESS_MAIN(ClipboardFormatsTest)
#include "test_clipboard_formats.moc"
