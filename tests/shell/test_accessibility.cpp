// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Names a screen reader announces and the order the Tab key walks.
#include "app_style.h"
#include "picture_box.h"
#include "window_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QScopeGuard>
#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

class TestAccessibility : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        form = OpenMainWindow(desktop);
        QVERIFY(form);
        form->activateWindow();
    }
    void cleanupTestCase() { form.reset(); }

    void editorsAreNamedAfterTheirLabels_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        const char* const names[7] = {"Rot",       "Grün",       "Blau", "Farbton",
                                      "Sättigung", "Helligkeit", "Hex"};
        for (int i = 0; i < 7; ++i) {
            QTest::newRow(names[i]) << i << QString::fromUtf8(names[i]);
        }
    }
    void editorsAreNamedAfterTheirLabels() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(form->txtValue[index]->accessibleName(), name);
        if (index < 6) {
            QVERIFY(form->cmdValpick[index]->accessibleName().endsWith(name));
            QVERIFY(form->picMiniScroll[index]->accessibleName().endsWith(name));
        }
    }

    void swatchesHaveGermanNames() {
        QCOMPARE(form->picColor->accessibleName(), QString("Aktuelle Farbe"));
        QCOMPARE(form->picWSColor->accessibleName(), QString::fromUtf8("Nächste WebSafe-Farbe"));
        QCOMPARE(form->picInvert->accessibleName(), QString("Inverse Farbe"));
        QCOMPARE(form->picScreencolor->accessibleName(), QString("Pipette"));
    }

    void mainWindowIsAFrameNamedByItsCaption() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        QVERIFY(window != nullptr);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Tinctora Version 0.9.9"));
    }

    // Qt announces a QFrame as a frame, which a screen reader takes for a
    // window: picture boxes are pictures or plain containers instead.
    void controlKindsHaveTheirRoles_data() {
        QTest::addColumn<QWidget*>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("red strip") << static_cast<QWidget*>(form->picMiniScroll[0])
                                   << int(QAccessible::Graphic) << "Verlauf Rot";
        QTest::newRow("eyedropper") << static_cast<QWidget*>(form->picScreencolor)
                                    << int(QAccessible::Graphic) << "Pipette";
        QTest::newRow("current colour, holding the web-safe swatch")
            << static_cast<QWidget*>(form->picColor) << int(QAccessible::Client)
            << "Aktuelle Farbe";
        QTest::newRow("red editor's border box")
            << static_cast<QWidget*>(form->picTxtBorder[0]) << int(QAccessible::Client) << "Rot:";
        QTest::newRow("role buttons' box") << static_cast<QWidget*>(form->Picture1)
                                           << int(QAccessible::Client) << "Seitenelemente";
        QTest::newRow("etched line, nameless")
            << static_cast<QWidget*>(form->Line1[0]) << int(QAccessible::Separator) << "";
    }
    void controlKindsHaveTheirRoles() {
        QFETCH(QWidget*, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // The web panel the narrow window cuts off is not in the tree at all.
    void mainWindowListsWhatItShows() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        const auto listed = [window](QWidget* widget) {
            for (int i = 0; i < window->childCount(); ++i) {
                if (window->child(i)->object() == widget) {
                    return window->indexOfChild(window->child(i)) == i;
                }
            }
            return false;
        };
        QVERIFY(listed(form->cmdShowWebFeatures));
        QVERIFY(!listed(form->frameHPTheme));
        form->cmdShowWebFeatures->click();
        QVERIFY(listed(form->frameHPTheme));
        form->cmdShowWebFeatures->click();
        QVERIFY(!listed(form->frameHPTheme));
    }

    void pageTitleBoxIsNamedAfterItsLabel() {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form->txtSiteTitle);
        QVERIFY(box != nullptr);
        QCOMPARE(box->role(), QAccessible::EditableText);
        QCOMPARE(box->text(QAccessible::Name), QString("Seitentitel"));
    }

    // Tab goes on from "&Web >>" only into what the window shows: back to
    // "Beenden" while the web panel is cut off, into the panel once it is open.
    void tabStaysInTheVisiblePanels_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("narrow window") << false << QStringList{"Beenden"};
        QTest::newRow("wide window")
            << true << QStringList{"Hintergrund", "WebSafe",     "Kopieren",
                                   "Body Tag",    "Seitentitel", "Beenden"};
    }
    void tabStaysInTheVisiblePanels() {
        QFETCH(bool, open);
        QFETCH(QStringList, after);
        if (open) {
            form->cmdShowWebFeatures->click();
        }
        const auto close = qScopeGuard([this, open] {
            if (open) {
                form->cmdShowWebFeatures->click();
            }
        });
        form->cmdShowWebFeatures->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (qsizetype i = 0; i < after.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QAccessible::queryAccessibleInterface(QApplication::focusWidget())
                          ->text(QAccessible::Name);
        }
        QCOMPARE(walked, after);
        // What is cut off is not announced either.
        for (QWidget* control : form->frameHPTheme->findChildren<QWidget*>()) {
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible != nullptr);
            QCOMPARE(accessible->state().invisible, !open);
        }
    }

    void tabWalksTheDesignOrder() {
        const QList<QWidget*> expected = {form->txtValue[0],       form->txtValue[1],
                                          form->txtValue[2],       form->txtValue[6],
                                          form->txtValue[3],       form->txtValue[4],
                                          form->txtValue[5],       form->chkWebSafe,
                                          form->chkShowHexvalues,  form->chkLinkChannels,
                                          form->cmdRandom,         form->cmdInvert,
                                          form->picScreencolor,    form->optScreencolorMode[0],
                                          form->cmdShowWebFeatures};
        form->cmdExit->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), form->cmdExit);
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
