// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Handing the copied text to the clipboard keeper: the text arrives whole,
// the keeper runs detached from the program, and a keeper that fails or
// hangs costs the ending program no more than its patience.
#include "clipboard_handover.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>

using namespace tinctora;
using namespace std::chrono_literals;

namespace {

const std::string kStandIn = KEEPER_STAND_IN;

// The stand-in's report, split into its lines before the text and the text.
struct Report {
    QByteArrayList facts;
    QByteArray text;
};

Report ReadReport(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray all = file.readAll();
    const qsizetype textStart = all.indexOf("text\n");
    if (textStart < 0) {
        return {};
    }
    return {all.left(textStart).split('\n'), all.mid(textStart + 5)};
}

} // namespace

class ClipboardHandoverTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        reportPath_ = dir_.filePath(QStringLiteral("report"));
        QFile::remove(reportPath_);
        qputenv("KEEPER_STAND_IN_REPORT", reportPath_.toLocal8Bit());
    }

    void theWholeTextArrives_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("a box's text") << QByteArray("51");
        QTest::newRow("page code with umlauts and line ends")
            << QByteArray("<html>\r\n <head>\r\n  <title>Gr\xC3\xBC\xC3\x9F"
                          "e</title>\r\n</html>");
        // Far more than a socket buffer holds: the program must keep writing
        // while the keeper reads, not stop at the first full buffer.
        QByteArray large(3 << 20, 'x');
        for (qsizetype i = 0; i < large.size(); i += 4096) {
            large[i] = static_cast<char>('a' + (i / 4096) % 26);
        }
        QTest::newRow("three megabytes") << large;
    }
    void theWholeTextArrives() {
        QFETCH(QByteArray, text);
        QVERIFY(HandClipboardToKeeper(kStandIn, "owns", std::string_view(text.data(), text.size()),
                                      5000ms));
        const Report report = ReadReport(reportPath_);
        QCOMPARE(report.text.size(), text.size());
        QVERIFY(report.text == text);
    }

    // Detached: a terminal that closes does not take the keeper along, a
    // caller reading the program's error output is not kept waiting by it,
    // nothing else of the program stays open in it, and the signals the
    // program blocked do not stay blocked in it.
    void theKeeperRunsDetached() {
        const int leaked = open("/dev/null", O_RDONLY);
        QVERIFY(leaked > 2);
        sigset_t terminate;
        sigemptyset(&terminate);
        sigaddset(&terminate, SIGTERM);
        sigset_t before;
        pthread_sigmask(SIG_BLOCK, &terminate, &before);
        const bool owned = HandClipboardToKeeper(kStandIn, "owns", "51", 5000ms);
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        close(leaked);
        QVERIFY(owned);
        const Report report = ReadReport(reportPath_);
        QCOMPARE(report.facts.value(0), QByteArray("own session 1"));
        QCOMPARE(report.facts.value(1), QByteArray("channel on stdin and stdout 1"));
        QCOMPARE(report.facts.value(2), QByteArray("error output /dev/null"));
        QCOMPARE(report.facts.value(3), QByteArray("other descriptors 0"));
        QCOMPARE(report.facts.value(4), QByteArray("signals blocked 0"));
    }

    void aFailedHandoverEndsWithinPatience_data() {
        QTest::addColumn<QString>("keeper");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("leastMs");
        QTest::addColumn<int>("mostMs");
        const QString standIn = QString::fromStdString(kStandIn);
        QTest::newRow("no keeper installed")
            << QStringLiteral("/nonexistent/keeper") << QStringLiteral("owns") << 0 << 200;
        QTest::newRow("keeper that cannot take the clipboard")
            << standIn << QStringLiteral("refuses") << 0 << 400;
        QTest::newRow("keeper that never answers")
            << standIn << QStringLiteral("silent") << 550 << 1000;
    }
    void aFailedHandoverEndsWithinPatience() {
        QFETCH(QString, keeper);
        QFETCH(QString, answer);
        QFETCH(int, leastMs);
        QFETCH(int, mostMs);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!HandClipboardToKeeper(keeper.toStdString(), answer.toStdString(), "51", 600ms));
        QVERIFY2(clock.elapsed() >= leastMs && clock.elapsed() <= mostMs,
                 qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    }

private:
    QTemporaryDir dir_;
    QString reportPath_;
};

QTEST_APPLESS_MAIN(ClipboardHandoverTest)
#include "test_clipboard_handover.moc"
