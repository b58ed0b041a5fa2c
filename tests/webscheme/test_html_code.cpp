// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page code byte for byte: both code styles, the title as page text, padded
// colour texts and the line breaks.
#include "html_code.h"

#include <QTest>

using namespace tinctora;

Q_DECLARE_METATYPE(tinctora::CodeStyle)

namespace {

const SchemeColors kStartScheme{0x333333, 0xFFFFFF, 0x00CCFF, 0x00FFFF, 0x669999};

QByteArray Lines(const QList<QByteArray>& lines) {
    return lines.join("\r\n");
}

QByteArray Build(const SchemeColors& colours, CodeStyle style, const QByteArray& title) {
    return QByteArray::fromStdString(BuildHtmlCode(colours, style, title.toStdString()));
}

} // namespace

class TestHtmlCode : public QObject {
    Q_OBJECT

private slots:
    void colourText_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("link 255, 204, 0") << 0x00CCFF << "#ffcc00";
        QTest::newRow("red comes first") << 0x030201 << "#010203";
        QTest::newRow("blue 15 padded") << 0x0F0000 << "#00000f";
        QTest::newRow("black") << 0x000000 << "#000000";
        QTest::newRow("white lower case") << 0xFFFFFF << "#ffffff";
        QTest::newRow("visited link") << 0x669999 << "#999966";
    }
    void colourText() {
        QFETCH(int, colour);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(HexColorText(colour)), text);
    }

    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("result");
        QTest::newRow("absent") << "abc"
                                << "%t"
                                << "x"
                                << "abc";
        QTest::newRow("every occurrence") << "%t-%t-%t"
                                          << "%t"
                                          << "T"
                                          << "T-T-T";
        QTest::newRow("adjacent") << "%t%t"
                                  << "%t"
                                  << "ab"
                                  << "abab";
        QTest::newRow("replacement holding the placeholder is not searched again") << "<%t>"
                                                                                   << "%t"
                                                                                   << "%t%t"
                                                                                   << "<%t%t>";
        QTest::newRow("empty replacement") << "a%bgb"
                                           << "%bg"
                                           << ""
                                           << "ab";
        QTest::newRow("case-sensitive") << "%BB %bb"
                                        << "%BB"
                                        << "x"
                                        << "x %bb";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, placeholder);
        QFETCH(QString, replacement);
        QFETCH(QString, result);
        QCOMPARE(QString::fromStdString(ReplaceAll(text.toStdString(), placeholder.toStdString(),
                                                   replacement.toStdString())),
                 result);
    }

    void pageCode_data() {
        QTest::addColumn<SchemeColors>("colours");
        QTest::addColumn<CodeStyle>("style");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QByteArray>("code");

        const QByteArray startBody =
            " <body bgcolor=\"#333333\" text=\"#ffffff\" link=\"#ffcc00\" alink=\"#ffff00\" "
            "vlink=\"#999966\">";
        QTest::newRow("body tag, start scheme")
            << kStartScheme << CodeStyle::BodyTag << QByteArray("Unbenannt")
            << Lines({"<html>", " <head>", "  <title>Unbenannt</title>", " </head>", startBody,
                      " </body>", "</html>"});
        QTest::newRow("css styles, start scheme")
            << kStartScheme << CodeStyle::CssStyles << QByteArray("Unbenannt")
            << Lines({"<html>", " <head>", "  <title>Unbenannt</title>",
                      "  <style type=\"text/css\"><!--", "   body {",
                      "    background-color: #333333;", "    color: #ffffff;", "   }",
                      "   a:link { color: #ffcc00 }", "   a:visited { color: #999966 }",
                      "   a:active { color: #ffff00 }", "  //--></style>", " </head>", " <body>",
                      " </body>", "</html>"});
        QTest::newRow("empty title") << kStartScheme << CodeStyle::BodyTag << QByteArray()
                                     << Lines({"<html>", " <head>", "  <title></title>", " </head>",
                                               startBody, " </body>", "</html>"});
        QTest::newRow("title holding placeholders stays as typed")
            << kStartScheme << CodeStyle::BodyTag << QByteArray("%bg %tx %BB %t")
            << Lines({"<html>", " <head>", "  <title>%bg %tx %BB %t</title>", " </head>", startBody,
                      " </body>", "</html>"});
        QTest::newRow("markup in the title is text")
            << kStartScheme << CodeStyle::BodyTag << QByteArray("<b>Grün & \"Blau\"</b>")
            << Lines({"<html>", " <head>",
                      "  <title>&lt;b&gt;Grün &amp; \"Blau\"&lt;/b&gt;</title>", " </head>",
                      startBody, " </body>", "</html>"});
        QTest::newRow("a closing title tag stays in the title")
            << kStartScheme << CodeStyle::CssStyles << QByteArray("A</title>&B")
            << Lines({"<html>", " <head>", "  <title>A&lt;/title&gt;&amp;B</title>",
                      "  <style type=\"text/css\"><!--", "   body {",
                      "    background-color: #333333;", "    color: #ffffff;", "   }",
                      "   a:link { color: #ffcc00 }", "   a:visited { color: #999966 }",
                      "   a:active { color: #ffff00 }", "  //--></style>", " </head>", " <body>",
                      " </body>", "</html>"});
        QTest::newRow("entities typed in the title are escaped once more")
            << kStartScheme << CodeStyle::BodyTag << QByteArray("&amp; &lt;%t&gt;")
            << Lines({"<html>", " <head>", "  <title>&amp;amp; &amp;lt;%t&amp;gt;</title>",
                      " </head>", startBody, " </body>", "</html>"});
        QTest::newRow("quotes, apostrophes, CR LF and non-ASCII bytes stay")
            << kStartScheme << CodeStyle::BodyTag << QByteArray("\"'\r\n\xc3\xa4\t\x01\xff")
            << Lines({"<html>", " <head>", "  <title>\"'\r\n\xc3\xa4\t\x01\xff</title>", " </head>",
                      startBody, " </body>", "</html>"});
        QTest::newRow("each role in its place, channels padded")
            << SchemeColors{0x010000, 0x000200, 0x000003, 0x0F0000, 0x0000F0}
            << CodeStyle::CssStyles << QByteArray("T")
            << Lines({"<html>", " <head>", "  <title>T</title>", "  <style type=\"text/css\"><!--",
                      "   body {", "    background-color: #000001;", "    color: #000200;", "   }",
                      "   a:link { color: #030000 }", "   a:visited { color: #f00000 }",
                      "   a:active { color: #00000f }", "  //--></style>", " </head>", " <body>",
                      " </body>", "</html>"});
        QTest::newRow("each role in its place, body tag")
            << SchemeColors{0x010000, 0x000200, 0x000003, 0x0F0000, 0x0000F0} << CodeStyle::BodyTag
            << QByteArray("T")
            << Lines({"<html>", " <head>", "  <title>T</title>", " </head>",
                      " <body bgcolor=\"#000001\" text=\"#000200\" link=\"#030000\" "
                      "alink=\"#00000f\" vlink=\"#f00000\">",
                      " </body>", "</html>"});
    }
    void pageCode() {
        QFETCH(SchemeColors, colours);
        QFETCH(CodeStyle, style);
        QFETCH(QByteArray, title);
        QFETCH(QByteArray, code);
        QCOMPARE(Build(colours, style, title), code);
    }

    void lineBreaksAreCarriageReturnLineFeed_data() {
        QTest::addColumn<CodeStyle>("style");
        QTest::addColumn<int>("lines");
        QTest::newRow("body tag") << CodeStyle::BodyTag << 7;
        QTest::newRow("css styles") << CodeStyle::CssStyles << 16;
    }
    void lineBreaksAreCarriageReturnLineFeed() {
        QFETCH(CodeStyle, style);
        QFETCH(int, lines);
        const QByteArray code = Build(kStartScheme, style, "Unbenannt");
        QVERIFY(code.endsWith("</html>"));
        QCOMPARE(code.count("\r\n"), lines - 1);
        QCOMPARE(code.count('\r'), lines - 1);
        QCOMPARE(code.count('\n'), lines - 1);
    }

    void messageTexts() {
        QCOMPARE(QString::fromStdString(WebSafeQuestionText()),
                 QString::fromUtf8("Einige Farben sind nicht WebSafe! Dies kann zu unschönen "
                                   "Rasterungen führen.\r\nSollen sie vorher umgewandelt werden?"));
        QCOMPARE(QByteArray::fromStdString(CodeConfirmationText("<html>\r\n</html>")),
                 QByteArray("HTML Code: \r\r<html>\r\n</html>\r\rProgramm nach Kopieren beenden?"));
    }
};

QTEST_MAIN(TestHtmlCode)
#include "test_html_code.moc"
