// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text box that paints from pictures must look exactly like a plain line
// edit in the same place, in every state and after every change, on the
// screen's own pixels.
#include "app_style.h"
#include "fake_desktop.h"
#include "line_edit_looks.h"
#include "picture_box.h"
#include "shown_pixels.h"
#include "text_box.h"

#include <QGroupBox>
#include <QTest>

#include <functional>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

enum class Place { GroupBox, PictureBox };

// Two identical containers side by side: one holds the text box, the other
// a plain line edit as the reference. Their places are whole pixels at the
// scales 1.25 and 1.5 too, so that both are drawn alike.
struct Pair {
    QWidget window;
    QWidget* containers[2] = {};
    TextBox* box = nullptr;
    QLineEdit* reference = nullptr;

    Pair(Place place, bool framed) {
        window.setFixedSize(272, 88);
        // The window itself takes the focus where neither editor should have it.
        window.setFocusPolicy(Qt::StrongFocus);
        for (int i = 0; i < 2; ++i) {
            QWidget* inner = nullptr;
            if (place == Place::GroupBox) {
                auto* group = new QGroupBox(QStringLiteral("RGB"), &window);
                group->setGeometry(8 + 128 * i, 8, 120, 72);
                containers[i] = group;
                inner = group;
            } else {
                auto* picture = new PictureBox(&window, BoxBorder::None);
                picture->setGeometry(8 + 128 * i, 8, 120, 72);
                picture->setBackColor(0xFFFFFF);
                containers[i] = picture;
                inner = picture->client();
            }
            QLineEdit* edit = nullptr;
            if (i == 0) {
                box = new TextBox(inner);
                new LineEditLooks(box);
                edit = box;
            } else {
                reference = new QLineEdit(inner);
                edit = reference;
            }
            edit->setFrame(framed);
            edit->setGeometry(37, 41, 57, 19);
        }
        window.show();
    }

    // Applies one change to both editors.
    void both(const std::function<void(QLineEdit*)>& change) {
        change(box);
        change(reference);
    }

    QImage shown(int which) { return ShownArea(containers[which]); }
};

} // namespace

class TestTextBox : public QObject {
    Q_OBJECT
    FakeDesktop desktop;

    // Compares the box's container with the reference's; the focus goes to
    // each in turn where the state needs it.
    // A selection is made after the focus came: losing the focus drops it.
    static void compareLooks(Pair& pair, bool focused, const char* step, bool select = false) {
        if (focused) {
            pair.reference->setFocus();
        } else {
            pair.window.setFocus();
        }
        if (select) {
            pair.reference->selectAll();
        }
        const QImage expected = pair.shown(1);
        if (focused) {
            pair.box->setFocus();
        }
        if (select) {
            pair.box->selectAll();
        }
        const QImage seen = pair.shown(0);
        QVERIFY2(!expected.isNull(), "the backing store holds no image");
        QVERIFY2(seen == expected, qPrintable(QStringLiteral("%1: %2").arg(
                                       QString::fromUtf8(step), FirstDifference(seen, expected))));
    }

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        // A steady cursor: no blink phase can tell two pictures apart.
        QApplication::setCursorFlashTime(0);
    }

    void looksLikeALineEdit_data() {
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("framed");
        QTest::newRow("framed on a group box") << int(Place::GroupBox) << true;
        QTest::newRow("frameless on white") << int(Place::PictureBox) << false;
        QTest::newRow("framed on white") << int(Place::PictureBox) << true;
    }

    void looksLikeALineEdit() {
        QFETCH(int, place);
        QFETCH(bool, framed);
        Pair pair(static_cast<Place>(place), framed);
        QVERIFY(QTest::qWaitForWindowActive(&pair.window));

        const auto text = [&pair](const QString& value) {
            pair.both([&value](QLineEdit* edit) { edit->setText(value); });
        };
        text(QStringLiteral("0"));
        compareLooks(pair, false, "first text");
        text(QStringLiteral("255"));
        compareLooks(pair, false, "new text");
        text(QStringLiteral("0"));
        compareLooks(pair, false, "a text shown before");
        text(QStringLiteral("#ABCDEF0123456789#ABCDEF"));
        compareLooks(pair, false, "text wider than the box, cursor at the end");
        pair.both([](QLineEdit* edit) { edit->setCursorPosition(0); });
        compareLooks(pair, false, "text wider than the box, cursor at the start");

        compareLooks(pair, true, "focused with the cursor");
        compareLooks(pair, true, "focused with a selection", true);
        pair.window.setFocus();
        text(QStringLiteral("17"));
        compareLooks(pair, false, "focus gone again");

        pair.both([](QLineEdit* edit) { edit->setEnabled(false); });
        compareLooks(pair, false, "disabled");
        pair.both([](QLineEdit* edit) { edit->setEnabled(true); });
        compareLooks(pair, false, "enabled again");

        pair.both([](QLineEdit* edit) {
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, QColor(255, 230, 200));
            palette.setColor(QPalette::Text, QColor(120, 0, 0));
            edit->setPalette(palette);
        });
        compareLooks(pair, false, "own colours");
        pair.both([](QLineEdit* edit) {
            QFont font = edit->font();
            font.setPixelSize(14);
            edit->setFont(font);
        });
        compareLooks(pair, false, "larger font");
        pair.both([](QLineEdit* edit) { edit->setAlignment(Qt::AlignRight); });
        compareLooks(pair, false, "right aligned");
        pair.both([](QLineEdit* edit) { edit->resize(70, 21); });
        compareLooks(pair, false, "resized");
        text(QString());
        pair.both([](QLineEdit* edit) { edit->setPlaceholderText(QStringLiteral("leer")); });
        compareLooks(pair, false, "placeholder");
    }

    void aNewBackgroundReachesTheBox() {
        // As when the desktop's colours change: the window paints the
        // background under the group box and the box anew.
        Pair pair(Place::GroupBox, true);
        QVERIFY(QTest::qWaitForWindowActive(&pair.window));
        pair.both([](QLineEdit* edit) { edit->setText(QStringLiteral("#102030")); });
        compareLooks(pair, false, "before");
        QPalette palette = pair.window.palette();
        palette.setColor(QPalette::Window, QColor(200, 220, 255));
        pair.window.setPalette(palette);
        compareLooks(pair, false, "window in new colours");
        // Moved out of the group box's frame: its corners show another
        // background, though nothing of the box itself changed.
        pair.both([](QLineEdit* edit) { edit->move(0, 0); });
        compareLooks(pair, false, "moved to the corner");
    }
};

QTEST_MAIN(TestTextBox)
#include "test_text_box.moc"
