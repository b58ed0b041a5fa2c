// The eyedropper: the colour from anywhere on the screen.
#include "frm_main.h"

#include "packed_qcolor.h"
#include "resources.h"
#include "sampling.h"
#include "twips.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tinctora {

namespace {

const QString kShowWeb = QStringLiteral("&Web >>");
constexpr int kShowWebLeftTwips = 1860;

// 0 for "1x1", 1 for "5x5"; also the offset of the mode's icon and cursor.
int SelectedMode(const frmMain& form) {
    return form.optScreencolorMode[0]->isChecked() ? 0 : 1;
}

} // namespace

void frmMain::picScreencolor_MouseDown() {
    move(0, 0);
    if (cmdShowWebFeatures->text() != kShowWeb) {
        setOuterWidthTwips(kNarrowWidthTwips);
        cmdShowWebFeatures->setText(kShowWeb);
        cmdShowWebFeatures->move(TwipsToPixels(kShowWebLeftTwips), cmdShowWebFeatures->y());
    }
    desktop.setTopmost(this, true);
    // A second button pressed during a drag changes the pointer instead of
    // stacking another one that the release would leave behind.
    const QCursor pointer = CursorResource(101 + SelectedMode(*this));
    if (tmrScreencolor->isActive()) {
        QApplication::changeOverrideCursor(pointer);
    } else {
        QApplication::setOverrideCursor(pointer);
    }
    picScreencolor->setPicture(QPixmap());
    DragHasSampled = false;
    tmrScreencolor->start();
}

void frmMain::tmrScreencolor_Timer() {
    const std::optional<PointerSample> sample = desktop.samplePointer();
    if (!sample) {
        return;
    }
    if (const std::optional<QRect> outer = desktop.windowRect(this)) {
        const QPoint target = EvadedPosition(sample->position, *outer, pos(),
                                             frameGeometry().size(), desktop.screenSize());
        if (target != pos()) {
            move(target);
        }
    }

    const bool single = SelectedMode(*this) == 0;
    const QImage magnified =
        MagnifierImage(sample->block, single, ToQColor(picScreencolor->backColor()));
    picScreencolor->setOverlay(magnified);

    // An unreadable pixel under the pointer, or a block with none readable,
    // has no colour to take: the current colour stays.
    std::optional<RGBColor> sampled;
    if (single) {
        const PackedColor centre = sample->block[static_cast<std::size_t>(PixelBlockIndex(0, 0))];
        if (centre != -1) {
            sampled = UnpackColor(centre);
        }
    } else {
        sampled = BlockMean(sample->block);
    }
    if (!sampled) {
        return;
    }
    // The drag's first sample always refreshes: the displays may show a
    // colour typed in since the last drag, even if it matches the last sample.
    // A repeated sample leaves CurRGB alone: in web-safe mode the refresh has
    // snapped it, and setting the raw sample again would put an unsnapped
    // colour behind displays that no refresh brings back in step.
    const PackedColor packed = PackColor(*sampled);
    if (packed != LastSampledColor || !DragHasSampled) {
        CurRGB = *sampled;
        RefreshChannels(7);
    }
    LastSampledColor = packed;
    DragHasSampled = true;
}

void frmMain::picScreencolor_MouseUp() {
    move(CentredPosition(desktop.screenSize(), frameGeometry().size()));
    if (tmrScreencolor->isActive()) {
        QApplication::restoreOverrideCursor();
    }
    picScreencolor->setPicture(IconResource(101 + SelectedMode(*this)));
    tmrScreencolor->stop();
}

void frmMain::optScreencolorMode_Click(int Index) {
    picScreencolor->setPicture(IconResource(101 + Index));
}

void frmMain::connectSampler() {
    connect(picScreencolor, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) { picScreencolor_MouseDown(); });
    connect(picScreencolor, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) { picScreencolor_MouseUp(); });
    connect(tmrScreencolor, &QTimer::timeout, this, &frmMain::tmrScreencolor_Timer);
    for (int i = 0; i < 2; ++i) {
        connect(optScreencolorMode[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        optScreencolorMode_Click(i);
                    }
                });
    }
}

} // namespace tinctora
