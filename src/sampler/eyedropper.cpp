// The eyedropper: the colour from anywhere on the screen.
#include "frm_main.h"

#include "frame_overlay.h"
#include "packed_qcolor.h"
#include "resources.h"
#include "sampling.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>
#include <utility>

namespace tinctora {

namespace {

constexpr int kShowWebLeftTwips = 1860;

const QString kEyedropperTip =
    QStringLiteral("Mit dem Fadenkreuz eine Farbe vom Bildschirm nehmen");
const QString kNoScreenTip =
    QString::fromUtf8("Dieser Desktop gibt keine Bildschirmfarben heraus: Die Pipette braucht das "
                      "Bildschirmfoto-Portal (xdg-desktop-portal).");
const QString kMeanNeedsFrameTip = QString::fromUtf8(
    "Der Mittelwert aus 5x5 Punkten braucht einen Desktop, der Bildschirmfotos erlaubt. "
    "Hier nimmt die Farbauswahl des Desktops einen einzelnen Punkt.");

// 0 for "1x1", 1 for "5x5"; also the offset of the mode's icon and cursor.
int SelectedMode(const frmMain& form) {
    return form.optScreencolorMode[0]->isChecked() ? 0 : 1;
}

// The mode's icon, or where the eyedropper cannot work, the icon greyed on a
// hatched ground, so that the whole box looks out of service.
QPixmap IdlePicture(frmMain& form, int mode) {
    const QPixmap icon = IconResource(101 + mode);
    if (form.desktop.screenAccess() != ScreenAccess::None) {
        return icon;
    }
    QPixmap inactive(icon.size());
    inactive.fill(ToQColor(form.picScreencolor->backColor()));
    QPainter painter(&inactive);
    painter.fillRect(inactive.rect(), QBrush(Qt::gray, Qt::BDiagPattern));
    painter.drawPixmap(0, 0, QIcon(icon).pixmap(icon.size(), QIcon::Disabled));
    return inactive;
}

} // namespace

void frmMain::picScreencolor_MouseDown() {
    const ScreenAccess access = desktop.screenAccess();
    switch (access) {
    case ScreenAccess::None:
        return;
    case ScreenAccess::PickOnly:
        PickAtRelease = true;
        return;
    case ScreenAccess::ClickFrame:
        HidePointerUntilFrame();
        RequestFrame();
        return;
    case ScreenAccess::Live:
    case ScreenAccess::DragFrame:
        break;
    }
    move(0, 0);
    if (WebPanelShown()) {
        ShowNarrowWindow();
        cmdShowWebFeatures->move(TwipsToPixels(kShowWebLeftTwips), cmdShowWebFeatures->y());
    }
    desktop.setTopmost(this, true);
    const bool firstButton = !tmrScreencolor->isActive();
    if (firstButton && access == ScreenAccess::DragFrame) {
        DragFrame = ScreenFrame();
        DragFrameWait.start();
        RequestFrame();
    }
    // The pointer stays hidden until the frame has arrived: a desktop that
    // draws the pointer into its screenshots would otherwise put the cross
    // hair into the very pixels it is about to take.
    const QCursor pointer = access == ScreenAccess::DragFrame && DragFrame.image.isNull()
                                ? QCursor(Qt::BlankCursor)
                                : CursorResource(101 + SelectedMode(*this));
    // A second button pressed during a drag changes the pointer instead of
    // stacking another one that the release would leave behind.
    if (firstButton) {
        QApplication::setOverrideCursor(pointer);
    } else {
        QApplication::changeOverrideCursor(pointer);
    }
    picScreencolor->setPicture(QPixmap());
    DragHasSampled = false;
    tmrScreencolor->start();
}

void frmMain::tmrScreencolor_Timer() {
    const bool fromFrame = desktop.screenAccess() == ScreenAccess::DragFrame;
    // A frame this late comes after a question to the user, which has taken
    // the pointer: the drag ends, and the frame opens for a click once given.
    if (fromFrame && DragFrame.image.isNull() &&
        std::chrono::milliseconds(DragFrameWait.elapsed()) >= DragFrameWaitLimit) {
        picScreencolor_MouseUp();
        return;
    }
    // Until the frame has arrived its pixels cannot be read: the pointer is
    // followed, the colour stays.
    const std::optional<PointerSample> sample =
        fromFrame ? desktop.samplePointerOn(DragFrame) : desktop.samplePointer();
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
    picScreencolor->setOverlay(
        MagnifierImage(sample->block, single, ToQColor(picScreencolor->backColor())));
    TakeSampledBlock(sample->block);
}

void frmMain::TakeSampledBlock(const PixelBlock& block) {
    // An unreadable pixel under the pointer, or a block with none readable,
    // has no colour to take: the current colour stays.
    std::optional<RGBColor> sampled;
    if (SelectedMode(*this) == 0) {
        const PackedColor centre = block[static_cast<std::size_t>(PixelBlockIndex(0, 0))];
        if (centre != -1) {
            sampled = UnpackColor(centre);
        }
    } else {
        sampled = BlockMean(block);
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
        RefreshChannels(kAllChannels);
    }
    LastSampledColor = packed;
    DragHasSampled = true;
}

void frmMain::picScreencolor_MouseUp() {
    // The release of a click that opened the overlay, or asked the desktop's
    // picker, ends no drag.
    if (!tmrScreencolor->isActive()) {
        return;
    }
    move(CentredPosition(desktop.screenSize(), frameGeometry().size()));
    QApplication::restoreOverrideCursor();
    picScreencolor->setPicture(IdlePicture(*this, SelectedMode(*this)));
    tmrScreencolor->stop();
    DragFrame = ScreenFrame();
}

void frmMain::optScreencolorMode_Click(int Index) {
    picScreencolor->setPicture(IdlePicture(*this, Index));
    ShowScreenAccess();
}

void frmMain::ShowScreenAccess() {
    const ScreenAccess access = desktop.screenAccess();
    const bool usable = access != ScreenAccess::None;
    picScreencolor->setEnabled(usable);
    picScreencolor->setToolTip(usable ? kEyedropperTip : kNoScreenTip);
    frameScreencolor->setToolTip(access == ScreenAccess::PickOnly && SelectedMode(*this) == 1
                                     ? kMeanNeedsFrameTip
                                     : QString());
    // During a drag the box shows the magnifier, not its picture.
    if (!tmrScreencolor->isActive()) {
        picScreencolor->setPicture(IdlePicture(*this, SelectedMode(*this)));
    }
}

void frmMain::RequestFrame() {
    const int request = ++FrameRequests;
    desktop.requestFrame(
        [self = QPointer<frmMain>(this), request](std::optional<ScreenFrame> frame) {
            if (self != nullptr && request == self->FrameRequests) {
                self->FrameAnswered(std::move(frame));
            }
        });
}

void frmMain::HidePointerUntilFrame() {
    // A desktop that draws the pointer into its screenshots (KDE Plasma does)
    // would otherwise freeze the arrow over the box into the frame the click
    // picks from. A desktop that never answers gets it back after the wait
    // for the request that follows.
    if (!std::exchange(PointerHiddenForFrame, true)) {
        QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    }
    QTimer::singleShot(DragFrameWaitLimit, this, [this, request = FrameRequests + 1] {
        if (request == FrameRequests) {
            ShowPointerAgain();
        }
    });
}

void frmMain::ShowPointerAgain() {
    if (std::exchange(PointerHiddenForFrame, false)) {
        QApplication::restoreOverrideCursor();
    }
}

void frmMain::FrameAnswered(std::optional<ScreenFrame> frame) {
    ShowPointerAgain();
    const bool dragging = tmrScreencolor->isActive();
    if (frame) {
        // A frame that arrives after its drag ended (a click shorter than
        // the wait, or a drag the desktop's question took the pointer from)
        // is picked from with a click, as where no drag can follow the pointer.
        if (dragging) {
            DragFrame = std::move(*frame);
            QApplication::changeOverrideCursor(CursorResource(101 + SelectedMode(*this)));
        } else {
            ShowFrameOverlays(std::move(*frame));
        }
        return;
    }
    // Refused: the drag that waited for it has nothing to sample.
    picScreencolor_MouseUp();
    if (desktop.screenAccess() == ScreenAccess::PickOnly) {
        if (BoxButtonDown) {
            PickAtRelease = true;
        } else {
            PickWithDesktop();
        }
    }
}

void frmMain::ShowFrameOverlays(ScreenFrame frame) {
    CloseFrameOverlays();
    ColorBeforePick = CurRGB;
    DragHasSampled = false;
    const auto shared = std::make_shared<const ScreenFrame>(std::move(frame));
    const int mode = SelectedMode(*this);
    for (std::size_t i = 0; i < shared->screens.size(); ++i) {
        auto* overlay = new FrameOverlay(shared, i, CursorResource(101 + mode), mode == 0,
                                         ToQColor(picScreencolor->backColor()), this);
        overlay->setAttribute(Qt::WA_DeleteOnClose);
        connect(overlay, &FrameOverlay::hovered, this, &frmMain::TakeSampledBlock);
        connect(overlay, &FrameOverlay::picked, this, [this](const PixelBlock& block) {
            TakeSampledBlock(block);
            CloseFrameOverlays();
        });
        connect(overlay, &FrameOverlay::cancelled, this, [this] {
            CurRGB = ColorBeforePick;
            RefreshChannels(kAllChannels);
            CloseFrameOverlays();
        });
        FrameOverlays.emplace_back(overlay);
        overlay->showOverScreen();
    }
}

void frmMain::CloseFrameOverlays() {
    for (const QPointer<FrameOverlay>& overlay : std::exchange(FrameOverlays, {})) {
        if (overlay != nullptr) {
            overlay->close();
        }
    }
}

void frmMain::PickWithDesktop() {
    desktop.pickColor([self = QPointer<frmMain>(this)](std::optional<PackedColor> colour) {
        if (self == nullptr || !colour) {
            return;
        }
        self->CurRGB = UnpackColor(*colour);
        self->RefreshChannels(kAllChannels);
        self->LastSampledColor = *colour;
    });
}

void frmMain::connectSampler() {
    connect(picScreencolor, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) {
                BoxButtonDown = true;
                picScreencolor_MouseDown();
            });
    connect(picScreencolor, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, QPointF) {
                BoxButtonDown = false;
                picScreencolor_MouseUp();
                if (std::exchange(PickAtRelease, false)) {
                    PickWithDesktop();
                }
            });
    connect(tmrScreencolor, &QTimer::timeout, this, &frmMain::tmrScreencolor_Timer);
    for (int i = 0; i < 2; ++i) {
        connect(optScreencolorMode[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        optScreencolorMode_Click(i);
                    }
                });
    }
    // A question of the desktop in a window of its own (may this program take
    // a screenshot?) takes the pointer away from a drag that is waiting for
    // its frame, and the release goes to the question: the drag ends here
    // instead, with no pointer or timer left behind.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // The release then goes to the question, not to the box.
                if (state != Qt::ApplicationActive) {
                    BoxButtonDown = false;
                }
                if (state != Qt::ApplicationActive && tmrScreencolor->isActive() &&
                    desktop.screenAccess() == ScreenAccess::DragFrame) {
                    picScreencolor_MouseUp();
                }
            });
    desktop.watchScreenAccess([self = QPointer<frmMain>(this)] {
        if (self != nullptr) {
            self->ShowScreenAccess();
        }
    });
}

} // namespace tinctora
