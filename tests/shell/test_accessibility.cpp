// Names a screen reader announces and the order the Tab key walks.
#include "app_style.h"
#include "fake_desktop.h"
#include "frm_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

using namespace tinctora;

class TestAccessibility : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        form = std::make_unique<frmMain>(desktop);
        QVERIFY(form->Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
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

    void tabWalksTheDesignOrder() {
        const QList<QWidget*> expected = {
            form->txtValue[0],           form->txtValue[1],       form->txtValue[2],
            form->txtValue[6],           form->txtValue[3],       form->txtValue[4],
            form->txtValue[5],           form->chkWebSafe,        form->chkShowHexvalues,
            form->chkLinkChannels,       form->cmdRandom,         form->cmdInvert,
            form->optScreencolorMode[0], form->cmdShowWebFeatures};
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
