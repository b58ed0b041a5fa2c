// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's three check boxes are lower than the style's indicator;
// each must still show its indicator whole, at whatever scale the test runs.
#include "app_style.h"
#include "fake_desktop.h"
#include "frm_main.h"

#include <QCheckBox>
#include <QTest>

using namespace tinctora;

class TestCheckBoxes : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    // From the given end of a column, the first pixel that is not the window's
    // background.
    static QColor FirstDrawn(const QImage& image, int x, bool fromBottom, QRgb background) {
        for (int i = 0; i < image.height(); ++i) {
            const int y = fromBottom ? image.height() - 1 - i : i;
            if (image.pixel(x, y) != background) {
                return QColor(image.pixel(x, y));
            }
        }
        return {};
    }

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        form = std::make_unique<frmMain>(desktop);
        QVERIFY(form->Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanupTestCase() { form.reset(); }

    void indicatorIsDrawnWhole_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("Alles WebSafe") << 0;
        QTest::newRow("RGB in Hex") << 1;
        QTest::newRow("Kanäle verbinden") << 2;
    }
    void indicatorIsDrawnWhole() {
        QFETCH(int, which);
        QCheckBox* const boxes[3] = {form->chkWebSafe, form->chkShowHexvalues,
                                     form->chkLinkChannels};
        QCheckBox* box = boxes[which];
        // Unchecked, so that no check mark crosses the column looked at.
        const bool was = box->isChecked();
        box->setChecked(false);
        const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        box->setChecked(was);
        QCOMPARE(box->height(), 13);

        // The indicator's middle column: a whole indicator meets the
        // background with its outline at the top and at the bottom, where a
        // cut-off one shows its light inside.
        const QRgb background = box->palette().color(QPalette::Window).rgb();
        const int x = qRound(6 * image.devicePixelRatio());
        const int backgroundLightness = QColor(background).lightness();
        const QColor top = FirstDrawn(image, x, false, background);
        const QColor bottom = FirstDrawn(image, x, true, background);
        QVERIFY2(top.isValid() && top.lightness() < backgroundLightness - 20,
                 qPrintable(top.name()));
        QVERIFY2(bottom.isValid() && bottom.lightness() < backgroundLightness - 20,
                 qPrintable(bottom.name()));
    }
};

QTEST_MAIN(TestCheckBoxes)
#include "test_check_boxes.moc"
