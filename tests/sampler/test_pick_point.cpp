// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The arrow keys' steps of the picked point: physical pixels at any scale,
// the screen's edges, and the pointer that follows the point.
#include "pick_point.h"

#include <QTest>

using namespace tinctora;

class TestPickPoint : public QObject {
    Q_OBJECT

private slots:
    void arrowsStepOneOrTenPixels_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("isStep");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << true
                              << QPoint(-1, 0);
        QTest::newRow("shift right")
            << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true
            << QPoint(10, 0);
        QTest::newRow("up") << int(Qt::Key_Up) << Qt::KeyboardModifiers() << true << QPoint(0, -1);
        QTest::newRow("shift down, keypad")
            << int(Qt::Key_Down) << (Qt::ShiftModifier | Qt::KeypadModifier) << true
            << QPoint(0, 10);
        QTest::newRow("home") << int(Qt::Key_Home) << Qt::KeyboardModifiers() << false << QPoint();
    }
    void arrowsStepOneOrTenPixels() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, isStep);
        QFETCH(QPoint, step);
        const std::optional<QPoint> got = ArrowStep(key, modifiers);
        QCOMPARE(got.has_value(), isStep);
        QCOMPARE(got.value_or(QPoint()), step);
    }

    // The point stays on the screen: its physical pixels count from the
    // screen's origin, a scaled screen has more of them than logical ones.
    void stepsStopAtTheScreensEdges_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("1: middle")
            << QPoint(2, 0) << QPoint(1, 0) << QPoint(500, 400) << screen << 1.0 << QPoint(3, 0);
        QTest::newRow("1: right edge")
            << QPoint() << QPoint(10, 0) << QPoint(1021, 5) << screen << 1.0 << QPoint(2, 0);
        QTest::newRow("1: top edge")
            << QPoint(0, -3) << QPoint(0, -10) << QPoint(7, 5) << screen << 1.0 << QPoint(0, -5);
        QTest::newRow("1: second screen's left edge")
            << QPoint() << QPoint(-10, 0) << QPoint(1030, 10) << QRect(1024, 0, 800, 600) << 1.0
            << QPoint(-6, 0);
        QTest::newRow("2: every physical pixel") << QPoint(1, 0) << QPoint(0, 1) << QPoint(100, 100)
                                                 << QRect(0, 0, 512, 384) << 2.0 << QPoint(1, 1);
        QTest::newRow("2: bottom right corner") << QPoint() << QPoint(10, 10) << QPoint(511, 383)
                                                << QRect(0, 0, 512, 384) << 2.0 << QPoint(1, 1);
        QTest::newRow("1.25: right edge") << QPoint() << QPoint(10, 0) << QPoint(818, 0)
                                          << QRect(0, 0, 819, 614) << 1.25 << QPoint(1, 0);
        QTest::newRow("1.25: left edge") << QPoint(-1, 0) << QPoint(-10, 0) << QPoint(2, 0)
                                         << QRect(0, 0, 819, 614) << 1.25 << QPoint(-2, 0);
    }
    void stepsStopAtTheScreensEdges() {
        QFETCH(QPoint, offset);
        QFETCH(QPoint, step);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QFETCH(double, scale);
        QFETCH(QPoint, expected);
        QCOMPARE(SteppedOffset(offset, step, pointer, screen, scale), expected);
    }

    // The pointer lands on the logical position nearest the point; what the
    // logical grid cannot reach stays an offset.
    void pointerFollowsThePoint_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("followed");
        QTest::addColumn<QPoint>("left");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("1") << QPoint(500, 400) << QPoint(3, -2) << screen << 1.0 << QPoint(503, 398)
                           << QPoint();
        QTest::newRow("2: odd pixel") << QPoint(100, 100) << QPoint(1, 0) << QRect(0, 0, 512, 384)
                                      << 2.0 << QPoint(100, 100) << QPoint(1, 0);
        QTest::newRow("2: even pixel") << QPoint(100, 100) << QPoint(2, -4) << QRect(0, 0, 512, 384)
                                       << 2.0 << QPoint(101, 98) << QPoint();
        QTest::newRow("1.25: reached") << QPoint(100, 100) << QPoint(1, 0) << QRect(0, 0, 819, 614)
                                       << 1.25 << QPoint(101, 100) << QPoint();
        QTest::newRow("1.25: passed by")
            << QPoint(100, 100) << QPoint(2, 0) << QRect(0, 0, 819, 614) << 1.25 << QPoint(102, 100)
            << QPoint(-1, 0);
        QTest::newRow("1: second screen")
            << QPoint(1030, 10) << QPoint(-6, 0) << QRect(1024, 0, 800, 600) << 1.0
            << QPoint(1024, 10) << QPoint();
    }
    void pointerFollowsThePoint() {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, offset);
        QFETCH(QRect, screen);
        QFETCH(double, scale);
        QFETCH(QPoint, followed);
        QFETCH(QPoint, left);
        const PointerFollow follow = FollowPoint(pointer, offset, screen, scale);
        QCOMPARE(follow.pointer, followed);
        QCOMPARE(follow.offset, left);
        QCOMPARE(PointPosition(follow.pointer, follow.offset, screen, scale),
                 PointPosition(pointer, offset, screen, scale));
    }
};

QTEST_GUILESS_MAIN(TestPickPoint)
#include "test_pick_point.moc"
