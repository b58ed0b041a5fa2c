// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Costs of the steps a person feels on the offscreen platform: a full
// refresh cycle, a strip drag step and a picker move step. The steps include
// the painting of every display they change, as the event loop would do it
// right after the mouse move. The strip drag step is set against the same step
// on the luminance strip of Qt's own colour dialog, measured in the same run.
#include "app_style.h"
#include "bench_stats.h"
#include "fake_desktop.h"
#include "frm_main.h"
#include "frm_picker.h"
#include "window_driver.h"

#include <QApplication>
#include <QColorDialog>

#include <cstdio>
#include <cstdlib>

using namespace tinctora;
using namespace tinctora::testing;

namespace {

// The mouse move, then the paint events it caused.
void MoveAndPaint(QWidget* target, QPointF position) {
    Move(target, position);
    QApplication::processEvents();
}

// Each drag compared has a step of its own, kept out of line so that a
// profiler can count one figure alone, for example
// callgrind --toggle-collect='*WebPanelDragStep*'.
[[gnu::noipa]] void QtDialogMove(QWidget* target, QPointF position) {
    MoveAndPaint(target, position);
}
[[gnu::noipa]] void StripDragStep(QWidget* target, QPointF position) {
    MoveAndPaint(target, position);
}
[[gnu::noipa]] void WebPanelDragStep(QWidget* target, QPointF position) {
    MoveAndPaint(target, position);
}
[[gnu::noipa]] void PickerMoveStep(QWidget* target, QPointF position) {
    MoveAndPaint(target, position);
}

// Qt's own colour dialog, drawn by Qt in the application's style, the pointer
// dragged along its luminance strip: every step changes the colour, and with
// it the dialog's swatch, boxes and strip.
bench::Figure QtDialogDragStep(int runs) {
    QColorDialog dialog(QColor(0, 200, 40));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.show();
    QApplication::processEvents();
    QWidget* strip = nullptr;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (qstrcmp(child->metaObject()->className(), "QColorLuminancePicker") == 0) {
            strip = child;
        }
    }
    if (strip == nullptr) {
        std::fprintf(stderr, "no luminance strip found in the colour dialog\n");
        std::exit(1);
    }
    const int rows = strip->height();
    Press(strip, QPointF(5, rows / 2.0));
    QApplication::processEvents();
    const auto drag = bench::TimeMicroseconds(
        runs, [strip, rows](int i) { QtDialogMove(strip, QPointF(5, (i * 7) % rows + 0.5)); });
    Release(strip, QPointF(5, rows / 2.0));
    QApplication::processEvents();
    return drag;
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
        runs, [strip, rows](int i) { StripDragStep(strip, QPointF(5, (i * 7) % rows + 0.5)); });
    Release(strip, QPointF(5, 0));
    QApplication::processEvents();
    const auto qtDrag = QtDialogDragStep(runs);
    bench::Print("QColorDialog luminance drag step", qtDrag, "us");
    bench::Print("strip drag step, painted", drag, "us", "QColorDialog step", qtDrag.median);

    // The same drag with the web panel open and the background selected, so
    // that every step changes the contrast of all four text roles and
    // repaints their buttons as well as the preview.
    form.cmdShowWebFeatures_Click();
    QApplication::processEvents();
    Press(strip, QPointF(5, 0));
    QApplication::processEvents();
    const auto webDrag = bench::TimeMicroseconds(
        runs, [strip, rows](int i) { WebPanelDragStep(strip, QPointF(5, (i * 7) % rows + 0.5)); });
    Release(strip, QPointF(5, 0));
    QApplication::processEvents();
    bench::Print("strip drag step, web panel open, painted", webDrag, "us", "QColorDialog step",
                 qtDrag.median);
    // The refresh cycle again, now with the contrast work that only the
    // open web panel asks for, and that work alone: four ratios, their
    // marks, tooltips and descriptions, the background changing each time.
    const auto webRefresh = bench::TimeMicroseconds(runs, [&form](int i) {
        form.CurRGB = UnpackColor((static_cast<uint32_t>(i) * 2654435761u) & 0xFFFFFF);
        form.RefreshChannels(kAllChannels);
    });
    bench::Print("refresh cycle, web panel open", webRefresh, "us", "refresh cycle",
                 refresh.median);
    const auto contrast = bench::TimeMicroseconds(runs, [&form](int i) {
        form.picHomepageView->setBackColor((static_cast<uint32_t>(i) * 2654435761u) & 0xFFFFFF);
        form.UpdateContrastMarks();
    });
    bench::Print("contrast marks per refresh", contrast, "us", "refresh, web panel open",
                 webRefresh.median);
    form.cmdShowWebFeatures_Click();
    QApplication::processEvents();

    // The picker open on the blue channel, the pointer moving along it.
    form.cmdValpick_MouseDown(2, Qt::LeftButton);
    QApplication::processEvents();
    frmPicker& picker = form.Picker();
    const int columns = picker.width();
    const auto pick = bench::TimeMicroseconds(runs, [&picker, columns](int i) {
        PickerMoveStep(&picker, QPointF((i * 37) % columns + 0.5, 7));
    });
    bench::Print("picker move step, painted", pick, "us", "refresh cycle", refresh.median);
    return 0;
}
