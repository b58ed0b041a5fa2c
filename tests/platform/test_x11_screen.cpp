// Reading the real screen: an Xvfb of its own, its root window painted with
// xsetroot, the pointer moved with xdotool, and the platform layer asked for
// the block under it. TINCTORA_XVFB_DEPTH picks the depth (16, 24 or 30);
// run with QT_SCALE_FACTOR=2 it proves that the block is physical pixels.
#include "qt_pointer_control.h"
#include "qt_screen_reader.h"
#include "x11_screen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <unistd.h>

using namespace tinctora;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// Run in the test's own environment, which points at its Xvfb.
bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

int Readable(const PixelBlock& block) {
    return static_cast<int>(
        std::count_if(block.begin(), block.end(), [](PackedColor c) { return c != -1; }));
}

} // namespace

class TestX11Screen : public QObject {
    Q_OBJECT
    QtScreenReader screenReader;
    QtPointerControl pointerControl;
    QTemporaryDir dir;

    // Moves the pointer in the server's own pixels and reads the block.
    std::optional<PointerSample> sampleAt(QPoint native) {
        if (!Run("xdotool",
                 {"mousemove", QString::number(native.x()), QString::number(native.y())})) {
            return std::nullopt;
        }
        return screenReader.samplePointer();
    }

    // Tiles the root with an 8 x 8 pattern whose only red pixel is its top
    // left: red pixels sit where x and y are multiples of 8, the rest is blue.
    bool paintDots() {
        const QString bitmap = dir.filePath("dot.xbm");
        QFile file(bitmap);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        file.write("#define dot_width 8\n#define dot_height 8\n"
                   "static unsigned char dot_bits[] = {\n   0x01, 0, 0, 0, 0, 0, 0, 0 };\n");
        file.close();
        return Run("xsetroot", {"-bitmap", bitmap, "-fg", "#ff0000", "-bg", "#0000ff"});
    }

private slots:
    void solidRootIsReadEverywhere_data() {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<int>("readable");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("magenta in the middle")
            << "#ff00ff" << QPoint(160, 120) << 25 << 255 << 0 << 255;
        QTest::newRow("green, top left corner") << "#00ff00" << QPoint(0, 0) << 9 << 0 << 255 << 0;
        QTest::newRow("blue, bottom right corner")
            << "#0000ff" << QPoint(kWidth - 1, kHeight - 1) << 9 << 0 << 0 << 255;
        QTest::newRow("yellow, one from the left edge")
            << "#ffff00" << QPoint(1, 100) << 20 << 255 << 255 << 0;
        QTest::newRow("white, on the right edge")
            << "#ffffff" << QPoint(kWidth - 1, 100) << 15 << 255 << 255 << 255;
    }
    void solidRootIsReadEverywhere() {
        QFETCH(QString, colour);
        QFETCH(QPoint, pointer);
        QFETCH(int, readable);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QVERIFY(Run("xsetroot", {"-solid", colour}));
        const std::optional<PointerSample> sample = sampleAt(pointer);
        QVERIFY(sample.has_value());
        QCOMPARE(Readable(sample->block), readable);
        const PackedColor expected = PackColor(
            static_cast<int16_t>(red), static_cast<int16_t>(green), static_cast<int16_t>(blue));
        QCOMPARE(sample->block[static_cast<std::size_t>(PixelBlockIndex(0, 0))], expected);
        for (const PackedColor c : sample->block) {
            QVERIFY(c == -1 || c == expected);
        }
    }

    void blockIsPhysicalPixelsInTheirPlaces_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("marked");
        // The root is tiled with an 8 x 8 pattern whose only red pixel is its
        // top left: red pixels sit where x and y are multiples of 8.
        QTest::newRow("on a red pixel") << QPoint(40, 40) << QPoint(0, 0);
        QTest::newRow("one right of it") << QPoint(41, 40) << QPoint(-1, 0);
        QTest::newRow("two below it") << QPoint(40, 42) << QPoint(0, -2);
        QTest::newRow("up and left of it") << QPoint(38, 39) << QPoint(2, 1);
    }
    void blockIsPhysicalPixelsInTheirPlaces() {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, marked);
        QVERIFY(paintDots());
        const std::optional<PointerSample> sample = sampleAt(pointer);
        QVERIFY(sample.has_value());
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const bool red = dx == marked.x() && dy == marked.y();
                QCOMPARE(sample->block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))],
                         red ? PackColor(255, 0, 0) : PackColor(0, 0, 255));
            }
        }
        // The position comes back in logical pixels.
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
            QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        }
        QCOMPARE(sample->position, (QPointF(pointer) / ratio).toPoint());
    }

    void aDragReadsEachBlockWhereverItsGuessWent_data() {
        QTest::addColumn<QList<QPoint>>("path");
        // Where the application saw the pointer go before each read; none
        // where x is negative.
        QTest::addColumn<QList<QPoint>>("seen");
        // For each read, + where the guess sent with the pointer query held
        // the block, - where a second request had to read it.
        QTest::addColumn<QString>("guessed");
        const QPoint none(-1, -1);
        QTest::newRow("steady steps")
            << QList<QPoint>{{40, 40}, {43, 41}, {46, 42}, {49, 43}, {52, 44}}
            << QList<QPoint>(5, none) << "-++++";
        QTest::newRow("a leap, a step at its pace, a turn")
            << QList<QPoint>{{100, 100}, {120, 100}, {140, 100}, {135, 100}, {130, 100}}
            << QList<QPoint>(5, none) << "--+-+";
        QTest::newRow("into the corner, past the root's edge")
            << QList<QPoint>{{5, 5}, {0, 0}, {0, 0}} << QList<QPoint>(3, none) << "-++";
        QTest::newRow("leaps the application saw")
            << QList<QPoint>{{60, 60}, {200, 180}, {20, 200}}
            << QList<QPoint>{none, {200, 180}, {21, 199}} << "-++";
        QTest::newRow("seen somewhere else, then steady")
            << QList<QPoint>{{60, 60}, {70, 60}, {80, 60}} << QList<QPoint>{none, {250, 50}, none}
            << "--+";
    }
    void aDragReadsEachBlockWhereverItsGuessWent() {
        QFETCH(QList<QPoint>, path);
        QFETCH(QList<QPoint>, seen);
        QFETCH(QString, guessed);
        QVERIFY(paintDots());
        X11PointerReader reader;
        for (qsizetype i = 0; i < path.size(); ++i) {
            const QPoint at = path[i];
            QVERIFY(
                Run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())}));
            const std::optional<QPoint> hint =
                seen[i].x() < 0 ? std::nullopt : std::optional<QPoint>(seen[i]);
            const std::optional<NativePointerBlock> read = reader.read({}, hint);
            QVERIFY(read.has_value());
            QCOMPARE(read->nativePosition, at);
            QCOMPARE(reader.guessServedLastRead(), guessed[i] == '+');
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPoint p = at + QPoint(dx, dy);
                    const bool onRoot = QRect(0, 0, kWidth, kHeight).contains(p);
                    const bool red = p.x() % 8 == 0 && p.y() % 8 == 0;
                    const PackedColor expected =
                        !onRoot ? -1 : (red ? PackColor(255, 0, 0) : PackColor(0, 0, 255));
                    QCOMPARE(read->block[static_cast<std::size_t>(PixelBlockIndex(dx, dy))],
                             expected);
                }
            }
        }
    }

    // A plain X server moves the pointer where it is told: the strip relies on
    // it, and on XWayland it must not.
    void thePointerMovesOnAPlainXServer() {
        QVERIFY(!RunsOnXWayland());
        QVERIFY(pointerControl.setPointerPosition(QPoint(37, 23)));
        QCOMPARE(pointerControl.pointerPosition(), std::optional<QPoint>(QPoint(37, 23)));
    }

    void theWatchKeepsTheLastMoveOnce() {
        PointerWatch watch;
        QCoreApplication::instance()->installEventFilter(&watch);
        QWindow window;
        QObject other;
        const auto move = [](QObject* to, QPointF global) {
            QMouseEvent event(QEvent::MouseMove, QPointF(1, 1), global, Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(to, &event);
        };
        QVERIFY(!watch.take().has_value());
        move(&window, QPointF(10.5, 20));
        move(&window, QPointF(30, 40.25));
        move(&other, QPointF(99, 99));
        QCOMPARE(watch.take(), std::optional<QPointF>(QPointF(30, 40.25)));
        QVERIFY(!watch.take().has_value());
    }
};

int main(int argc, char* argv[]) {
    const QByteArray depth = qEnvironmentVariableIsEmpty("TINCTORA_XVFB_DEPTH")
                                 ? QByteArray("24")
                                 : qgetenv("TINCTORA_XVFB_DEPTH");
    // Xvfb picks a free display number and writes it to the pipe; -noreset
    // keeps the painted root when a helper like xsetroot disconnects.
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return EXIT_FAILURE;
    }
    QProcess xvfb;
    xvfb.setProgram("Xvfb");
    xvfb.setArguments({"-displayfd", QString::number(pipeEnds[1]), "-screen", "0",
                       QString("%1x%2x%3").arg(kWidth).arg(kHeight).arg(QString(depth)),
                       "-nolisten", "tcp", "-noreset"});
    xvfb.start();
    close(pipeEnds[1]);
    QByteArray number;
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n') {
        number.append(c);
    }
    close(pipeEnds[0]);
    if (number.isEmpty()) {
        qCritical("Xvfb did not start");
        return EXIT_FAILURE;
    }
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    int status = EXIT_FAILURE;
    {
        QApplication app(argc, argv);
        TestX11Screen test;
        status = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return status;
}

#include "test_x11_screen.moc"
