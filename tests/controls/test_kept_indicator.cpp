// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An option button's kept indicator draws the pixels the style draws, for
// each look, on its first drawing and from what it kept, also after other
// looks were drawn in between.
#include "kept_indicator.h"

#include <QApplication>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

using namespace tinctora;

namespace {

// The indicator of an option button in a colour, drawn by the given means on
// the button's background.
QImage Drawn(const QRadioButton& button, QRgb background, bool checked, qreal ratio,
             const std::function<void(QPainter&, const QStyleOptionButton&)>& draw) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.palette.setColor(QPalette::Window, QColor(background));
    option.palette.setColor(QPalette::Button, QColor(background));
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    option.rect = QRect(3, 2, 13, 13);
    QImage image(QSize(24, 18) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    draw(painter, option);
    return image;
}

} // namespace

class TestKeptIndicator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void drawsAsTheStyleDoes_data() {
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("dark, checked") << QRgb(0x333333) << true << 1.0;
        QTest::newRow("white, not checked") << QRgb(0xffffff) << false << 1.0;
        QTest::newRow("yellow, checked") << QRgb(0xffff00) << true << 1.0;
        QTest::newRow("blue, checked, scale 2") << QRgb(0x0000ff) << true << 2.0;
    }
    void drawsAsTheStyleDoes() {
        QFETCH(QRgb, background);
        QFETCH(bool, checked);
        QFETCH(qreal, ratio);
        QRadioButton button;
        const auto byStyle = [&](QRgb colour, bool on) {
            return Drawn(button, colour, on, ratio,
                         [&](QPainter& painter, const QStyleOptionButton& option) {
                             button.style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option,
                                                           &painter, &button);
                         });
        };
        KeptIndicator kept;
        const auto fromKept = [&](QRgb colour, bool on) {
            return Drawn(button, colour, on, ratio,
                         [&](QPainter& painter, const QStyleOptionButton& option) {
                             kept.draw(painter, option, &button);
                         });
        };
        const QImage expected = byStyle(background, checked);
        QVERIFY(expected != Drawn(button, background, checked, ratio,
                                  [](QPainter&, const QStyleOptionButton&) {}));
        QCOMPARE(fromKept(background, checked), expected);
        QCOMPARE(fromKept(background, checked), expected);
        // Other looks in between, fewer than are kept and then so many that
        // this one went; each of them right too.
        for (const std::size_t others : {std::size_t(2), KeptIndicator::kKeptLooks + 1}) {
            for (std::size_t i = 0; i < others; ++i) {
                const QRgb colour = 0x102030 + static_cast<QRgb>(i) * 0x050607;
                QCOMPARE(fromKept(colour, !checked), byStyle(colour, !checked));
            }
            QCOMPARE(fromKept(background, checked), expected);
        }
    }
};

QTEST_MAIN(TestKeptIndicator)
#include "test_kept_indicator.moc"
