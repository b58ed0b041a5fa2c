// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A button that keeps its looks shows on the screen exactly what a plain
// push button in the same place shows, its rounded corners on the box's
// colour of the moment included, in every state and after every colour.
#include "app_style.h"
#include "fake_desktop.h"
#include "kept_look_button.h"
#include "picture_box.h"
#include "shown_pixels.h"

#include <QTest>

#include <functional>

using namespace tinctora;
using namespace tinctora::testing;

Q_DECLARE_METATYPE(std::function<void(QPushButton*, bool)>)

namespace {

using State = std::function<void(QPushButton*, bool)>;

// Two sunken boxes side by side, as the main window's inverse colour box:
// one holds the kept-look button, the other a plain one as the reference.
// Their places are whole pixels at the scale 1.25 too.
struct Pair {
    QWidget window;
    PictureBox* boxes[2] = {};
    QPushButton* buttons[2] = {};

    Pair() {
        window.setFixedSize(128, 40);
        // The window itself takes the focus where neither button should have it.
        window.setFocusPolicy(Qt::StrongFocus);
        for (int i = 0; i < 2; ++i) {
            boxes[i] = new PictureBox(&window, BoxBorder::Sunken);
            boxes[i]->setGeometry(8 + 64 * i, 8, 53, 25);
            const QString caption = QStringLiteral("Invers");
            buttons[i] = i == 0 ? new KeptLookButton(caption, boxes[i]->client())
                                : new QPushButton(caption, boxes[i]->client());
            buttons[i]->setGeometry(0, 0, 41, 21);
        }
        window.show();
    }
};

} // namespace

class TestKeptLookButton : public QObject {
    Q_OBJECT
    FakeDesktop desktop;

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }

    void looksAsAPlainButton_data() {
        QTest::addColumn<State>("state");
        QTest::newRow("normal") << State([](QPushButton*, bool) {});
        QTest::newRow("hovered") << State([](QPushButton* button, bool on) {
            button->setAttribute(Qt::WA_UnderMouse, on);
            button->update();
        });
        QTest::newRow("pressed") << State(
            [](QPushButton* button, bool on) { button->setDown(on); });
        QTest::newRow("focused by the keyboard") << State([](QPushButton* button, bool on) {
            if (on) {
                // As Tab leaves it: the window shows where the focus is.
                button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
                button->setFocus(Qt::TabFocusReason);
            } else {
                button->window()->setFocus();
            }
        });
        QTest::newRow("disabled") << State(
            [](QPushButton* button, bool on) { button->setEnabled(!on); });
    }
    void looksAsAPlainButton() {
        QFETCH(State, state);
        Pair pair;
        QVERIFY(QTest::qWaitForWindowActive(&pair.window));
        const PackedColor colours[] = {0x000000, 0xFFFFFF, 0x1E90FF, 0xFF00FF, 0x00FF7F, 0x7F7F7F};
        for (int i = 0; i < 6; ++i) {
            // Two colours in the usual look, then the state, kept through
            // four colours.
            if (i == 2) {
                state(pair.buttons[0], true);
            }
            for (PictureBox* box : pair.boxes) {
                box->setBackColor(colours[i]);
            }
            const QImage seen = ShownArea(pair.boxes[0]);
            // The state moves to the reference while it is read.
            if (i >= 2) {
                state(pair.buttons[0], false);
                state(pair.buttons[1], true);
            }
            const QImage expected = ShownArea(pair.boxes[1]);
            if (i >= 2) {
                state(pair.buttons[1], false);
                state(pair.buttons[0], true);
            }
            QVERIFY2(!seen.isNull(), "the backing store holds no image");
            QVERIFY2(seen == expected, qPrintable(QStringLiteral("colour %1: %2")
                                                      .arg(colours[i], 6, 16, QLatin1Char('0'))
                                                      .arg(FirstDifference(seen, expected))));
        }
    }
};

QTEST_MAIN(TestKeptLookButton)
#include "test_kept_look_button.moc"
