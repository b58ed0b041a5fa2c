// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture box whose colour changes repaints around the picture boxes that
// sit on it, never under them, a label on a box is painted with the box,
// and the screen still shows what a full repaint of the window would.
#include "app_style.h"
#include "controls.h"
#include "fake_desktop.h"
#include "picture_box.h"
#include "shown_pixels.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace tinctora;
using namespace tinctora::testing;

Q_DECLARE_METATYPE(std::function<void(PictureBox*, PictureBox*)>)

namespace {

using Change = std::function<void(PictureBox*, PictureBox*)>;

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// The current colour's swatch as the main window has it: a sunken box with
// a flat box on it that reaches past its edge and holds a translucent label,
// and a button standing on the same swatch.
struct Swatch {
    QWidget window;
    PictureBox* outer = nullptr;
    PictureBox* inner = nullptr;

    Swatch() {
        window.setFixedSize(120, 60);
        outer = new PictureBox(&window, BoxBorder::Sunken);
        outer->setGeometry(10, 10, 100, 33);
        outer->setBackColor(0x204060);
        inner = new PictureBox(outer->client(), BoxBorder::Flat);
        inner->setGeometry(70, 4, 29, 33);
        inner->setBackColor(0x336699);
        auto* label = new ColorLabel(QStringLiteral("!"), inner->client());
        label->setGeometry(4, 0, 17, 25);
        label->setForeColor(0xFFFFFF);
        auto* button = new QPushButton(QStringLiteral("Invers"), outer->client());
        button->setGeometry(2, 2, 40, 20);
        window.show();
    }

    // What the window's backing store holds: the pixels the screen gets.
    QImage shown() { return ShownPixels(&window); }

    // The whole window painted afresh.
    QImage repainted() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

ColorLabel* LabelOn(PictureBox* box) {
    return box->client()->findChild<ColorLabel*>();
}

// The label made wide enough for a note right of its text.
void NoteBeside(PictureBox* inner, const QString& note) {
    ColorLabel* label = LabelOn(inner);
    label->setGeometry(2, 4, 25, 25);
    QFont small = label->font();
    small.setPixelSize(7);
    label->setNoteFont(small);
    label->setNote({note});
}

} // namespace

class TestPictureBox : public QObject {
    Q_OBJECT
    FakeDesktop desktop;

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }

    void changesLookLikeAFullRepaint_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("the swatch's colour")
            << Change([](PictureBox* outer, PictureBox*) { outer->setBackColor(0xF0E0D0); });
        QTest::newRow("the inner box's colour")
            << Change([](PictureBox*, PictureBox* inner) { inner->setBackColor(0x00FF00); });
        QTest::newRow("both colours") << Change([](PictureBox* outer, PictureBox* inner) {
            outer->setBackColor(0x000000);
            inner->setBackColor(0xFFFFFF);
        });
        QTest::newRow("the inner box hidden, then the colour")
            << Change([](PictureBox* outer, PictureBox* inner) {
                   inner->hide();
                   QApplication::processEvents();
                   outer->setBackColor(0x808000);
               });
        QTest::newRow("the inner box moved, then the colour")
            << Change([](PictureBox* outer, PictureBox* inner) {
                   inner->move(30, 2);
                   QApplication::processEvents();
                   outer->setBackColor(0x008080);
               });
        QTest::newRow("a note beside the label") << Change([](PictureBox*, PictureBox* inner) {
            NoteBeside(inner, QStringLiteral("x"));
            QApplication::processEvents();
            LabelOn(inner)->setNote({QStringLiteral("o")});
        });
        QTest::newRow("the label's text") << Change(
            [](PictureBox*, PictureBox* inner) { LabelOn(inner)->setText(QStringLiteral("?")); });
        QTest::newRow("the label hidden")
            << Change([](PictureBox*, PictureBox* inner) { LabelOn(inner)->hide(); });
        QTest::newRow("the label moved and widened") << Change(
            [](PictureBox*, PictureBox* inner) { LabelOn(inner)->setGeometry(8, 3, 19, 25); });
        QTest::newRow("the label shown again") << Change([](PictureBox*, PictureBox* inner) {
            LabelOn(inner)->hide();
            QApplication::processEvents();
            LabelOn(inner)->show();
        });
        QTest::newRow("the colour, then the inner box moved")
            << Change([](PictureBox* outer, PictureBox* inner) {
                   outer->setBackColor(0x800080);
                   QApplication::processEvents();
                   inner->move(10, 8);
               });
    }
    void changesLookLikeAFullRepaint() {
        QFETCH(Change, change);
        Swatch swatch;
        QVERIFY(QTest::qWaitForWindowExposed(&swatch.window));
        QVERIFY(!swatch.shown().isNull());
        change(swatch.outer, swatch.inner);
        const QImage shown = swatch.shown();
        const QImage repainted = swatch.repainted();
        QCOMPARE(shown.size(), repainted.size());
        QVERIFY(shown == repainted);
    }

    // The box draws its label as the label's own paint would: the text in
    // its colour, font and alignment, clipped to the label.
    void aLabelLooksAsDrawnOnItsOwn() {
        Swatch swatch;
        QVERIFY(QTest::qWaitForWindowExposed(&swatch.window));
        ColorLabel* label = LabelOn(swatch.inner);
        label->setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        label->resize(17, 20);
        const QImage shown = swatch.shown();
        QImage alone(label->size(), QImage::Format_RGB32);
        alone.fill(QColor(0x99, 0x66, 0x33));
        QPainter painter(&alone);
        painter.setPen(Qt::white);
        painter.setFont(label->font());
        painter.drawText(label->contentsRect(), static_cast<int>(label->alignment()),
                         label->text());
        painter.end();
        const QRect area(label->mapTo(&swatch.window, QPoint(0, 0)), label->size());
        QCOMPARE(shown.copy(area), alone);
    }

    void theInnerBorderIsNotPaintedForTheColourAroundIt() {
        Swatch swatch;
        QVERIFY(QTest::qWaitForWindowExposed(&swatch.window));
        swatch.shown();
        // The inner box's border is what a repaint around it would touch: Qt
        // already leaves out the client area, which paints all of itself.
        PaintCounter innerPaints;
        swatch.inner->installEventFilter(&innerPaints);
        PaintCounter outerPaints;
        swatch.outer->client()->installEventFilter(&outerPaints);
        swatch.outer->setBackColor(0xABCDEF);
        swatch.shown();
        QCOMPARE(outerPaints.paints, 1);
        QCOMPARE(innerPaints.paints, 0);
        swatch.inner->move(swatch.inner->pos() + QPoint(-1, 0));
        swatch.shown();
        QCOMPARE(innerPaints.paints, 1);
    }

    // A label on a box is drawn by the box's paint, once, also where the box
    // and the label change together, and never by a paint of its own; a
    // hidden one not at all.
    void aLabelIsPaintedOnceWithTheBoxBelow() {
        Swatch swatch;
        QVERIFY(QTest::qWaitForWindowExposed(&swatch.window));
        NoteBeside(swatch.inner, QStringLiteral("x"));
        swatch.shown();
        PaintCounter boxPaints;
        swatch.inner->client()->installEventFilter(&boxPaints);
        PaintCounter labelPaints;
        LabelOn(swatch.inner)->installEventFilter(&labelPaints);
        swatch.inner->setBackColor(0x654321);
        LabelOn(swatch.inner)->setNote({QStringLiteral("o")});
        swatch.shown();
        QCOMPARE(boxPaints.paints, 1);
        QCOMPARE(labelPaints.paints, 0);
        // Out of sight, a label's change paints nothing.
        LabelOn(swatch.inner)->hide();
        swatch.shown();
        boxPaints.paints = 0;
        LabelOn(swatch.inner)->setForeColor(0x00FF00);
        swatch.shown();
        QCOMPARE(boxPaints.paints, 0);
    }
};

QTEST_MAIN(TestPictureBox)
#include "test_picture_box.moc"
