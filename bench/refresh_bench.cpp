// Costs of the steps a person feels on the offscreen platform: a full
// refresh cycle, a strip drag step and a picker move step.
#include "app_style.h"
#include "bench_stats.h"
#include "fake_desktop.h"
#include "frm_main.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>

using namespace tinctora;


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
        form.CurRGB = UnpackColor((i * 2654435761u) & 0xFFFFFF);
        form.RefreshChannels(7);
    });
    bench::Print("refresh cycle (RefreshChannels 7)", refresh, "us");
    return 0;
}
