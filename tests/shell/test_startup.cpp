// Start-up, the web panel toggle and shutdown of the real main window.
#include "app_style.h"
#include "caption.h"
#include "fake_desktop.h"
#include "frm_main.h"
#include "frm_picker.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace tinctora;

class TestStartup : public QObject {
    Q_OBJECT
    FakeDesktop desktop;

private slots:
    void initTestCase() { ApplyApplicationStyle(*qApp, desktop); }
    void init() {
        desktop.messages.clear();
        desktop.answers.clear();
        desktop.topmostCalls.clear();
        desktop.depth = 24;
        desktop.paintable = true;
        desktop.screenOrigin = QPoint();
        desktop.screen = QSize(1024, 768);
        desktop.windowFrame.reset();
    }

    void caption_data() {
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("caption");
        QTest::newRow("revision 9") << 9 << "Tinctora Version 2.4.9";
        QTest::newRow("revision 0 left out") << 0 << "Tinctora Version 2.4";
    }
    void caption() {
        QFETCH(int, revision);
        QFETCH(QString, caption);
        QCOMPARE(QString::fromStdString(WindowCaption("Tinctora", 2, 4, revision)), caption);
    }

    // paintable: whether Qt can paint at the depth (an 8-bit grey screen, not
    // an 8-bit palette); where it cannot, nothing is offered and the program
    // ends, saying why on standard error.
    void colourDepthWarning_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("paintable");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("started");
        QTest::newRow("16 bits: no question")
            << 16 << true << int(MessageAnswer::Cancel) << false << true;
        QTest::newRow("8 bits, OK goes on") << 8 << true << int(MessageAnswer::Ok) << true << true;
        QTest::newRow("8 bits, cancel ends")
            << 8 << true << int(MessageAnswer::Cancel) << true << false;
        QTest::newRow("8 bits Qt cannot paint: nothing offered")
            << 8 << false << int(MessageAnswer::Ok) << false << false;
    }
    void colourDepthWarning() {
        QFETCH(int, depth);
        QFETCH(bool, paintable);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, started);
        desktop.depth = depth;
        desktop.paintable = paintable;
        desktop.answers.push_back(static_cast<MessageAnswer>(answer));
        if (!paintable) {
            QTest::ignoreMessage(QtCriticalMsg,
                                 "Die Farbauflösung ist zu niedrig eingestellt (8 Bit je "
                                 "Bildpunkt). Tinctora braucht mindestens High Color (16 Bit) "
                                 "und wird beendet.");
        }
        frmMain form(desktop);
        QCOMPARE(form.Form_Load(), started);
        QCOMPARE(form.ScreenUsable(), paintable);
        QCOMPARE(form.isVisible(), started);
        QCOMPARE(desktop.messages.size(), std::size_t(asked ? 1 : 0));
        if (asked) {
            QCOMPARE(desktop.messages[0].kind, MessageKind::OkCancelWarning);
            QCOMPARE(desktop.messages[0].text,
                     QString::fromUtf8("Die Farbauflösung ist zu niedrig eingestellt. Es kann zu "
                                       "Farbverfälschungen kommen.\r\nEmpfohlen ist mindestens "
                                       "High Color (16 Bit).\r\nTrotzdem fortfahren?"));
        }
    }

    void startUpPlacesCaptionsAndRaisesTheWindow() {
        desktop.screen = QSize(1024, 768);
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tinctora Version " TINCTORA_PROJECT_VERSION));
        QCOMPARE(form.width(), 244);
        QCOMPARE(form.height(), 196);
        // Centred as the wide window: 1024 / 2 - 478 / 2.
        QCOMPARE(form.x(), 273);
        QVERIFY(desktop.topmost(&form));
        QCOMPARE(QApplication::focusWidget(), form.cmdExit);
        for (auto* button : form.findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    // The outer window, frame included, sits in the middle of the screen it
    // opens on, horizontally as the wide window; halves go to the even pixel.
    void startUpCentresTheOuterWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QMarginsF>("frame");
        QTest::addColumn<QPoint>("position");
        const QRect plain(0, 0, 1024, 768);
        QTest::newRow("no window manager") << plain << QMarginsF() << QPoint(273, 286);
        QTest::newRow("title bar and border, 110.5 up")
            << plain << QMarginsF(1, 21, 1, 4) << QPoint(273, 274);
        QTest::newRow("frame at scale 1.25")
            << plain << QMarginsF(0.8, 17.6, 0.8, 3.2) << QPoint(273, 276);
        QTest::newRow("second screen to the right")
            << QRect(1024, 0, 1280, 1024) << QMarginsF(4, 30, 4, 6) << QPoint(1425, 396);
        QTest::newRow("screen below another")
            << QRect(0, 768, 1024, 768) << QMarginsF(1, 21, 1, 3) << QPoint(273, 768 + 274);
    }
    void startUpCentresTheOuterWindow() {
        QFETCH(QRect, screen);
        QFETCH(QMarginsF, frame);
        QFETCH(QPoint, position);
        desktop.screenOrigin = screen.topLeft();
        desktop.screen = screen.size();
        desktop.windowFrame = frame.isNull() ? std::nullopt : std::optional<QMarginsF>(frame);
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QCOMPARE(form.height(), 196);
        QCOMPARE(form.pos(), position);
    }

    void webPanelToggles() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        const QPoint position = form.pos();
        form.cmdShowWebFeatures->click();
        QCOMPARE(form.width(), 473);
        QCOMPARE(form.cmdShowWebFeatures->text(), QString("<< &Web"));
        form.cmdShowWebFeatures->click();
        QCOMPARE(form.width(), 244);
        QCOMPARE(form.cmdShowWebFeatures->text(), QString("&Web >>"));
        QCOMPARE(form.pos(), position);
        // The narrow window ends exactly at the web panel's left edge.
        QCOMPARE(form.frameHPTheme->x(), 244);
    }

    // A close request while a question of the program is open waits for its
    // answer, and the question stays; afterwards the window closes as ever.
    void closeRequestWaitsForAnOpenQuestion() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QMessageBox question(&form);
        question.setText(QStringLiteral("Frage"));
        bool closed = true;
        bool questionStayed = false;
        QTimer::singleShot(0, &question, [&] {
            closed = form.close();
            questionStayed = question.isVisible();
            question.reject();
        });
        question.exec();
        QVERIFY(!closed);
        QVERIFY(questionStayed);
        QVERIFY(form.isVisible());
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
    }

    // The window keeps its size, narrow or wide: no frame offers to maximise it.
    void fixedSizeWindowOffersNoMaximise() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        for (int toggle = 0; toggle < 2; ++toggle) {
            QVERIFY(form.windowHandle() != nullptr);
            const Qt::WindowFlags flags = form.windowHandle()->flags();
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            form.cmdShowWebFeatures->click();
        }
    }

    void closingTheWindowClosesThePicker() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QVERIFY(form.pickerExists());
        form.Picker().show();
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.pickerExists() || !form.Picker().isVisible());
    }

    void exitButtonEndsTheProgram() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        form.cmdExit->click();
        QVERIFY(!form.isVisible());
    }

    void labelAccessKeysReachTheBoxes() {
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form.txtValue[1]);
        QCOMPARE(form.txtValue[1]->selectedText(), QString("51"));
        QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form.txtValue[6]);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
