// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The portal's answers on a session bus of the test's own: a stand-in portal
// owns the portal's name and answers when told, and a second client of the
// bus tries to answer in its place.
#include "screenshot_portal.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace tinctora;

namespace {

const QString kPortalName = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalObject = QStringLiteral("/org/freedesktop/portal/desktop");

// A Response on the request object, sent to the caller alone.
void SendResponse(QDBusConnection& from, const QString& caller, const QString& request, uint code,
                  const QVariantMap& results) {
    QDBusMessage answer = QDBusMessage::createTargetedSignal(
        caller, request, QStringLiteral("org.freedesktop.portal.Request"),
        QStringLiteral("Response"));
    answer << code << results;
    QVERIFY(from.send(answer));
}

} // namespace

// Takes every Screenshot call and keeps its request object for the test.
class StandInPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    QString caller;
    QString request;

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options) {
        caller = message().service();
        request =
            PortalRequestPath(caller, options.value(QStringLiteral("handle_token")).toString());
        return QDBusObjectPath(request);
    }
};

class TestPortalAnswers : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess bus_;
    QString address_;

    void writePicture(const QString& path) {
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(QColor(12, 34, 56));
        QVERIFY(picture.save(path, "PNG"));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        const QString socket = dir_.filePath(QStringLiteral("bus"));
        QFile config(dir_.filePath(QStringLiteral("bus.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("<busconfig><type>session</type>"
                                    "<listen>unix:path=%1</listen><auth>EXTERNAL</auth>"
                                    "<policy context=\"default\"><allow send_destination=\"*\" "
                                    "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                    "<allow own=\"*\"/></policy></busconfig>")
                         .arg(socket)
                         .toUtf8());
        config.close();
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config.fileName(),
                    QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
        QVERIFY(bus_.waitForStarted());
        QTRY_VERIFY(QFile::exists(socket));
        address_ = QStringLiteral("unix:path=") + socket;
        // Before the program's own connection to the session bus is made.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase() {
        bus_.terminate();
        bus_.waitForFinished();
    }

    // Another client of the bus answers first, naming a file of the user's:
    // the answer is not the portal's, so the file is neither read nor
    // removed, and the frame still comes from the portal's own answer.
    void onlyThePortalAnswers_data() {
        QTest::addColumn<uint>("code");
        QTest::newRow("forged frame") << 0u;
        QTest::newRow("forged refusal") << 1u;
    }
    void onlyThePortalAnswers() {
        QFETCH(uint, code);
        QDBusConnection portalBus =
            QDBusConnection::connectToBus(address_, QStringLiteral("portal"));
        QDBusConnection forgerBus =
            QDBusConnection::connectToBus(address_, QStringLiteral("forger"));
        StandInPortal portal;
        QVERIFY(portalBus.registerObject(kPortalObject, &portal, QDBusConnection::ExportAllSlots));
        QVERIFY(portalBus.registerService(kPortalName));

        const QString precious = dir_.filePath(QStringLiteral("letter.png"));
        writePicture(precious);
        const QString frame = dir_.filePath(QStringLiteral("Screenshot.png"));
        writePicture(frame);

        ScreenshotPortal screenshots;
        std::optional<PortalAnswer> answer;
        QImage taken;
        screenshots.screenshot(QString(), [&](PortalAnswer a, const QImage& image) {
            answer = a;
            taken = image;
        });
        QTRY_VERIFY(!portal.request.isEmpty());

        SendResponse(forgerBus, portal.caller, portal.request, code,
                     {{QStringLiteral("uri"), QUrl::fromLocalFile(precious).toString()}});
        QTest::qWait(300);
        QVERIFY(!answer);
        QVERIFY(QFile::exists(precious));

        SendResponse(portalBus, portal.caller, portal.request, 0,
                     {{QStringLiteral("uri"), QUrl::fromLocalFile(frame).toString()}});
        QTRY_VERIFY(answer);
        QCOMPARE(*answer, PortalAnswer::Given);
        QCOMPARE(taken.pixelColor(1, 1), QColor(12, 34, 56));
        QVERIFY(!QFile::exists(frame));
        QVERIFY(QFile::exists(precious));

        portalBus.unregisterService(kPortalName);
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("forger"));
    }
};

QTEST_GUILESS_MAIN(TestPortalAnswers)
#include "test_portal_answers.moc"
