// Costs of the steps a person feels on the offscreen platform: a full
// refresh cycle, a strip drag step and a picker move step. The two steps
// include the painting of every display they change, as the event loop would
// do it right after the mouse move.
#include "app_style.h"
#include "bench_stats.h"
#include "fake_desktop.h"
#include "frm_main.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

// The mouse move, then the paint events it caused; kept out of line so a
// profiler can single it out (callgrind --toggle-collect='*MoveAndPaint*').
[[gnu::noinline]] void MoveAndPaint(QWidget* target, QPointF position) {
    Move(target, position);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeDesktop desktop;
    ApplyApplicationStyle(app, desktop);
    frmMain form(desktop);
    form.Form_Load();
    QApplication::processEvents();

    const int runs = argc > 1 ? std::atoi(argv[1]) : 5000;
    const auto refresh = bench::TimeMicroseconds(runs, [&form](int i) {
        form.CurRGB = UnpackColor((static_cast<uint32_t>(i) * 2654435761u) & 0xFFFFFF);
        form.RefreshChannels(kAllChannels);
    });
    bench::Print("refresh cycle (RefreshChannels 7)", refresh, "us");

    // Dragging on the green strip: every step lands on another row, so the
    // value and every display change each time.
    QWidget* strip = form.picMiniScroll[1]->client();
    const int rows = strip->height();
    Press(strip, QPointF(5, 0));
    QApplication::processEvents();
    const auto drag = bench::TimeMicroseconds(
        runs, [strip, rows](int i) { MoveAndPaint(strip, QPointF(5, (i * 7) % rows + 0.5)); });
    Release(strip, QPointF(5, 0));
    QApplication::processEvents();
    bench::Print("strip drag step, painted", drag, "us", "refresh cycle", refresh.median);

    // The picker open on the blue channel, the pointer moving along it.
    form.cmdValpick_MouseDown(2, Qt::LeftButton);
    QApplication::processEvents();
    frmPicker& picker = form.Picker();
    const int columns = picker.width();
    const auto pick = bench::TimeMicroseconds(runs, [&picker, columns](int i) {
        MoveAndPaint(&picker, QPointF((i * 37) % columns + 0.5, 7));
    });
    bench::Print("picker move step, painted", pick, "us", "refresh cycle", refresh.median);
    return 0;
}
