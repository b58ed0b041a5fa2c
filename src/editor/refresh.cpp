// The refresh cycle: every change of the colour ends here, and every display
// is brought in step with CurRGB and CurHSL.
#include "frm_main.h"

#include "channel_text.h"
#include "frm_picker.h"
#include "gradient.h"
#include "no_refresh_mark.h"

#include <QCheckBox>

namespace tinctora {

bool WebSafeMode(const frmMain& form) {
    return form.chkWebSafe->isChecked();
}
bool HexMode(const frmMain& form) {
    return form.chkShowHexvalues->isChecked();
}
bool LinkedMode(const frmMain& form) {
    return form.chkLinkChannels->isChecked();
}

namespace {

// Writes the texts of a group of boxes under the refresh mark, so that their
// change handler leaves the colour alone.
template <std::size_t N>
void WriteMarked(const std::array<TextBox*, N>& boxes, const std::array<std::string, N>& texts) {
    const NoRefreshMark mark(boxes);
    for (std::size_t i = 0; i < N; ++i) {
        // Writing the text a box already shows changes nothing a person sees,
        // but costs a relayout of the box.
        const QString text = QString::fromStdString(texts[i]);
        if (boxes[i]->text() != text) {
            boxes[i]->setText(text);
        }
    }
}

} // namespace

void frmMain::RefreshChannels(int32_t ChannelIndex) {
    const int k = ChannelIndex;
    const bool hex = HexMode(*this);
    const auto snap = [this] {
        if (WebSafeMode(*this)) {
            CurRGB = SnapWebSafe(CurRGB);
        }
    };

    if (!IsRgbChannel(k)) {
        if (IsHslChannel(k)) {
            UpdateRGB(CurHSL, CurRGB);
        }
        snap();
        WriteMarked<3>({txtValue[0], txtValue[1], txtValue[2]},
                       {RgbChannelText(CurRGB.red, hex), RgbChannelText(CurRGB.green, hex),
                        RgbChannelText(CurRGB.blue, hex)});
    }
    if (!IsHslChannel(k)) {
        snap();
        UpdateHSL(CurRGB, CurHSL);
        WriteMarked<3>({txtValue[3], txtValue[4], txtValue[5]},
                       {DecimalText(CurHSL.hue), DecimalText(CurHSL.saturation),
                        DecimalText(CurHSL.luminance)});
    }
    if (k != kHexBoxIndex) {
        snap();
        WriteMarked<1>({txtValue[6]}, {HexColorText(PackColor(CurRGB))});
    }

    WebSafeNeighbour = SnapWebSafe(CurRGB);
    picWSColor->setBackColor(PackColor(WebSafeNeighbour));
    lblCaution->setForeColor(ContrastColor(PackColor(CurRGB)));

    RecolourPickerMarker();

    picInvert->setBackColor(0xFFFFFF - PackColor(CurRGB));
    picColor->setBackColor(PackColor(CurRGB));

    const bool differs = picColor->backColor() != picWSColor->backColor();
    if (differs && lblCaution->isHidden()) {
        lblCaution->setVisible(true);
    } else if (!differs && !lblCaution->isHidden()) {
        lblCaution->setVisible(false);
    }

    UpdateSchemePreview();
    UpdateMiniScrolls();
}

void frmMain::RecolourPickerMarker() {
    // The picker's line contrasts with what its strip shows, as a strip's
    // marker does; once the picker has closed, with the current colour.
    const bool wholeColor = LinkedMode(*this) || PickerChannel == kAllChannels;
    if (wholeColor || PickerChannel < kHexBoxIndex) {
        Picker().setChoosingLineColor(
            ContrastColor(StripMarkerBasis(PickerChannel, wholeColor, CurRGB, CurHSL)));
    }
}

} // namespace tinctora
