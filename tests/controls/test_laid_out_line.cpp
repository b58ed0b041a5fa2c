// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A line kept laid out draws the same pixels as QPainter draws the text
// itself, in the fonts and alignments the windows use, also after its text
// or font changed.
#include "laid_out_line.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace tinctora;

namespace {

QFont Font(const QString& family, int pixels, bool bold, bool underline) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// The text drawn on a dark page in yellow, by the given means.
QImage Drawn(const QFont& font, qreal ratio, const std::function<void(QPainter&)>& draw) {
    QImage image(QSize(120, 30) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(0x333333);
    QPainter painter(&image);
    painter.setPen(QColor(0xffff00));
    painter.setFont(font);
    draw(painter);
    return image;
}

} // namespace

class TestLaidOutLine : public QObject {
    Q_OBJECT

private slots:
    void drawsAsThePainterDoes_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("ratio");
        const QFont line = Font("Tahoma", 12, false, false);
        const QFont link = Font("Tahoma", 12, false, true);
        const QFont mark = Font("Liberation Sans Narrow", 9, false, false);
        const int centredTop = Qt::AlignHCenter | Qt::AlignTop;
        const int right = Qt::AlignRight | Qt::AlignVCenter;
        QTest::newRow("preview line")
            << line << centredTop << QRect(0, 4, 117, 17) << "Normaler Text" << 1.0;
        QTest::newRow("heading") << Font("Tahoma", 16, true, false) << centredTop
                                 << QRect(0, 0, 117, 21) << "Überschrift" << 1.0;
        QTest::newRow("underlined link")
            << link << centredTop << QRect(0, 4, 117, 17) << "Aktiver Link" << 1.0;
        QTest::newRow("mark") << mark << right << QRect(42, 2, 34, 12) << "12,6 AAA" << 1.0;
        QTest::newRow("mark with a sign")
            << mark << right << QRect(43, 2, 33, 12) << "1,7 ✗" << 1.0;
        QTest::newRow("name in a corner") << mark << int(Qt::AlignRight | Qt::AlignBottom)
                                          << QRect(0, 18, 117, 12) << "Deuteranopie" << 1.0;
        QTest::newRow("caption, left")
            << Font("Liberation Sans", 10, false, false)
            << int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic)
            << QRect(20, 0, 57, 16) << "Hintergrund" << 1.0;
        QTest::newRow("too wide, clipped")
            << line << centredTop << QRect(30, 4, 40, 17) << "Besuchter Link" << 1.0;
        QTest::newRow("access key") << line << int(Qt::AlignLeft | Qt::TextShowMnemonic)
                                    << QRect(0, 4, 117, 17) << "&Web >>" << 1.0;
        QTest::newRow("underlined link, scale 2")
            << link << centredTop << QRect(0, 4, 117, 17) << "Aktiver Link" << 2.0;
        QTest::newRow("mark, scale 2")
            << mark << right << QRect(42, 2, 34, 12) << "12,6 AAA" << 2.0;
    }
    void drawsAsThePainterDoes() {
        QFETCH(qreal, ratio);
        QFETCH(QFont, font);
        QFETCH(int, flags);
        QFETCH(QRect, room);
        QFETCH(QString, text);
        const QImage expected =
            Drawn(font, ratio, [&](QPainter& painter) { painter.drawText(room, flags, text); });
        QVERIFY(expected != Drawn(font, ratio, [](QPainter&) {}));
        LaidOutLine line;
        // Laid out for another text and font first, then again for this one,
        // then drawn from the kept layout.
        Drawn(Font("Liberation Sans", 14, true, false), ratio,
              [&](QPainter& painter) { line.draw(painter, room, flags, "Link"); });
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(Drawn(font, ratio,
                           [&](QPainter& painter) { line.draw(painter, room, flags, text); }),
                     expected);
        }
    }
};

QTEST_MAIN(TestLaidOutLine)
#include "test_laid_out_line.moc"
