// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A button that keeps its looks shows on the screen exactly what a plain
// push button in its place shows, rounded corners on the box's colour of the
// moment included, in every state and after every colour.
#include "kept_look_button.h"
#include "picture_box.h"
#include "shown_pixels.h"

#include <QStyleFactory>
#include <QTest>

using namespace tinctora;

enum class State { Hovered, Pressed, KeyboardFocus, Disabled };

static void Apply(State state, QPushButton* button, bool on) {
    if (state == State::Hovered) {
        button->setAttribute(Qt::WA_UnderMouse, on);
        button->update();
    } else if (state == State::Pressed) {
        button->setDown(on);
    } else if (state == State::Disabled) {
        button->setEnabled(!on);
    } else {
        // As Tab leaves it: the window shows where the focus is.
        button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        on ? button->setFocus(Qt::TabFocusReason) : button->window()->setFocus();
    }
}

class TestKeptLookButton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void looksAsAPlainButton_data() {
        QTest::addColumn<State>("state");
        QTest::newRow("hovered") << State::Hovered;
        QTest::newRow("pressed") << State::Pressed;
        QTest::newRow("focused by the keyboard") << State::KeyboardFocus;
        QTest::newRow("disabled") << State::Disabled;
    }
    void looksAsAPlainButton() {
        QFETCH(State, state);
        // Two boxes as the main window's inverse colour box, on whole pixels
        // at the scale 1.25 too: the kept-look button's and the reference's.
        QWidget window;
        window.setFixedSize(128, 40);
        window.setFocusPolicy(Qt::StrongFocus);
        PictureBox* boxes[2] = {new PictureBox(&window), new PictureBox(&window)};
        QPushButton* buttons[2] = {new KeptLookButton(QStringLiteral("Invers"), boxes[0]->client()),
                                   new QPushButton(QStringLiteral("Invers"), boxes[1]->client())};
        for (int i = 0; i < 2; ++i) {
            boxes[i]->setGeometry(8 + 64 * i, 8, 53, 25);
            buttons[i]->setGeometry(0, 0, 41, 21);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Two colours in the usual look, then four in the state, each shown
        // first on the colour before; the reference takes the state to be read.
        const PackedColor colours[] = {0x000000, 0xFFFFFF, 0x1E90FF, 0xFF00FF, 0x00FF7F, 0x7F7F7F};
        for (int i = 0; i < 6; ++i) {
            Apply(state, buttons[0], i >= 2);
            testing::ShownArea(boxes[0]);
            boxes[0]->setBackColor(colours[i]);
            boxes[1]->setBackColor(colours[i]);
            const QImage seen = testing::ShownArea(boxes[0]);
            Apply(state, buttons[0], false);
            Apply(state, buttons[1], i >= 2);
            const QImage expected = testing::ShownArea(boxes[1]);
            Apply(state, buttons[1], false);
            QVERIFY(!seen.isNull());
            QVERIFY2(seen == expected, qPrintable(testing::FirstDifference(seen, expected)));
        }
    }
};

QTEST_MAIN(TestKeptLookButton)
#include "test_kept_look_button.moc"
