// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The five scheme roles on the real main window: selecting a role, the
// current colour flowing into it, the preview and the web-safe snapping.
#include "app_style.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

QStringList RgbBoxes(const frmMain& form) {
    return {form.txtValue[0]->text(), form.txtValue[1]->text(), form.txtValue[2]->text()};
}

void Select(frmMain& form, int role) {
    QTest::mouseClick(form.optHPColormode[static_cast<std::size_t>(role)], Qt::LeftButton);
}

// Background, caption, text, link, active link, visited link.
QList<int> Preview(const frmMain& form) {
    return {form.picHomepageView->backColor(), form.lblHPCaption->foreColor(),
            form.lblHPText->foreColor(),       form.lblHPLink->foreColor(),
            form.lblHPALink->foreColor(),      form.lblHPVLink->foreColor()};
}

QList<int> ButtonBacks(const frmMain& form) {
    QList<int> backs;
    for (const auto* button : form.optHPColormode) {
        backs << button->backColor();
    }
    return backs;
}

PackedColor ButtonText(const ColorRadioButton* button) {
    const QColor c = button->shownPalette().color(QPalette::ButtonText);
    return PackColor(static_cast<int16_t>(c.red()), static_cast<int16_t>(c.green()),
                     static_cast<int16_t>(c.blue()));
}

const QList<int> kStartPreview{0x333333, 0xFFFFFF, 0xFFFFFF, 0x00CCFF, 0x00FFFF, 0x669999};

} // namespace

class TestSchemeRoles : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        form = OpenMainWindow(desktop, WebPanel::Open);
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void startUpLeavesTheSchemeUnchanged() {
        QCOMPARE(Preview(*form), kStartPreview);
        QCOMPARE(ButtonBacks(*form),
                 QList<int>({0x333333, 0xFFFFFF, 0x00CCFF, 0x00FFFF, 0x669999}));
        QVERIFY(form->optHPColormode[0]->isChecked());
        QCOMPARE(ButtonText(form->optHPColormode[0]), kWhite);
    }

    void selectingARoleLoadsItsColour_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("buttonText");
        QTest::newRow("Hintergrund") << 0 << QStringList{"51", "51", "51"} << kWhite;
        QTest::newRow("Text") << 1 << QStringList{"255", "255", "255"} << kBlack;
        QTest::newRow("Link") << 2 << QStringList{"255", "204", "0"} << kBlack;
        QTest::newRow("Aktiver Link") << 3 << QStringList{"255", "255", "0"} << kBlack;
        QTest::newRow("Besuchter Link") << 4 << QStringList{"153", "153", "102"} << kBlack;
    }
    void selectingARoleLoadsItsColour() {
        QFETCH(int, role);
        QFETCH(QStringList, boxes);
        QFETCH(int, buttonText);
        Select(*form, role);
        QVERIFY(form->optHPColormode[static_cast<std::size_t>(role)]->isChecked());
        QCOMPARE(RgbBoxes(*form), boxes);
        QCOMPARE(Preview(*form), kStartPreview);
        QCOMPARE(ButtonText(form->optHPColormode[static_cast<std::size_t>(role)]), buttonText);
    }

    void arrowKeysSelectAndLoadTheNextRole() {
        form->optHPColormode[0]->setFocus();
        QTest::keyClick(form->optHPColormode[0], Qt::Key_Down);
        QVERIFY(form->optHPColormode[1]->isChecked());
        QCOMPARE(RgbBoxes(*form), QStringList({"255", "255", "255"}));
    }

    void typingRecoloursOnlyTheSelectedRole() {
        Select(*form, 2);
        Type(form->txtValue[0], "0");
        Type(form->txtValue[1], "0");
        Type(form->txtValue[2], "255");
        QList<int> expected = kStartPreview;
        expected[3] = 0xFF0000;
        QCOMPARE(Preview(*form), expected);
        QCOMPARE(form->optHPColormode[2]->backColor(), 0xFF0000);
        QCOMPARE(ButtonText(form->optHPColormode[2]), kWhite);
        QCOMPARE(ButtonBacks(*form),
                 QList<int>({0x333333, 0xFFFFFF, 0xFF0000, 0x00FFFF, 0x669999}));
    }

    void textRoleColoursCaptionAndBodyText() {
        Select(*form, 1);
        SetColour(*form, 1, 2, 3);
        QCOMPARE(form->lblHPCaption->foreColor(), 0x030201);
        QCOMPARE(form->lblHPText->foreColor(), 0x030201);
    }

    void switchingRolesRestoresTheColourAsLeft() {
        Select(*form, 2);
        SetColour(*form, 10, 20, 30);
        Select(*form, 4);
        QCOMPARE(RgbBoxes(*form), QStringList({"153", "153", "102"}));
        Select(*form, 2);
        QCOMPARE(RgbBoxes(*form), QStringList({"10", "20", "30"}));
        QCOMPARE(form->txtValue[6]->text(), QString("#0a141e"));
    }

    void bindingHoldsWhileThePanelIsHidden() {
        form->cmdShowWebFeatures_Click();
        QCOMPARE(form->cmdShowWebFeatures->text(), QString("&Web >>"));
        SetColour(*form, 200, 100, 0);
        QCOMPARE(form->picHomepageView->backColor(), 0x0064C8);
        QCOMPARE(form->optHPColormode[0]->backColor(), 0x0064C8);
        QCOMPARE(ButtonText(form->optHPColormode[0]), kWhite);
    }

    void choosingTheCodeStyleKeepsTheSelectedRole_data() {
        QTest::addColumn<int>("style");
        QTest::newRow("CSS Styles") << 1;
        QTest::newRow("Body Tag again") << 0;
    }
    void choosingTheCodeStyleKeepsTheSelectedRole() {
        QFETCH(int, style);
        Select(*form, 2);
        QTest::mouseClick(form->optHPDMode[1], Qt::LeftButton);
        QTest::mouseClick(form->optHPDMode[static_cast<std::size_t>(style)], Qt::LeftButton);
        QVERIFY(form->optHPDMode[static_cast<std::size_t>(style)]->isChecked());
        QVERIFY(!form->optHPDMode[static_cast<std::size_t>(1 - style)]->isChecked());
        QVERIFY(form->optHPColormode[2]->isChecked());
        SetColour(*form, 0, 0, 255);
        QCOMPARE(form->lblHPLink->foreColor(), 0xFF0000);
    }

    void allWebSafeModeSnapsTheLoadedRole() {
        Select(*form, 2);
        SetColour(*form, 255, 204, 1);
        Select(*form, 0);
        form->chkWebSafe->click();
        Select(*form, 2);
        QCOMPARE(RgbBoxes(*form), QStringList({"255", "204", "0"}));
        QCOMPARE(form->lblHPLink->foreColor(), 0x00CCFF);
    }

    void webSafeButtonSnapsTheWholeScheme_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("background selected") << 0 << QStringList{"51", "102", "153"};
        QTest::newRow("link selected") << 2 << QStringList{"255", "204", "0"};
        QTest::newRow("visited link selected") << 4 << QStringList{"102", "0", "255"};
    }
    void webSafeButtonSnapsTheWholeScheme() {
        QFETCH(int, selected);
        QFETCH(QStringList, boxes);
        Select(*form, 0);
        SetColour(*form, 52, 100, 130);
        Select(*form, 2);
        SetColour(*form, 255, 204, 1);
        Select(*form, 4);
        SetColour(*form, 100, 25, 230);
        Select(*form, selected);

        QTest::mouseClick(form->cmdWebsafeHP, Qt::LeftButton);

        QCOMPARE(RgbBoxes(*form), boxes);
        const QList<int> snapped{0x996633, 0xFFFFFF, 0xFFFFFF, 0x00CCFF, 0x00FFFF, 0xFF0066};
        QCOMPARE(Preview(*form), snapped);
        // Every role button shows its role's snapped colour, selected or not.
        QCOMPARE(ButtonBacks(*form),
                 QList<int>({0x996633, 0xFFFFFF, 0x00CCFF, 0x00FFFF, 0xFF0066}));
        QCOMPARE(ButtonText(form->optHPColormode[0]), kWhite);
        QCOMPARE(ButtonText(form->optHPColormode[4]), kWhite);
    }

    void webSafeButtonLeavesAWebSafeSchemeAlone() {
        Select(*form, 3);
        QTest::mouseClick(form->cmdWebsafeHP, Qt::LeftButton);
        QCOMPARE(Preview(*form), kStartPreview);
        QCOMPARE(RgbBoxes(*form), QStringList({"255", "255", "0"}));
        // An unchanged role keeps the toolkit's own button text.
        QCOMPARE(form->optHPColormode[2]->shownPalette().color(QPalette::ButtonText),
                 form->cmdWebsafeHP->palette().color(QPalette::ButtonText));
    }

    void clickingTheWebSafeSwatchOrMarkSnapsTheCurrentColour_data() {
        QTest::addColumn<bool>("onMark");
        QTest::newRow("the web-safe swatch") << false;
        QTest::newRow("the \"!\" mark") << true;
    }
    void clickingTheWebSafeSwatchOrMarkSnapsTheCurrentColour() {
        QFETCH(bool, onMark);
        Select(*form, 1);
        SetColour(*form, 100, 130, 180);
        QVERIFY(form->lblCaution->isVisible());
        QWidget* target =
            onMark ? static_cast<QWidget*>(form->lblCaution) : form->picWSColor->client();
        const QPoint at = onMark ? form->lblCaution->rect().center()
                                 : QPoint(target->width() - 2, target->height() - 2);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QCOMPARE(RgbBoxes(*form), QStringList({"102", "153", "204"}));
        QCOMPARE(form->lblHPCaption->foreColor(), 0xCC9966);
        QCOMPARE(form->lblHPText->foreColor(), 0xCC9966);
        QVERIFY(!form->lblCaution->isVisible());
    }

    void roleButtonsPaintTheirColours_data() {
        QTest::addColumn<int>("role");
        QTest::newRow("Hintergrund") << 0;
        QTest::newRow("Link") << 2;
        QTest::newRow("Besuchter Link") << 4;
    }
    void roleButtonsPaintTheirColours() {
        QFETCH(int, role);
        Select(*form, role);
        SetColour(*form, 0, 102, 51);
        const QImage shot = form->optHPColormode[static_cast<std::size_t>(role)]->grab().toImage();
        // The top right corner is clear of the indicator and the caption.
        QCOMPARE(shot.pixelColor(shot.width() - 2, 1), ToQColor(0x336600));
    }

    void previewLabelsFollowTheDesign_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::newRow("caption") << 0 << QString::fromUtf8("Überschrift") << 12 << true << false;
        QTest::newRow("text") << 1 << "Normaler Text" << 9 << false << false;
        QTest::newRow("link") << 2 << "Normaler Link" << 9 << false << true;
        QTest::newRow("active link") << 3 << "Aktiver Link" << 9 << false << true;
        QTest::newRow("visited link") << 4 << "Besuchter Link" << 9 << false << true;
    }
    void previewLabelsFollowTheDesign() {
        QFETCH(int, label);
        QFETCH(QString, text);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        const ColorLabel* labels[] = {form->lblHPCaption, form->lblHPText, form->lblHPLink,
                                      form->lblHPALink, form->lblHPVLink};
        const ColorLabel* l = labels[label];
        QCOMPARE(l->text(), text);
        QCOMPARE(l->font().pointSize(), points);
        QCOMPARE(l->font().bold(), bold);
        QCOMPARE(l->font().underline(), underline);
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QVERIFY(!l->autoFillBackground());
        // Transparent: the preview's background shows through around the text.
        Select(*form, 0);
        SetColour(*form, 0, 51, 102);
        const QImage shot = form->picHomepageView->client()->grab().toImage();
        QCOMPARE(shot.pixelColor(l->geometry().left() + 1, l->geometry().top() + 1),
                 ToQColor(0x663300));
    }
};

QTEST_MAIN(TestSchemeRoles)
#include "test_scheme_roles.moc"
