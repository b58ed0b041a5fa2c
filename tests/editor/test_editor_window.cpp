// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour editor as a person sees it: typing into the boxes, the modes and
// the quick actions, checked on the real main window with the fake desktop.
#include "app_style.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGlyphRun>
#include <QMenu>
#include <QTest>
#include <QTextLayout>

using namespace tinctora;
using namespace tinctora::testing;

class TestEditorWindow : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        form = OpenMainWindow(desktop);
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void startUpShowsTheDarkGrey() {
        QCOMPARE(BoxTexts(*form), QStringList({"51", "51", "51", "0", "0", "48", "#333333"}));
        QVERIFY(form->lblCaution->isHidden());
        QCOMPARE(form->picInvert->backColor(), 0xCCCCCC);
        QCOMPARE(form->picColor->backColor(), 0x333333);
        QCOMPARE(form->picWSColor->backColor(), 0x333333);
    }

    void typingIntoRedKeepsTheTypedTextAndClamps() {
        Type(form->txtValue[0], "300");
        QCOMPARE(form->txtValue[0]->text(), QString("300"));
        QCOMPARE(form->CurRGB.red, int16_t(255));
        QCOMPARE(form->txtValue[6]->text(), QString("#ff3333"));
        QCOMPARE(form->picColor->backColor(), 0x3333FF);
        form->RefreshChannels(kAllChannels);
        QCOMPARE(form->txtValue[0]->text(), QString("255"));
    }

    void emptyingRedSetsZeroAndLeavesTheBoxEmpty() {
        form->txtValue[0]->setFocus();
        form->txtValue[0]->selectAll();
        QTest::keyClick(form->txtValue[0], Qt::Key_Backspace);
        QCOMPARE(form->txtValue[0]->text(), QString());
        QCOMPARE(form->CurRGB.red, int16_t(0));
        QCOMPARE(form->txtValue[6]->text(), QString("#003333"));
    }

    void typingIntoHueRewritesRgbButNotHsl() {
        Type(form->txtValue[4], "240");
        Type(form->txtValue[5], "120");
        Type(form->txtValue[3], "250");
        QCOMPARE(form->CurHSL.hue, int16_t(240));
        QCOMPARE(form->txtValue[3]->text(), QString("250"));
        QCOMPARE(BoxTexts(*form).mid(0, 3), QStringList({"255", "0", "0"}));
        QCOMPARE(form->txtValue[6]->text(), QString("#ff0000"));
    }

    void hueBoxesKeepTypedValuesWhenWebSafeMovesTheColour() {
        form->chkWebSafe->click();
        Type(form->txtValue[3], "13");
        Type(form->txtValue[4], "144");
        Type(form->txtValue[5], "118");
        QCOMPARE(BoxTexts(*form), QStringList({"204", "102", "51", "13", "144", "118", "#cc6633"}));
        QCOMPARE(form->CurHSL, (HSLColor{13, 144, 118}));
    }

    void typingHexColourPassesThroughEveryPrefix() {
        form->txtValue[6]->setFocus();
        form->txtValue[6]->selectAll();
        QTest::keyClicks(form->txtValue[6], "#f");
        QCOMPARE(form->CurRGB, Rgb(15, 0, 0));
        QTest::keyClicks(form->txtValue[6], "f");
        QCOMPARE(form->CurRGB, Rgb(255, 0, 0));
        QTest::keyClicks(form->txtValue[6], "8");
        QCOMPARE(form->CurRGB, Rgb(255, 8, 0));
        QTest::keyClicks(form->txtValue[6], "000");
        QCOMPARE(form->CurRGB, Rgb(255, 128, 0));
        QCOMPARE(BoxTexts(*form), QStringList({"255", "128", "0", "20", "240", "120", "#ff8000"}));
    }

    void partialHexTextStaysAsTyped() {
        Type(form->txtValue[6], "#ab");
        QCOMPARE(form->txtValue[6]->text(), QString("#ab"));
        QCOMPARE(BoxTexts(*form).mid(0, 3), QStringList({"171", "0", "0"}));
    }

    void keyFilterOfTheBoxes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters dropped in decimal red") << 0 << false << "1a2"
                                                        << "12";
        QTest::newRow("hex red shows upper case") << 0 << true << "af"
                                                  << "AF";
        QTest::newRow("hex red drops g") << 0 << true << "g"
                                         << "33";
        QTest::newRow("hex mode limits typing to two") << 1 << true << "123"
                                                       << "12";
        QTest::newRow("decimal limits typing to three") << 2 << false << "1234"
                                                        << "123";
        QTest::newRow("hue drops letters in hex mode") << 3 << true << "a1"
                                                       << "1";
        QTest::newRow("hex box lower case and #") << 6 << false << "#AB#c"
                                                  << "#ab#c";
        QTest::newRow("hex box drops x and minus") << 6 << false << "x-1"
                                                   << "1";
        QTest::newRow("hex box limit seven") << 6 << false << "#1234567"
                                             << "#123456";
    }
    void keyFilterOfTheBoxes() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        if (hex) {
            form->chkShowHexvalues->click();
        }
        Type(form->txtValue[index], typed);
        QCOMPARE(form->txtValue[index]->text(), shown);
    }

    void enterIsCancelledAndEditingShortcutsWork() {
        TextBox* red = form->txtValue[0];
        red->setFocus();
        red->setCursorPosition(2);
        QTest::keyClick(red, Qt::Key_Return);
        QCOMPARE(red->text(), QString("51"));
        QTest::keyClick(red, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(red->selectedText(), QString("51"));
        QTest::keyClick(red, Qt::Key_Home);
        QTest::keyClick(red, Qt::Key_Delete);
        QCOMPARE(red->text(), QString("1"));
        QCOMPARE(form->CurRGB.red, int16_t(1));
    }

    void focusSelectsTheWholeText() {
        form->txtValue[4]->setFocus(Qt::TabFocusReason);
        QCOMPARE(form->txtValue[4]->selectedText(), QString("0"));
        QTest::mouseClick(form->txtValue[6], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form->txtValue[6]->selectedText(), QString("#333333"));
    }

    void keyboardWaysIntoABoxSelectItsText_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("reached");
        const int none = Qt::NoModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("Tab from red") << 0 << int(Qt::Key_Tab) << none << 1;
        QTest::newRow("Backtab from hue") << 3 << int(Qt::Key_Backtab) << none << 6;
        QTest::newRow("access key of Blau") << 0 << int(Qt::Key_B) << alt << 2;
        QTest::newRow("access key of Hex") << 0 << int(Qt::Key_X) << alt << 6;
    }
    void keyboardWaysIntoABoxSelectItsText() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, reached);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->txtValue[from]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), form->txtValue[reached]);
        QCOMPARE(form->txtValue[reached]->selectedText(), form->txtValue[reached]->text());
    }

    // The box's own context menu works on the part the person selected: the
    // focus coming back as the menu closes must not select the whole text.
    void contextMenuActsOnThePartialSelection_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Löschen removes the selected 3") << "Löschen" << 1 << "12"
                                                        << "9";
        QTest::newRow("Kopieren copies the selected 3") << "Kopieren" << 1 << "123"
                                                        << "3";
        QTest::newRow("Einfügen goes in at the caret after 12") << "Einfügen" << 0 << "1293"
                                                                << "9";
    }
    void contextMenuActsOnThePartialSelection() {
        QFETCH(QString, entry);
        QFETCH(int, selected);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TextBox* red = form->txtValue[0];
        Type(red, "123");
        red->setSelection(2, selected);
        QApplication::clipboard()->setText(QStringLiteral("9"));

        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5),
                               red->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(red, &open);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        // The entries as the German menu shows them, without access keys and shortcuts.
        QAction* action = nullptr;
        for (QAction* candidate : menu->actions()) {
            if (candidate->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')) ==
                entry) {
                action = candidate;
            }
        }
        QVERIFY2(action != nullptr, qPrintable(entry));
        QVERIFY(action->isEnabled());
        // A person moves the pointer onto the entry before clicking it.
        const QPoint point = menu->actionGeometry(action).center();
        MoveByHand(menu, point, Qt::NoButton);
        QTest::mouseClick(menu, Qt::LeftButton, {}, point);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

        QCOMPARE(red->text(), text);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QCOMPARE(QApplication::focusWidget(), red);
    }

    void comingBackToTheWindowKeepsTheCaret() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TextBox* red = form->txtValue[0];
        Type(red, "123");
        red->setCursorPosition(1);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), red);
        QVERIFY(!red->hasSelectedText());
        QCOMPARE(red->cursorPosition(), 1);
    }

    // Ctrl and Alt make a key a command: it types nothing into a box. AltGr
    // reaches Qt as the group switch and types the key's third character.
    void commandKeysTypeNothing_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown");
        const int ctrl = Qt::ControlModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("Ctrl+1 in red") << 0 << false << int(Qt::Key_1) << "1" << ctrl << "1";
        QTest::newRow("Ctrl+9 in green") << 1 << false << int(Qt::Key_9) << "9" << ctrl << "1";
        QTest::newRow("Ctrl+0 in hue") << 3 << false << int(Qt::Key_0) << "0" << ctrl << "1";
        QTest::newRow("Alt+5 in blue") << 2 << false << int(Qt::Key_5) << "5" << alt << "1";
        QTest::newRow("Alt+5 in luminance") << 5 << false << int(Qt::Key_5) << "5" << alt << "1";
        QTest::newRow("Alt+A in red, hex mode") << 0 << true << int(Qt::Key_A) << "a" << alt << "1";
        QTest::newRow("Alt+Shift+F in blue, hex mode")
            << 2 << true << int(Qt::Key_F) << "F" << (alt | int(Qt::ShiftModifier)) << "1";
        QTest::newRow("Ctrl+Alt+5 in red")
            << 0 << false << int(Qt::Key_5) << "5" << (ctrl | alt) << "1";
        QTest::newRow("Alt+B in the hex box") << 6 << false << int(Qt::Key_B) << "b" << alt << "1";
        QTest::newRow("plain 5 types") << 0 << false << int(Qt::Key_5) << "5" << 0 << "15";
        QTest::newRow("Shift+A types in hex mode")
            << 0 << true << int(Qt::Key_A) << "A" << int(Qt::ShiftModifier) << "1A";
        QTest::newRow("AltGr types")
            << 0 << false << int(Qt::Key_5) << "5" << int(Qt::GroupSwitchModifier) << "15";
    }
    void commandKeysTypeNothing() {
        QFETCH(int, index);
        QFETCH(bool, hex);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        if (hex) {
            form->chkShowHexvalues->click();
        }
        TextBox* box = form->txtValue[index];
        Type(box, "1");
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), typed,
                            Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), shown);
    }

    void hexModeShowsTwoDigitsAndKeepsRed255() {
        SetColour(*form, 255, 128, 0);
        form->chkShowHexvalues->click();
        QCOMPARE(BoxTexts(*form).mid(0, 3), QStringList({"FF", "80", "00"}));
        QCOMPARE(form->CurRGB, Rgb(255, 128, 0));
        QCOMPARE(form->txtValue[6]->text(), QString("#ff8000"));
        form->chkShowHexvalues->click();
        QCOMPARE(BoxTexts(*form).mid(0, 3), QStringList({"255", "128", "0"}));
    }

    // A code is read character by character: in no value box is "ff" drawn
    // as one glyph or "FA" kerned.
    void valueBoxesDrawEveryCharacterOnItsOwn() {
        for (TextBox* box : form->txtValue) {
            for (const char* code : {"ff", "FA"}) {
                QTextLayout layout(QString::fromLatin1(code), box->font());
                layout.beginLayout();
                const QTextLine line = layout.createLine();
                layout.endLayout();
                qsizetype glyphs = 0;
                for (const QGlyphRun& run : line.glyphRuns()) {
                    glyphs += run.glyphIndexes().size();
                }
                const QFontMetricsF metrics(box->font());
                QCOMPARE(glyphs, 2);
                QCOMPARE(line.naturalTextWidth(),
                         metrics.horizontalAdvance(QChar::fromLatin1(code[0])) +
                             metrics.horizontalAdvance(QChar::fromLatin1(code[1])));
            }
        }
    }

    void webSafeModeSnapsTheColourButNotTheTypedBox() {
        form->chkWebSafe->click();
        Type(form->txtValue[0], "100");
        QCOMPARE(form->txtValue[0]->text(), QString("100"));
        QCOMPARE(form->CurRGB.red, int16_t(102));
        QVERIFY(form->txtValue[6]->text().startsWith("#66"));
        form->RefreshChannels(kAllChannels);
        QCOMPARE(form->txtValue[0]->text(), QString("102"));
    }

    void switchingWebSafeOnSnapsAndOffKeeps() {
        SetColour(*form, 100, 150, 200);
        QVERIFY(!form->lblCaution->isHidden());
        QCOMPARE(form->picWSColor->backColor(), PackColor(102, 153, 204));
        form->chkWebSafe->click();
        QCOMPARE(form->CurRGB, Rgb(102, 153, 204));
        QVERIFY(form->lblCaution->isHidden());
        form->chkWebSafe->click();
        QCOMPARE(form->CurRGB, Rgb(102, 153, 204));
    }

    void blackAfterBlueKeepsHue160() {
        SetColour(*form, 0, 0, 255);
        Type(form->txtValue[2], "0");
        QCOMPARE(BoxTexts(*form).mid(3, 3), QStringList({"160", "0", "0"}));
    }

    void invertTwiceRestores() {
        form->cmdInvert->click();
        QCOMPARE(form->CurRGB, Rgb(204, 204, 204));
        QCOMPARE(form->picInvert->backColor(), 0x333333);
        form->cmdInvert->click();
        QCOMPARE(form->CurRGB, Rgb(51, 51, 51));
    }

    void invertWorksOnTheSnappedColour() {
        form->chkWebSafe->click();
        Type(form->txtValue[0], "100");
        form->cmdInvert->click();
        QCOMPARE(form->CurRGB, Rgb(153, 204, 204));
    }

    void randomGivesDifferentColoursAndWebSafeOnes() {
        form->cmdRandom->click();
        const RGBColor first = form->CurRGB;
        form->cmdRandom->click();
        QVERIFY(!(form->CurRGB == first));
        form->chkWebSafe->click();
        for (int i = 0; i < 20; ++i) {
            form->cmdRandom->click();
            QVERIFY(IsWebSafe(PackColor(form->CurRGB)));
            QCOMPARE(form->txtValue[6]->text().toStdString(), "#" + HexByte(form->CurRGB.red, 0) +
                                                                  HexByte(form->CurRGB.green, 0) +
                                                                  HexByte(form->CurRGB.blue, 0));
        }
    }

    void cautionMarkHasTheContrastColour() {
        SetColour(*form, 255, 255, 0);
        QCOMPARE(form->lblCaution->foreColor(), kBlack);
        SetColour(*form, 0, 0, 200);
        QCOMPARE(form->lblCaution->foreColor(), kWhite);
    }

    void pickerMarkerFollowsTheChannelWhenUnlinked() {
        form->chkLinkChannels->click();
        form->PickerChannel = 3;
        SetColour(*form, 255, 255, 0); // hue 40: light
        QCOMPARE(form->Picker().ChoosingLine().BorderColor, kBlack);
        SetColour(*form, 0, 0, 255); // hue 160: dark
        QCOMPARE(form->Picker().ChoosingLine().BorderColor, kWhite);
        form->PickerChannel = 1;
        SetColour(*form, 250, 200, 250);
        QCOMPARE(form->Picker().ChoosingLine().BorderColor, kWhite);
        form->chkLinkChannels->click();
        QCOMPARE(form->Picker().ChoosingLine().BorderColor, kBlack);
        QVERIFY(!form->Picker().isVisible());
    }

    void theRefreshNeverRewritesTheBoxItCameFrom() {
        // A programmatic write by anything but the refresh changes the colour.
        form->txtValue[1]->setText("200");
        QCOMPARE(form->CurRGB.green, int16_t(200));
        form->txtValue[1]->Tag = "noRefresh";
        form->txtValue[1]->setText("10");
        form->txtValue[1]->Tag.clear();
        QCOMPARE(form->CurRGB.green, int16_t(200));
    }
};

QTEST_MAIN(TestEditorWindow)
#include "test_editor_window.moc"
