// The clipboard kept after the end: which keeper program is started, and the
// wait for what the end must not cut short, bounded by its patience.
#include "qt_clipboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tinctora;
using namespace std::chrono_literals;

class ClipboardKeepingTest : public QObject {
    Q_OBJECT

private slots:
    // The build tree's keeper beside the program comes first; anything else
    // there that is no program leaves the installed one.
    void keeperBesideTheProgramComesFirst_data() {
        QTest::addColumn<QString>("beside"); // what lies beside: program, file, folder, nothing
        QTest::addColumn<bool>("besideChosen");
        QTest::newRow("a program") << "program" << true;
        QTest::newRow("a file that is no program") << "file" << false;
        QTest::newRow("a folder of that name") << "folder" << false;
        QTest::newRow("nothing") << "nothing" << false;
    }
    void keeperBesideTheProgramComesFirst() {
        QFETCH(QString, beside);
        QFETCH(bool, besideChosen);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("tinctora-clipboard-keeper");
        if (beside == "folder") {
            QVERIFY(QDir(dir.path()).mkdir("tinctora-clipboard-keeper"));
        } else if (beside != "nothing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (beside == "program") {
                QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
            }
        }
        const QString installed = "/usr/libexec/tinctora/tinctora-clipboard-keeper";
        QCOMPARE(KeeperProgram(dir.path(), installed), besideChosen ? path : installed);
    }

    void waitEndsWhenDoneOrAtItsPatience_data() {
        QTest::addColumn<int>("doneAfterMs"); // -1: never
        QTest::addColumn<bool>("done");
        QTest::newRow("done at once") << 0 << true;
        QTest::newRow("done by an event") << 30 << true;
        QTest::newRow("never done") << -1 << false;
    }
    void waitEndsWhenDoneOrAtItsPatience() {
        QFETCH(int, doneAfterMs);
        QFETCH(bool, done);
        bool flag = doneAfterMs == 0;
        if (doneAfterMs > 0) {
            QTimer::singleShot(doneAfterMs, this, [&flag] { flag = true; });
        }
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ProcessEventsUntil([&flag] { return flag; }, 300ms), done);
        if (done) {
            QVERIFY(clock.elapsed() < 300);
        } else {
            QVERIFY(clock.elapsed() >= 300);
            QVERIFY(clock.elapsed() < 2000);
        }
    }
};

QTEST_MAIN(ClipboardKeepingTest)
#include "test_clipboard_keeping.moc"
