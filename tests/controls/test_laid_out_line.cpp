// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A line kept laid out draws the pixels QPainter draws for the text itself,
// in the fonts and alignments the windows use, also after a change of text
// and font, from its kept ink on pages and in colours other than those it
// was first drawn on, in colours drawn by turns, and among other texts drawn
// by turns.
#include "laid_out_line.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <array>

using namespace tinctora;

namespace {

QFont Font(const QString& family, int pixels, bool underline) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setUnderline(underline);
    return font;
}

// Text in a colour on a page, yellow on dark grey unless told, drawn by the
// given means.
QImage Drawn(const QFont& font, qreal ratio, const std::function<void(QPainter&)>& draw,
             QRgb page = 0x333333, QRgb pen = 0xffff00) {
    QImage image(QSize(120, 30) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(page);
    QPainter painter(&image);
    painter.setPen(QColor(pen));
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
        const QFont link = Font("Tahoma", 12, true);
        const QFont mark = Font("Liberation Sans Narrow", 9, false);
        const int centred = Qt::AlignHCenter | Qt::AlignTop;
        const int right = Qt::AlignRight | Qt::AlignVCenter;
        const int caption =
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        QTest::newRow("link line")
            << link << centred << QRect(0, 4, 117, 17) << "Aktiver Link" << 1.0;
        QTest::newRow("mark, scale 2") << mark << right << QRect(43, 2, 33, 12) << "1,7 ✗" << 2.0;
        QTest::newRow("corner") << mark << int(Qt::AlignRight | Qt::AlignBottom)
                                << QRect(0, 18, 117, 12) << "Deuteranopie" << 1.0;
        QTest::newRow("caption") << Font("Liberation Sans", 10, false) << caption
                                 << QRect(20, 0, 57, 16) << "Hintergrund" << 1.0;
        QTest::newRow("too wide: the painter's clip")
            << link << centred << QRect(30, 4, 40, 17) << "Besuchter Link" << 1.0;
        QFont caution("Times New Roman");
        caution.setPixelSize(24);
        caution.setBold(true);
        QTest::newRow("too tall, its ink inside")
            << caution << centred << QRect(50, 0, 17, 25) << "!" << 1.0;
        QTest::newRow("too tall: the painter's clip")
            << caution << int(Qt::AlignHCenter | Qt::AlignBottom) << QRect(50, 2, 17, 12) << "!"
            << 1.0;
    }
    void drawsAsThePainterDoes() {
        QFETCH(QFont, font);
        QFETCH(int, flags);
        QFETCH(QRect, room);
        QFETCH(QString, text);
        QFETCH(qreal, ratio);
        const QImage expected =
            Drawn(font, ratio, [&](QPainter& painter) { painter.drawText(room, flags, text); });
        QVERIFY(expected != Drawn(font, ratio, [](QPainter&) {}));
        LaidOutLine line;
        // Laid out for another text and font first, then anew for this one,
        // then drawn from the kept layout.
        Drawn(Font("Liberation Sans", 14, false), ratio,
              [&](QPainter& painter) { line.draw(painter, room, flags, "Link"); });
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(Drawn(font, ratio,
                           [&](QPainter& painter) { line.draw(painter, room, flags, text); }),
                     expected);
        }
        // The text on a page in a colour, from the kept line or by the painter.
        const auto drawnOn = [&](QRgb page, QRgb pen, bool kept) {
            return Drawn(
                font, ratio,
                [&](QPainter& painter) {
                    if (kept) {
                        line.draw(painter, room, flags, text);
                    } else {
                        painter.drawText(room, flags, text);
                    }
                },
                page, pen);
        };
        // Pages that change below a line of one colour, as a drag through
        // the background gives, then another colour: where glyphs share a
        // pixel, the kept ink still rounds it as drawing them one by one.
        for (const QRgb pen : {0xffff00u, 0x000000u, 0x663399u}) {
            for (const QRgb page :
                 {0x333333u, 0x000000u, 0xffffffu, 0x7f7f7fu, 0x1e90ffu, 0xfa8072u}) {
                QCOMPARE(drawnOn(page, pen, true), drawnOn(page, pen, false));
                QCOMPARE(drawnOn(page, pen, true), drawnOn(page, pen, false));
            }
        }
        // A caption whose colour turns with the page's brightness: two
        // colours in turn, then more colours in turn than a line keeps inks.
        const std::array<QRgb, LaidOutLine::kKeptLooks + 1> pens = {0xffffffu, 0x000000u, 0xffff00u,
                                                                    0x663399u, 0x00ff00u};
        for (const std::size_t colours : {std::size_t(2), pens.size()}) {
            for (int round = 0; round < 4; ++round) {
                for (std::size_t c = 0; c < colours; ++c) {
                    QCOMPARE(drawnOn(0x7f7f7f, pens[c], true), drawnOn(0x7f7f7f, pens[c], false));
                }
            }
        }
        // Other texts drawn in between, as a mark changes with the strip's
        // rows: fewer than are kept, then so many that this one went.
        for (const std::size_t others : {std::size_t(3), LaidOutLine::kKeptTexts + 1}) {
            for (std::size_t i = 0; i < others; ++i) {
                Drawn(font, ratio, [&](QPainter& painter) {
                    line.draw(painter, room, flags, QString::number(i));
                });
            }
            QCOMPARE(Drawn(font, ratio,
                           [&](QPainter& painter) { line.draw(painter, room, flags, text); }),
                     expected);
        }
    }
};

QTEST_MAIN(TestLaidOutLine)
#include "test_laid_out_line.moc"
