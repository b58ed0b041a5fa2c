// Writing to a reader that may be slow or never read, on the handover's socket
// and on a paste's pipe: everything arrives, or the write gives up by its
// deadline, and a reader that went away costs no SIGPIPE.
#include "write_all.h"

#include <QElapsedTimer>
#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <thread>

using namespace tinctora;
using namespace std::chrono_literals;

namespace {

// Both ends of a pipe or of a socket pair, reader first.
struct Channel {
    int reader = -1;
    int writer = -1;
};

Channel Open(const QString& kind) {
    int ends[2] = {-1, -1};
    if (kind == "pipe") {
        if (pipe(ends) != 0) {
            return {};
        }
        return {ends[0], ends[1]};
    }
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) {
        return {};
    }
    return {ends[1], ends[0]};
}

std::string ReadAll(int fd) {
    std::string got;
    char chunk[65536];
    ssize_t n = 0;
    while ((n = read(fd, chunk, sizeof chunk)) > 0) {
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

} // namespace

class WriteAllTest : public QObject {
    Q_OBJECT

private slots:
    void writesAllOrGivesUpByTheDeadline_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reader"); // reads, never, gone
        QTest::addColumn<bool>("written");
        for (const char* kind : {"pipe", "socket"}) {
            QTest::addRow("%s read along", kind) << kind << "reads" << true;
            QTest::addRow("%s never read", kind) << kind << "never" << false;
            QTest::addRow("%s reader gone", kind) << kind << "gone" << false;
        }
    }
    void writesAllOrGivesUpByTheDeadline() {
        QFETCH(QString, kind);
        QFETCH(QString, reader);
        QFETCH(bool, written);
        // The keeper ignores SIGPIPE for its pipes; the program's own socket
        // must not need that.
        const auto before = std::signal(SIGPIPE, kind == "pipe" ? SIG_IGN : SIG_DFL);
        const Channel channel = Open(kind);
        QVERIFY(channel.reader >= 0 && channel.writer >= 0);
        // Far more than either buffer holds.
        const std::string text(4 << 20, 'x');
        if (reader == "gone") {
            close(channel.reader);
        }
        std::string got;
        std::thread reading;
        if (reader == "reads") {
            reading = std::thread([&got, fd = channel.reader] { got = ReadAll(fd); });
        }
        QElapsedTimer clock;
        clock.start();
        const bool result =
            WriteAll(channel.writer, text, std::chrono::steady_clock::now() + 300ms);
        const qint64 took = clock.elapsed();
        close(channel.writer);
        if (reading.joinable()) {
            reading.join();
        }
        if (reader != "gone") {
            close(channel.reader);
        }
        std::signal(SIGPIPE, before);
        QCOMPARE(result, written);
        QVERIFY(took < 2000);
        if (written) {
            QVERIFY(got == text);
        }
        if (reader == "never") {
            QVERIFY(took >= 300);
        }
    }
};

QTEST_MAIN(WriteAllTest)
#include "test_write_all.moc"
