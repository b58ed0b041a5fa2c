// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A person's random use of the main window, event by event from one seed.
#include "soak_driver.h"

#include "eyedropper.h"
#include "frm_picker.h"
#include "scheme_roles.h"
#include "window_driver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <array>

namespace tinctora::soak {

namespace {

using testing::SendMouse;

QString ButtonName(Qt::MouseButtons buttons) {
    return QString::number(static_cast<int>(buttons));
}

QString PointText(QPointF point) {
    return QStringLiteral("(%1,%2)").arg(point.x()).arg(point.y());
}

// What a box can be given by typing: digits, hexadecimal and other letters,
// signs, "#" and characters far outside ASCII.
const QString kTypedCharacters =
    QStringLiteral("0123456789abcdefABCDEFgxzG#- .,+%\u00e4\u00df\u20ac");

QString Pasted(std::mt19937_64& random) {
    static const std::array<QString, 12> texts = {
        QString(),
        QStringLiteral("1234567890123456789012345678901234567890"),
        QStringLiteral("Tinctora"),
        QStringLiteral("\u00e4\u00f6\u00fc\u20ac\U0001F600"),
        QStringLiteral("########"),
        QStringLiteral("#ff8000"),
        QStringLiteral("300"),
        QStringLiteral("-5"),
        QStringLiteral(" 12 "),
        QStringLiteral("#12#34#"),
        QStringLiteral("0x1F"),
        QStringLiteral("1e9"),
    };
    return texts[static_cast<std::size_t>(random() % texts.size())];
}

} // namespace

SoakDriver::SoakDriver(frmMain& form, FakeDesktop& desktop, uint64_t seed)
    : form_(form), desktop_(desktop), random_(seed) {}

int SoakDriver::pick(int count) {
    return static_cast<int>(random_() % static_cast<uint64_t>(count));
}

bool SoakDriver::chance(int percent) {
    return pick(100) < percent;
}

// Mostly on or near the control, now and then far outside it.
QPointF SoakDriver::farPoint(int width, int height) {
    if (chance(10)) {
        return QPointF(pick(20001) - 10000, pick(20001) - 10000);
    }
    return QPointF(pick(width + 41) - 20, pick(height + 41) - 20);
}

Qt::MouseButton SoakDriver::pressButton() {
    static constexpr std::array<Qt::MouseButton, 3> buttons = {Qt::LeftButton, Qt::RightButton,
                                                               Qt::MiddleButton};
    return chance(70) ? Qt::LeftButton : buttons[static_cast<std::size_t>(pick(3))];
}

Qt::MouseButtons SoakDriver::heldButtons() {
    static const std::array<Qt::MouseButtons, 5> held = {
        Qt::LeftButton, Qt::NoButton, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
        Qt::LeftButton | Qt::MiddleButton};
    return chance(60) ? Qt::MouseButtons(Qt::LeftButton)
                      : held[static_cast<std::size_t>(pick(held.size()))];
}

QString SoakDriver::step() {
    refreshedEverything_ = false;
    switch (pick(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        return typeCharacter();
    case 5:
    case 6:
        return pasteText();
    case 7:
        return clickModeBox();
    case 8:
        return clickButton();
    case 9:
    case 10:
        return clickOption();
    case 11:
        return clickSwatchOrMark();
    case 12:
    case 13:
    case 14:
        return dragStrip();
    case 15:
    case 16:
        return dragPicker();
    case 17:
        return chooseMenuValue();
    case 18:
        return dragEyedropper();
    default:
        return chance(10) ? copyCode() : typeCharacter();
    }
}

QString SoakDriver::typeCharacter() {
    kindsSent_ |= 1u << 0;
    const int box = pick(7);
    if (chance(15)) {
        QTest::keyClick(form_.txtValue[box], Qt::Key_Backspace);
        return QStringLiteral("backspace in box %1").arg(box);
    }
    const QChar ch = kTypedCharacters[pick(static_cast<int>(kTypedCharacters.size()))];
    // A key event of our own: QTest only knows how to type ASCII.
    QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
    QApplication::sendEvent(form_.txtValue[box], &press);
    QKeyEvent release(QEvent::KeyRelease, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
    QApplication::sendEvent(form_.txtValue[box], &release);
    return QStringLiteral("typed '%1' into box %2").arg(ch).arg(box);
}

QString SoakDriver::pasteText() {
    kindsSent_ |= 1u << 1;
    const int box = pick(7);
    const bool replace = chance(50);
    if (replace) {
        form_.txtValue[box]->selectAll();
    }
    const QString text = Pasted(random_);
    form_.txtValue[box]->insert(text);
    return QStringLiteral("pasted \"%1\" into box %2%3")
        .arg(text)
        .arg(box)
        .arg(replace ? QStringLiteral(" over its text") : QString());
}

QString SoakDriver::clickModeBox() {
    kindsSent_ |= 1u << 2;
    const std::array<QCheckBox*, 3> boxes = {form_.chkWebSafe, form_.chkShowHexvalues,
                                             form_.chkLinkChannels};
    const int which = pick(3);
    boxes[static_cast<std::size_t>(which)]->click();
    refreshedEverything_ = true;
    return QStringLiteral("clicked mode box %1").arg(which);
}

QString SoakDriver::clickButton() {
    kindsSent_ |= 1u << 3;
    switch (pick(4)) {
    case 0:
        form_.cmdInvert->click();
        refreshedEverything_ = true;
        return QStringLiteral("clicked Invers");
    case 1:
        form_.cmdRandom->click();
        refreshedEverything_ = true;
        return QStringLiteral("clicked Zufall");
    case 2:
        form_.cmdWebsafeHP->click();
        refreshedEverything_ = true;
        return QStringLiteral("clicked the scheme's WebSafe button");
    default:
        form_.cmdShowWebFeatures->click();
        return QStringLiteral("clicked the web panel button");
    }
}

QString SoakDriver::clickOption() {
    kindsSent_ |= 1u << 4;
    const int which = pick(9);
    if (which < kRoleCount) {
        form_.optHPColormode[static_cast<std::size_t>(which)]->click();
        refreshedEverything_ = true;
        return QStringLiteral("selected role %1").arg(which);
    }
    if (which < kRoleCount + 2) {
        form_.optHPDMode[static_cast<std::size_t>(which - kRoleCount)]->click();
        return QStringLiteral("selected code style %1").arg(which - kRoleCount);
    }
    form_.optScreencolorMode[static_cast<std::size_t>(which - kRoleCount - 2)]->click();
    return QStringLiteral("selected eyedropper mode %1").arg(which - kRoleCount - 2);
}

QString SoakDriver::clickSwatchOrMark() {
    kindsSent_ |= 1u << 5;
    if (chance(50)) {
        QTest::mouseClick(form_.picWSColor->client(), Qt::LeftButton, {}, QPoint(3, 3));
        refreshedEverything_ = true;
        return QStringLiteral("clicked the web-safe swatch");
    }
    // A person can only click the "!" while it shows.
    if (form_.lblCaution->isHidden()) {
        return QStringLiteral("looked for a hidden \"!\"");
    }
    QTest::mouseClick(form_.lblCaution, Qt::LeftButton, {}, QPoint(2, 2));
    refreshedEverything_ = true;
    return QStringLiteral("clicked \"!\"");
}

QString SoakDriver::dragStrip() {
    kindsSent_ |= 1u << 6;
    const int pressed = pick(6);
    QWidget* strip = form_.picMiniScroll[static_cast<std::size_t>(pressed)]->client();
    const Qt::MouseButton button = pressButton();
    QPointF at = farPoint(strip->width(), strip->height());
    QString done = QStringLiteral("strip %1: press %2 at %3")
                       .arg(pressed)
                       .arg(ButtonName(button))
                       .arg(PointText(at));
    SendMouse(strip, QEvent::MouseButtonPress, button, button, at);
    const int moves = pick(6);
    for (int m = 0; m < moves; ++m) {
        // Now and then the pointer passes over another strip.
        QWidget* over =
            chance(15) ? form_.picMiniScroll[static_cast<std::size_t>(pick(6))]->client() : strip;
        at = farPoint(strip->width(), strip->height());
        const Qt::MouseButtons held = heldButtons();
        SendMouse(over, QEvent::MouseMove, Qt::NoButton, held, at);
        done += QStringLiteral(", move %1 at %2").arg(ButtonName(held)).arg(PointText(at));
    }
    SendMouse(strip, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
    return done + QStringLiteral(", release");
}

QString SoakDriver::dragPicker() {
    kindsSent_ |= 1u << 7;
    const int channel = pick(6);
    ArrowButton* arrow = form_.cmdValpick[static_cast<std::size_t>(channel)];
    // The right button on red, green and blue opens the modal menu; its
    // choice is an event of its own.
    const Qt::MouseButton button = channel <= 2 || chance(80) ? Qt::LeftButton : Qt::RightButton;
    desktop_.pointer = QPoint(pick(1024), pick(768));
    SendMouse(arrow, QEvent::MouseButtonPress, button, button, QPointF(4, 4));
    QString done = QStringLiteral("picker %1: press %2").arg(channel).arg(ButtonName(button));
    if (form_.pickerExists() && form_.Picker().isVisible()) {
        frmPicker& picker = form_.Picker();
        const int moves = pick(6);
        for (int m = 0; m < moves; ++m) {
            const QPointF at = farPoint(picker.width(), picker.height());
            const Qt::MouseButtons held = heldButtons();
            SendMouse(&picker, QEvent::MouseMove, Qt::NoButton, held, at);
            done += QStringLiteral(", move %1 at %2").arg(ButtonName(held)).arg(PointText(at));
        }
        if (chance(70)) {
            SendMouse(&picker, QEvent::MouseButtonRelease, button, Qt::NoButton, QPointF(0, 0));
            done += QStringLiteral(", release on the picker");
        }
    }
    if (chance(70)) {
        SendMouse(arrow, QEvent::MouseButtonRelease, button, Qt::NoButton, QPointF(4, 4));
        done += QStringLiteral(", release on the arrow");
    }
    return done;
}

QString SoakDriver::chooseMenuValue() {
    kindsSent_ |= 1u << 8;
    const int channel = pick(3);
    const int item = pick(static_cast<int>(form_.WSValues.size()));
    form_.WSMnuTag = QString::number(channel);
    form_.WSValues[static_cast<std::size_t>(item)]->trigger();
    return QStringLiteral("menu of channel %1: item %2").arg(channel).arg(item);
}

QString SoakDriver::dragEyedropper() {
    kindsSent_ |= 1u << 9;
    QWidget* box = form_.picScreencolor->client();
    const Qt::MouseButton button = pressButton();
    QTest::mousePress(box, button, {}, QPoint(12, 12));
    QString done = QStringLiteral("eyedropper: press %1").arg(ButtonName(button));
    bool tookColor = false;
    const int ticks = 1 + pick(5);
    for (int t = 0; t < ticks; ++t) {
        // The scripted screen is smaller than the desktop: its lower band and
        // everything off the screen cannot be read, nor can a lost pointer.
        if (chance(5)) {
            desktop_.pointer.reset();
        } else {
            desktop_.pointer = QPoint(pick(1200) - 100, pick(900) - 100);
        }
        form_.tmrScreencolor_Timer();
        done += desktop_.pointer ? QStringLiteral(", tick at %1").arg(PointText(*desktop_.pointer))
                                 : QStringLiteral(", tick without pointer");
        tookColor = tookColor || form_.eyedropper->DragHasSampled();
    }
    QTest::mouseRelease(box, button, {}, QPoint(12, 12));
    refreshedEverything_ = tookColor;
    return done + QStringLiteral(", release");
}

QString SoakDriver::copyCode() {
    kindsSent_ |= 1u << 10;
    const std::array<PackedColor, 6> preview = PreviewColors(form_);
    const bool asks = !std::all_of(preview.begin(), preview.end(), IsWebSafe);
    // Never Yes on the confirmation: that would end the program.
    static constexpr std::array<MessageAnswer, 3> first = {MessageAnswer::Yes, MessageAnswer::No,
                                                           MessageAnswer::Cancel};
    static constexpr std::array<MessageAnswer, 2> last = {MessageAnswer::No, MessageAnswer::Cancel};
    desktop_.answers.clear();
    const MessageAnswer question = first[static_cast<std::size_t>(pick(3))];
    if (asks) {
        desktop_.answers.push_back(question);
    }
    desktop_.answers.push_back(last[static_cast<std::size_t>(pick(2))]);
    desktop_.clipboardFails = chance(30);
    form_.cmdCopyHPCode->click();
    refreshedEverything_ = asks && question == MessageAnswer::Yes;
    return QStringLiteral("Kopieren%1%2")
        .arg(asks ? QStringLiteral(" with the web-safe question") : QString())
        .arg(desktop_.clipboardFails ? QStringLiteral(", clipboard refusing") : QString());
}

} // namespace tinctora::soak
