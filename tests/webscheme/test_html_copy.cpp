// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Kopieren" on the real main window: the web-safe question, the code box,
// the clipboard and the end of the program, for every answer.
#include "app_style.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

Q_DECLARE_METATYPE(tinctora::MessageAnswer)

namespace {

constexpr auto Yes = MessageAnswer::Yes;
constexpr auto No = MessageAnswer::No;
constexpr auto Cancel = MessageAnswer::Cancel;

const QString kQuestion =
    QString::fromUtf8("Einige Farben sind nicht WebSafe! Dies kann zu unschönen Rasterungen "
                      "führen.\r\nSollen sie vorher umgewandelt werden?");

QString BodyCode(const QString& link, const QString& visited, const QString& title = "Unbenannt") {
    return "<html>\r\n <head>\r\n  <title>" + title +
           "</title>\r\n </head>\r\n <body bgcolor=\"#333333\" text=\"#ffffff\" link=\"" + link +
           "\" alink=\"#ffff00\" vlink=\"" + visited + "\">\r\n </body>\r\n</html>";
}

QString Confirmation(const QString& code) {
    return "HTML Code: \r\r" + code + "\r\rProgramm nach Kopieren beenden?";
}

void SetRole(frmMain& form, int role, int r, int g, int b) {
    form.optHPColormode[static_cast<std::size_t>(role)]->click();
    SetColour(form, r, g, b);
}

} // namespace

class TestHtmlCopy : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    std::unique_ptr<frmMain> form;

    void press() { QTest::mouseClick(form->cmdCopyHPCode, Qt::LeftButton); }

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop.messages.clear();
        desktop.answers.clear();
        desktop.clipboard = QStringLiteral("earlier text");
        desktop.clipboardClears = 0;
        desktop.clipboardFails = false;
        form = OpenMainWindow(desktop, WebPanel::Open);
        QVERIFY(form);
    }
    void cleanup() { form.reset(); }

    void webSafeSchemeAsksOnlyAboutTheEnd_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<bool>("ended");
        QTest::newRow("Ja copies and ends") << Yes << true << true;
        QTest::newRow("Nein copies and stays") << No << true << false;
        QTest::newRow("Abbrechen leaves the clipboard") << Cancel << false << false;
    }
    void webSafeSchemeAsksOnlyAboutTheEnd() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, copied);
        QFETCH(bool, ended);
        form->Picker().show();
        desktop.answers = {answer};
        press();

        const QString code = BodyCode("#ffcc00", "#999966");
        QCOMPARE(desktop.messages.size(), std::size_t(1));
        QCOMPARE(desktop.messages[0].kind, MessageKind::YesNoCancelQuestion);
        QCOMPARE(desktop.messages[0].text, Confirmation(code));
        QCOMPARE(desktop.clipboard.value_or("nothing"), copied ? code : QString("earlier text"));
        QCOMPARE(desktop.clipboardClears, copied ? 1 : 0);
        QCOMPARE(form->isVisible(), !ended);
        QCOMPARE(form->Picker().isVisible(), !ended);
    }

    void offGridColourAsksFirst_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<MessageAnswer>("first");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("visited");
        QTest::newRow("link, Ja snaps") << 2 << 255 << 204 << 1 << Yes << "#ffcc00"
                                        << "#999966";
        QTest::newRow("link, Nein keeps") << 2 << 255 << 204 << 1 << No << "#ffcc01"
                                          << "#999966";
        QTest::newRow("blue of the visited link alone, Nein")
            << 4 << 0 << 0 << 50 << No << "#ffcc00"
            << "#000032";
        QTest::newRow("blue 15 padded, Ja snaps to black") << 4 << 0 << 0 << 15 << Yes << "#ffcc00"
                                                           << "#000000";
        QTest::newRow("blue 15 padded, Nein") << 4 << 0 << 0 << 15 << No << "#ffcc00"
                                              << "#00000f";
    }
    void offGridColourAsksFirst() {
        QFETCH(int, role);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(MessageAnswer, first);
        QFETCH(QString, link);
        QFETCH(QString, visited);
        SetRole(*form, role, red, green, blue);
        desktop.answers = {first, No};
        press();

        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[0].kind, MessageKind::YesNoCancelQuestion);
        QCOMPARE(desktop.messages[0].text, kQuestion);
        const QString code = BodyCode(link, visited);
        QCOMPARE(desktop.messages[1].text, Confirmation(code));
        QCOMPARE(desktop.clipboard.value_or("nothing"), code);
        QVERIFY(form->isVisible());
        // Ja also snaps the preview and reloads the selected role.
        const bool snapped = first == Yes;
        QCOMPARE(IsWebSafe(form->lblHPLink->foreColor()) &&
                     IsWebSafe(form->lblHPVLink->foreColor()),
                 snapped);
        QCOMPARE(IsWebSafe(PackColor(form->CurRGB)), snapped);
    }

    void cancellingTheQuestionChangesNothing() {
        SetRole(*form, 2, 255, 204, 1);
        desktop.answers = {Cancel};
        press();
        QCOMPARE(desktop.messages.size(), std::size_t(1));
        QCOMPARE(desktop.clipboard.value_or("nothing"), QString("earlier text"));
        QCOMPARE(desktop.clipboardClears, 0);
        QCOMPARE(form->lblHPLink->foreColor(), 0x01CCFF);
        QCOMPARE(form->txtValue[2]->text(), QString("1"));
    }

    void snappedThenCancelledKeepsTheSnapButNotTheClipboard() {
        SetRole(*form, 2, 255, 204, 1);
        desktop.answers = {Yes, Cancel};
        press();
        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[1].text, Confirmation(BodyCode("#ffcc00", "#999966")));
        QCOMPARE(desktop.clipboard.value_or("nothing"), QString("earlier text"));
        QCOMPARE(form->lblHPLink->foreColor(), 0x00CCFF);
        QVERIFY(form->isVisible());
    }

    void offGridTextLabelAloneAsks() {
        // Only the body text label is off the grid; the code's text colour is
        // read from the caption.
        form->lblHPText->setForeColor(0xFEFFFF);
        desktop.answers = {No, No};
        press();
        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[0].text, kQuestion);
        QCOMPARE(desktop.clipboard.value_or("nothing"), BodyCode("#ffcc00", "#999966"));
    }

    void codeStyleAndTitleAreReadAtTheClick_data() {
        QTest::addColumn<bool>("css");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("code");
        QTest::newRow("body tag, empty title") << false << "" << BodyCode("#ffcc00", "#999966", "");
        QTest::newRow("body tag, title with a placeholder")
            << false << "Farben %bg" << BodyCode("#ffcc00", "#999966", "Farben %bg");
        QTest::newRow("css styles")
            << true << QString::fromUtf8("Grüße")
            << QString::fromUtf8(
                   "<html>\r\n <head>\r\n  <title>Grüße</title>\r\n"
                   "  <style type=\"text/css\"><!--\r\n   body {\r\n"
                   "    background-color: #333333;\r\n    color: #ffffff;\r\n   }\r\n"
                   "   a:link { color: #ffcc00 }\r\n   a:visited { color: #999966 }\r\n"
                   "   a:active { color: #ffff00 }\r\n  //--></style>\r\n </head>\r\n"
                   " <body>\r\n </body>\r\n</html>");
    }
    void codeStyleAndTitleAreReadAtTheClick() {
        QFETCH(bool, css);
        QFETCH(QString, title);
        QFETCH(QString, code);
        if (css) {
            QTest::mouseClick(form->optHPDMode[1], Qt::LeftButton);
        }
        form->txtSiteTitle->setText(title);
        desktop.answers = {No};
        press();
        QCOMPARE(desktop.clipboard.value_or("nothing"), code);
    }

    // A title of 9,540 characters: the question, laid out as a message box
    // wraps it, still fits the screen, with the title cut short by "…"; the
    // code copied keeps it whole.
    void longTitleIsShortenedInTheQuestionOnly() {
        const QString title = QStringLiteral("Sehr langer Titel ").repeated(530);
        form->txtSiteTitle->setText(title);
        desktop.answers = {No};
        press();
        QCOMPARE(desktop.clipboard.value_or("nothing"), BodyCode("#ffcc00", "#999966", title));
        QCOMPARE(desktop.messages.size(), std::size_t(1));
        const QString question = desktop.messages[0].text;
        QVERIFY(question.startsWith(QStringLiteral("HTML Code: \r\r<html>")));
        QVERIFY(question.contains(QString::fromUtf8("…</title>")));
        const QFontMetrics metrics(QApplication::font("QMessageBox"));
        const QRect laidOut = metrics.boundingRect(QRect(0, 0, 500, 100000), Qt::TextWordWrap,
                                                   QString(question).replace('\r', '\n'));
        QVERIFY2(laidOut.height() < desktop.screen.height() / 2,
                 qPrintable(QString::number(laidOut.height())));
    }

    void refusedClipboardKeepsTheProgramOpenAndSaysSo_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("Ja") << Yes;
        QTest::newRow("Nein") << No;
    }
    void refusedClipboardKeepsTheProgramOpenAndSaysSo() {
        QFETCH(MessageAnswer, answer);
        desktop.clipboardFails = true;
        desktop.answers = {answer};
        press();
        QCOMPARE(desktop.clipboardClears, 1);
        QVERIFY(!desktop.clipboard.has_value());
        QVERIFY(form->isVisible());
        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[1].kind, MessageKind::OkWarning);
        QCOMPARE(desktop.messages[1].text,
                 QString("Der HTML Code konnte nicht in die Zwischenablage kopiert werden.\r\n"
                         "Bitte versuchen Sie es noch einmal."));
    }
};

QTEST_MAIN(TestHtmlCopy)
#include "test_html_copy.moc"
