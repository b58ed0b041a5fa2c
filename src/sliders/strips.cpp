// The six channel strips: their gradients and markers, and dragging on them.
#include "frm_main.h"

#include "channel_text.h"
#include "draw_gradient.h"
#include "gradient.h"
#include "pointer_values.h"

namespace tinctora {

void frmMain::UpdateMiniScrolls() {
    const bool linked = LinkedMode(*this);
    const bool webSafe = WebSafeMode(*this);
    for (int i = 0; i < 6; ++i) {
        PictureBox* strip = picMiniScroll[i];
        QImage& image = strip->image();
        DrawGradient(image, StripGradient(i, linked, CurRGB, CurHSL), false, webSafe);
        const PackedColor marker = ContrastColor(StripMarkerBasis(i, linked, CurRGB, CurHSL));
        const int16_t row =
            MarkerRow(ChannelValue(i, CurRGB, CurHSL), ChannelMaximum(i), image.height());
        DrawLine(image, 0, row, strip->width(), row, marker);
    }
    // The new images show only now, all six at once.
    for (PictureBox* strip : picMiniScroll) {
        strip->refresh();
    }
}

bool frmMain::WriteChannelValue(int Index, int32_t value) {
    TextBox* box = txtValue[Index];
    const QString before = box->text();
    box->setText(
        QString::fromStdString(ChannelValueText(Index, value, HexMode(*this), WebSafeMode(*this))));
    return box->text() != before;
}

void frmMain::picMiniScroll_MouseDown(int Index, Qt::MouseButtons Button, QPointF position) {
    pointerControl.setCapture(picMiniScroll[Index]);
    MiniScrollIndex = static_cast<int16_t>(Index);
    // A plain click sets the value at once.
    picMiniScroll_MouseMove(Index, Button, position);
}

void frmMain::picMiniScroll_MouseMove(int Index, Qt::MouseButtons Button, QPointF position) {
    if (Index != MiniScrollIndex || Button != Qt::LeftButton) {
        return;
    }
    const double hp = picMiniScroll[Index]->height();
    const int32_t value = StripValueAt(static_cast<float>(position.y()), hp, ChannelMaximum(Index));
    // A changed text refreshes every display, the strips included; only an
    // unchanged one leaves the strips to be drawn here.
    if (!WriteChannelValue(Index, value)) {
        UpdateMiniScrolls();
    }
}

void frmMain::picMiniScroll_MouseUp(int /*Index*/, Qt::MouseButtons /*Button*/,
                                    QPointF /*position*/) {
    MiniScrollIndex = -1;
    pointerControl.releaseCapture();
}

} // namespace tinctora
