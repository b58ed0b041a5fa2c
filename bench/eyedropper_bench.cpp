// Cost of one eyedropper tick on a real X server, next to the bare read of a
// 5 x 5 block through the same connection and a refresh cycle, all measured
// in the same run. Each tick includes the painting it causes.
#include "app_style.h"
#include "bench_stats.h"
#include "desktop_qt.h"
#include "eyedropper.h"
#include "frm_main.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

using namespace tinctora;

namespace {

// A window whose every pixel has another colour, for the pointer to sample.
class ColorField : public QWidget {
public:
    ColorField() : image_(256, 256, QImage::Format_RGB32) {
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                image_.setPixel(x, y, qRgb(x, y, (x * 7 + y * 13) & 0xFF));
            }
        }
        setWindowFlag(Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(256, 256);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

private:
    QImage image_;
};

void Settle() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (std::chrono::steady_clock::now() < end) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        std::fprintf(stderr, "eyedropper_bench needs an X server\n");
        return 2;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    const std::unique_ptr<Desktop> desktop = MakeQtDesktop();
    ApplyApplicationStyle(app, *desktop);
    frmMain form(*desktop);
    form.Form_Load();
    ColorField field;
    field.move(600, 400);
    field.show();
    Settle();

    // The drag as a press starts it, with the timer's ticks called here.
    form.picScreencolor_MouseDown();
    form.eyedropper->tmrScreencolor()->stop();
    Settle();

    const int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
    const auto bareRead = bench::TimeMicroseconds(runs, [connection, root](int i) {
        const auto x = static_cast<int16_t>(600 + i % 200);
        std::free(xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, 500, 5, 5, ~0U),
            nullptr));
    });
    bench::Print("bare 5x5 read from the X server", bareRead, "us");

    const auto refresh = bench::TimeMicroseconds(runs, [&form](int i) {
        form.CurRGB = UnpackColor((static_cast<uint32_t>(i) * 2654435761u) & 0xFFFFFF);
        form.RefreshChannels(kAllChannels);
        QApplication::processEvents();
    });
    bench::Print("refresh cycle on X, painted", refresh, "us");

    const auto tick = [&form](int) {
        form.tmrScreencolor_Timer();
        QApplication::processEvents();
    };
    // The pointer moved between two ticks: a round trip makes sure the
    // server has moved it and sent the move, which the event loop takes in
    // before the next tick, as it does while a person drags.
    const auto movePointer = [connection](QPoint to) {
        QCursor::setPos(to);
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        QApplication::processEvents();
    };

    movePointer(QPoint(700, 500));
    const auto unchanged = bench::TimeMicroseconds(runs, tick);
    bench::Print("eyedropper tick, colour unchanged", unchanged, "us", "bare read",
                 bareRead.median);

    // A drag sweeping across the field in steps, starting over at its edges.
    const auto changing = bench::TimeMicroseconds(runs, tick, [&movePointer](int i) {
        movePointer(QPoint(610 + (i * 37) % 230, 420 + (i * 11) % 200));
    });
    bench::Print("eyedropper tick, colour changing", changing, "us", "2 x bare read + refresh",
                 2 * bareRead.median + refresh.median);

    // The pointer anywhere on the field from one tick to the next.
    const auto leaping = bench::TimeMicroseconds(runs, tick, [&movePointer](int i) {
        const auto h = static_cast<uint32_t>(i) * 2654435761u;
        movePointer(
            QPoint(610 + static_cast<int>(h % 230), 420 + static_cast<int>((h >> 8) % 200)));
    });
    bench::Print("eyedropper tick, pointer leaping", leaping, "us", "2 x bare read + refresh",
                 2 * bareRead.median + refresh.median);

    form.picScreencolor_MouseUp();
    return 0;
}
