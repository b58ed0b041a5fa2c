// A native window whose pixels the Wayland tests know: its left and right
// halves are each one colour ("#rrggbb") or a pattern of single device
// pixels: "checker" is white where x + y is even and black elsewhere, "dots"
// is red where x and y are both multiples of 8 and blue elsewhere (x and y
// counted in device pixels from the window's corner, so that a scaled output
// shows the pattern at its physical pixels). A line "swap" on stdin exchanges
// the halves, so a test can tell a frozen picture of the window from the
// window itself. The pointer is blank over it: the compositor draws the
// cursor into every capture. It asks to be maximised, so that on a desktop
// that does not tile it still covers the screen, save the desktop's own bars.
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRasterWindow>
#include <QSocketNotifier>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <utility>

namespace {

enum class Pattern { None, Checker, Dots };

struct Fill {
    Pattern pattern = Pattern::None;
    QColor colour;
};

bool ParseFill(const char* text, Fill& fill) {
    const std::string name(text);
    if (name == "checker" || name == "dots") {
        fill.pattern = name == "checker" ? Pattern::Checker : Pattern::Dots;
        return true;
    }
    fill.colour = QColor(QString::fromLatin1(text));
    return fill.colour.isValid();
}

QRgb PatternPixel(Pattern pattern, int x, int y) {
    if (pattern == Pattern::Checker) {
        return (x + y) % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return x % 8 == 0 && y % 8 == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
}

class ColourWindow : public QRasterWindow {
public:
    ColourWindow(Fill left, Fill right) : left_(std::move(left)), right_(std::move(right)) {
        setTitle(QStringLiteral("fixture"));
        // No frame, the compositor's neither: the pattern starts at the window's corner.
        setFlag(Qt::FramelessWindowHint);
        setCursor(QCursor(Qt::BlankCursor));
    }

    void Swap() {
        std::swap(left_, right_);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int half = width() / 2;
        PaintHalf(painter, QRect(0, 0, half, height()), left_);
        PaintHalf(painter, QRect(half, 0, width() - half, height()), right_);
    }

private:
    void PaintHalf(QPainter& painter, const QRect& area, const Fill& fill) const {
        if (fill.pattern == Pattern::None) {
            painter.fillRect(area, fill.colour);
            return;
        }
        const qreal ratio = devicePixelRatio();
        const QRect device(QPoint(qRound(area.x() * ratio), qRound(area.y() * ratio)),
                           area.size() * ratio);
        QImage image(device.size(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                line[x] = PatternPixel(fill.pattern, device.x() + x, device.y() + y);
            }
        }
        painter.drawImage(area.topLeft(), image);
    }

    Fill left_;
    Fill right_;
};

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("tinctora-test-fixture"));
    Fill left;
    Fill right;
    if (argc != 3 || !ParseFill(argv[1], left) || !ParseFill(argv[2], right)) {
        std::fprintf(stderr, "usage: %s LEFT RIGHT (each #rrggbb, checker or dots)\n", argv[0]);
        return 2;
    }
    ColourWindow window(left, right);
    window.showMaximized();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&window, &input] {
        char buffer[64];
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            return;
        }
        if (std::string(buffer, static_cast<size_t>(count)).find("swap") != std::string::npos) {
            window.Swap();
        }
    });
    return app.exec();
}
