// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Contrast and colour vision on the real main window: the marks, tooltips and
// descriptions of the role buttons following every change, on screen as a
// full repaint shows them, the menu of the preview and the role buttons, the
// simulated preview, and the contrast raised by luminance.
#include "app_style.h"
#include "scheme_roles.h"
#include "window_driver.h"

#include <QApplication>
#include <QBackingStore>
#include <QContextMenuEvent>
#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

const QStringList kVisionEntries{"Normales Farbsehen", "Protanopie (Rotblindheit)",
                                 "Deuteranopie (Grünblindheit)", "Tritanopie (Blaublindheit)",
                                 "Achromatopsie (keine Farben)"};

void Select(frmMain& form, int role) {
    QTest::mouseClick(form.optHPColormode[static_cast<std::size_t>(role)], Qt::LeftButton);
}

// The captions of the open menu's visible entries.
QStringList VisibleEntries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* item : menu->actions()) {
        if (item->isVisible() && !item->isSeparator()) {
            entries << item->text();
        }
    }
    return entries;
}

QStringList RgbBoxes(const frmMain& form) {
    return BoxTexts(form).mid(0, 3);
}

enum class Opening { PreviewClick, ButtonClick, MenuKey, ShiftF10 };

// Opens the scheme menu on a role (or the preview) as a person does; returns
// the open menu, or null.
QMenu* OpenSchemeMenu(frmMain& form, int role, Opening how) {
    QWidget* button = role >= 0 ? form.optHPColormode[static_cast<std::size_t>(role)] : nullptr;
    switch (how) {
    case Opening::PreviewClick:
        Press(form.picHomepageView->client(), QPointF(5, 60), Qt::RightButton);
        Release(form.picHomepageView->client(), QPointF(5, 60), Qt::RightButton);
        break;
    case Opening::ButtonClick: {
        // The desktop turns the right button's press into this event.
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &event);
        break;
    }
    case Opening::MenuKey:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Menu);
        break;
    case Opening::ShiftF10:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier);
        break;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu != nullptr && QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
}

// Where a text role's mark shows: on its button, or where the caption leaves
// no room there, beside the role's line in the preview.
struct ShownMark {
    QString text;
    QWidget* widget;
    QRect room;
    PackedColor background;
};

ShownMark MarkOf(frmMain& form, int role) {
    ColorRadioButton* button = form.optHPColormode[static_cast<std::size_t>(role)];
    if (!button->shownMark().isEmpty()) {
        return {button->shownMark(), button, button->markRoom(), button->backColor()};
    }
    ColorLabel* line = SampleLine(form, role);
    return {line->shownNote(), line, line->noteRoom(), form.picHomepageView->backColor()};
}

// How many pixels of a widget's rectangle, as the window shows it, are of
// the kind asked for.
int PixelsIn(frmMain& form, const QWidget* widget, const QRect& rect,
             const std::function<bool(PackedColor)>& counted) {
    const QImage shot =
        form.grab(QRect(widget->mapTo(&form, rect.topLeft()), rect.size())).toImage();
    int pixels = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            pixels += counted(PixelOf(shot, x, y));
        }
    }
    return pixels;
}

// The page's colour away from every line of text, as painted.
PackedColor PreviewBackground(const frmMain& form) {
    return PixelOf(form.picHomepageView->client()->grab().toImage(), 3, 40);
}

} // namespace

Q_DECLARE_METATYPE(Opening)

class TestContrastWindow : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;
    QFont appFont;

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        appFont = QApplication::font();
    }
    void init() {
        form = OpenMainWindow(desktop, WebPanel::Open);
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        form.reset();
        QApplication::setFont(appFont);
    }

    // Every source of a colour change reaches the marks through the refresh.
    void marksFollowEveryChange_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("background");
        QTest::addColumn<bool>("panelClosed");
        QTest::newRow("start, text") << "" << 1 << "Kontrast zum Hintergrund 12,63:1 – erfüllt AAA"
                                     << "12,6 AAA"
                                     << "Zu wenig Kontrast für AA: Besuchter Link" << false;
        QTest::newRow("start, active link")
            << "" << 3 << "Kontrast zum Hintergrund 11,76:1 – erfüllt AAA"
            << "11,7 AAA"
            << "Zu wenig Kontrast für AA: Besuchter Link" << false;
        QTest::newRow("start, visited link")
            << "" << 4 << "Kontrast zum Hintergrund 4,27:1 – erfüllt AA nur für große Schrift"
            << "AA groß"
            << "Zu wenig Kontrast für AA: Besuchter Link" << false;
        QTest::newRow("WebSafe snapping the text")
            << "snap text" << 1
            << "Kontrast zum Hintergrund 4,20:1 – erfüllt AA nur für große Schrift"
            << "AA groß"
            << "Zu wenig Kontrast für AA: Text, Besuchter Link" << false;
        // Each made on the open panel, and while it was hidden, shown on opening it.
        for (const bool closed : {false, true}) {
            const char* hidden = closed ? ", panel closed" : "";
            QTest::addRow("typing a white background%s", hidden)
                << "type background" << 1 << "Kontrast zum Hintergrund 1,00:1 – zu wenig Kontrast"
                << "1,0 ✗"
                << "Zu wenig Kontrast für AA: Text, Link, Aktiver Link, Besuchter Link" << closed;
            QTest::addRow("Invers on the link%s", hidden)
                << "invert link" << 2 << "Kontrast zum Hintergrund 1,75:1 – zu wenig Kontrast"
                << "1,7 ✗"
                << "Zu wenig Kontrast für AA: Link, Besuchter Link" << closed;
            QTest::addRow("every role readable%s", hidden)
                << "visited white" << 4 << "Kontrast zum Hintergrund 12,63:1 – erfüllt AAA"
                << "12,6 AAA"
                << "Alle Textfarben erfüllen mindestens AA" << closed;
        }
    }
    void marksFollowEveryChange() {
        QFETCH(QString, change);
        QFETCH(int, role);
        QFETCH(QString, words);
        QFETCH(QString, mark);
        QFETCH(QString, background);
        QFETCH(bool, panelClosed);
        // The role is chosen on the open panel; the change may follow with
        // the panel hidden.
        if (change == "invert link" || change == "snap text" || change == "visited white") {
            Select(*form, change == "invert link" ? 2 : change == "snap text" ? 1 : 4);
        }
        if (panelClosed) {
            QTest::mouseClick(form->cmdShowWebFeatures, Qt::LeftButton);
            QVERIFY(!form->WebPanelShown());
        }
        if (change == "type background" || change == "visited white") {
            Type(form->txtValue[6], "#ffffff");
        } else if (change == "invert link") {
            QTest::mouseClick(form->cmdInvert, Qt::LeftButton);
        } else if (change == "snap text") {
            SetColour(*form, 100, 130, 180);
            QTest::mouseClick(form->cmdWebsafeHP, Qt::LeftButton);
        }
        if (panelClosed) {
            QTest::mouseClick(form->cmdShowWebFeatures, Qt::LeftButton);
        }
        const ColorRadioButton* button = form->optHPColormode[static_cast<std::size_t>(role)];
        QCOMPARE(button->toolTip(), words);
        QCOMPARE(button->accessibleDescription(), words);
        QCOMPARE(form->optHPColormode[0]->toolTip(), background);
        QCOMPARE(form->optHPColormode[0]->accessibleDescription(), background);
        if (role >= 3) {
            // Short of room the level is shown alone.
            const QString shown = MarkOf(*form, role).text;
            QVERIFY(!shown.isEmpty() && mark.endsWith(shown));
        } else {
            QCOMPARE(MarkOf(*form, role).text, mark);
        }
        // A mark that changed alone is painted in its room only: the window
        // still shows the role buttons as a full repaint of them does.
        QApplication::processEvents();
        QPaintDevice* device = form->backingStore()->paintDevice();
        QCOMPARE(device->devType(), int(QInternal::Image));
        const QImage shown = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
        for (QWidget* option : form->optHPColormode) {
            const QRect onWindow(option->mapTo(form.get(), QPoint(0, 0)), option->size());
            QCOMPARE(shown.copy(onWindow),
                     option->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    // Whatever room the captions leave, each text role shows one of its marks
    // in one place, inked, and a mark in the preview stays clear of its line.
    void everyRoleShowsItsMark_data() {
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<QString>("background");
        QTest::newRow("start") << 10 << "";
        QTest::newRow("start, larger captions") << 13 << "";
        QTest::newRow("white background, every role failing") << 10 << "#ffffff";
    }
    void everyRoleShowsItsMark() {
        QFETCH(int, fontPixels);
        QFETCH(QString, background);
        QFont captions = QApplication::font();
        captions.setPixelSize(fontPixels);
        QApplication::setFont(captions);
        form = OpenMainWindow(desktop, WebPanel::Open);
        QVERIFY(form);
        if (!background.isEmpty()) {
            Type(form->txtValue[6], background);
        }
        for (int role = 1; role < kRoleCount; ++role) {
            const ShownMark mark = MarkOf(*form, role);
            const QString words = form->optHPColormode[static_cast<std::size_t>(role)]->toolTip();
            QVERIFY2(!mark.text.isEmpty() && mark.widget->rect().contains(mark.room),
                     qPrintable(words));
            QVERIFY(SampleLine(*form, role)->shownNote().isEmpty() ||
                    mark.widget == SampleLine(*form, role));
            const auto ink = [&](PackedColor c) { return c != mark.background; };
            QVERIFY(PixelsIn(*form, mark.widget, mark.room, ink) > 5);
            // A note beside the role's line leaves the line's own text alone.
            const auto text = [&](PackedColor c) { return c == RoleColor(*form, role); };
            QVERIFY(mark.widget != SampleLine(*form, role) ||
                    PixelsIn(*form, mark.widget, mark.room, text) == 0);
        }
    }

    // The mark is painted right of the caption, where the button is bare
    // without it.
    void markIsPaintedRightOfTheCaption() {
        ColorRadioButton* button = form->optHPColormode[1];
        // Painted whole by the button: a changed mark repaints nothing below it.
        QVERIFY(button->testAttribute(Qt::WA_OpaquePaintEvent));
        const QColor back = button->shownPalette().color(QPalette::Window);
        const auto inkRightOfCentre = [&] {
            const QImage shot = button->grab().toImage();
            int ink = 0;
            for (int x = shot.width() * 2 / 3; x < shot.width() - 1; ++x) {
                for (int y = 1; y < shot.height() - 1; ++y) {
                    ink += shot.pixelColor(x, y) != back;
                }
            }
            return ink;
        };
        QVERIFY(inkRightOfCentre() > 10);
        button->setMark({});
        QCOMPARE(inkRightOfCentre(), 0);
    }

    void menuOpensFromPreviewAndRoleButtons_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<Opening>("how");
        QTest::addColumn<QStringList>("raises");
        QTest::newRow("right click on the preview") << -1 << Opening::PreviewClick << QStringList();
        QTest::newRow("right click on the background button")
            << 0 << Opening::ButtonClick << QStringList();
        QTest::newRow("right click on text, AAA already")
            << 1 << Opening::ButtonClick << QStringList();
        QTest::newRow("menu key on the visited link")
            << 4 << Opening::MenuKey
            << QStringList{"Kontrast auf AA anheben", "Kontrast auf AAA anheben"};
        QTest::newRow("Shift+F10 on the visited link")
            << 4 << Opening::ShiftF10
            << QStringList{"Kontrast auf AA anheben", "Kontrast auf AAA anheben"};
    }
    void menuOpensFromPreviewAndRoleButtons() {
        QFETCH(int, role);
        QFETCH(Opening, how);
        QFETCH(QStringList, raises);
        QMenu* menu = OpenSchemeMenu(*form, role, how);
        QVERIFY(menu != nullptr);
        QCOMPARE(VisibleEntries(menu), kVisionEntries + raises);
        QVERIFY(MenuEntry(menu, "Normales Farbsehen")->isChecked());
        menu->close();
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    // Red as the background, then blue: the preview shows each as seen, the
    // scheme keeps its true colours, and normal vision shows them again.
    // Expected colours from the published matrices applied by hand.
    void previewShowsThePageAsSeen_data() {
        QTest::addColumn<int>("vision");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("name");
        QTest::newRow("protanopia") << 1 << 0x005F6D << 0xFF5900 << "Protanopie";
        QTest::newRow("deuteranopia") << 2 << 0x0090A3 << 0xFB3D00 << "Deuteranopie";
        QTest::newRow("tritanopia") << 3 << 0x0F00FF << 0x966B00 << "Tritanopie";
        QTest::newRow("achromatopsia") << 4 << 0x7F7F7F << 0x4C4C4C << "Achromatopsie";
    }
    void previewShowsThePageAsSeen() {
        QFETCH(int, vision);
        QFETCH(int, red);
        QFETCH(int, blue);
        QFETCH(QString, name);
        SetColour(*form, 255, 0, 0);
        QMenu* menu = OpenSchemeMenu(*form, -1, Opening::PreviewClick);
        QVERIFY(menu != nullptr);
        ChooseByHand(menu, MenuEntry(menu, kVisionEntries[vision]));
        QCOMPARE(PreviewBackground(*form), red);
        QCOMPARE(form->lblVision->text(), name);

        SetColour(*form, 0, 0, 255);
        QCOMPARE(PreviewBackground(*form), blue);
        // The scheme itself keeps the true colour.
        QCOMPARE(form->picHomepageView->backColor(), 0xFF0000);
        QCOMPARE(form->optHPColormode[0]->backColor(), 0xFF0000);
        QCOMPARE(form->txtValue[6]->text(), QString("#0000ff"));
        QCOMPARE(form->lblHPLink->foreColor(), 0x00CCFF);

        menu = OpenSchemeMenu(*form, 2, Opening::ButtonClick);
        QVERIFY(menu != nullptr);
        QVERIFY(MenuEntry(menu, kVisionEntries[vision])->isChecked());
        ChooseByHand(menu, MenuEntry(menu, "Normales Farbsehen"));
        QCOMPARE(PreviewBackground(*form), 0xFF0000);
        QCOMPARE(form->lblVision->text(), QString());
    }

    void raisingContrastGoesTheOrdinaryWay_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("visited link to AA")
            << 4 << ""
            << "Kontrast auf AA anheben"
            << QStringList{"158", "157", "108", "39", "49", "126", "#9e9d6c"};
        QTest::newRow("visited link to AAA")
            << 4 << ""
            << "Kontrast auf AAA anheben"
            << QStringList{"196", "195", "165", "39", "50", "170", "#c4c3a5"};
        QTest::newRow("link on white to AA, darker")
            << 2 << "#ffffff"
            << "Kontrast auf AA anheben"
            << QStringList{"143", "115", "0", "32", "240", "68", "#8f7300"};
    }
    void raisingContrastGoesTheOrdinaryWay() {
        QFETCH(int, role);
        QFETCH(QString, background);
        QFETCH(QString, entry);
        QFETCH(QStringList, boxes);
        if (!background.isEmpty()) {
            Type(form->txtValue[6], background);
        }
        QMenu* menu = OpenSchemeMenu(*form, role, Opening::ButtonClick);
        QVERIFY(menu != nullptr);
        QAction* item = MenuEntry(menu, entry);
        QVERIFY(item != nullptr && item->isEnabled());
        ChooseByHand(menu, item);
        QVERIFY(form->optHPColormode[static_cast<std::size_t>(role)]->isChecked());
        QCOMPARE(BoxTexts(*form), boxes);
        const PackedColor raised = PackColor(
            UnpackColor(form->optHPColormode[static_cast<std::size_t>(role)]->backColor()));
        QCOMPARE(raised, PackColor(boxes[0].toShort(), boxes[1].toShort(), boxes[2].toShort()));
        QVERIFY(
            !form->optHPColormode[static_cast<std::size_t>(role)]->toolTip().contains("zu wenig"));
    }

    // On a middle grey no luminance reaches AAA: the entry says so and does nothing.
    void anUnreachableLevelIsOfferedDisabled() {
        Type(form->txtValue[6], "#777777");
        QMenu* menu = OpenSchemeMenu(*form, 1, Opening::ButtonClick);
        QVERIFY(menu != nullptr);
        QCOMPARE(VisibleEntries(menu).mid(5),
                 QStringList({"Kontrast auf AA anheben",
                              "Kontrast auf AAA anheben – mit keiner Helligkeit erreichbar"}));
        QVERIFY(MenuEntry(menu, "Kontrast auf AA anheben")->isEnabled());
        QAction* unreachable = menu->actions().last();
        QVERIFY(!unreachable->isEnabled());
        const QPoint point = menu->actionGeometry(unreachable).center();
        MoveByHand(menu, point, Qt::NoButton);
        QTest::mouseClick(menu, Qt::LeftButton, {}, point);
        QVERIFY(menu->isVisible());
        QCOMPARE(RgbBoxes(*form), QStringList({"119", "119", "119"}));
        QCOMPARE(form->lblHPText->foreColor(), 0xFFFFFF);
    }
};

QTEST_MAIN(TestContrastWindow)
#include "test_contrast_window.moc"
