// Opening the popup value picker.
#include "value_picker.h"

#include "draw_gradient.h"
#include "frm_main.h"
#include "frm_picker.h"
#include "gradient.h"
#include "picker_placement.h"
#include "twips.h"

namespace tinctora {

void OpenValuePicker(frmMain& form, int Index) {
    const bool webSafe = WebSafeMode(form);
    form.PickerChannel = Index;
    form.PickerMaxValue = static_cast<int16_t>(Index <= 2 ? 255 : 240);
    frmPicker& picker = form.Picker();
    picker.setChoosingLineColor(ContrastColor(form.picWSColor->backColor()));

    constexpr auto tpp = static_cast<float>(kTwipsPerPixel);
    const QRect outer = picker.frameGeometry();
    const auto frameTwips = static_cast<int16_t>((outer.width() - picker.ScaleWidth()) * tpp);
    const QPoint pointer = form.desktop.pointerPosition().value_or(QPoint());

    const std::string text = form.txtValue[Index]->text().toStdString();
    const int16_t value = PickerStartValue(text, Index, HexMode(form));
    const float markerX = PickerMarkerX(value, form.PickerMaxValue, picker.ScaleWidth());
    picker.setChoosingLineX(markerX);

    // The strip opens right under the swatch, whichever channel it serves.
    const QRect swatch = form.desktop.windowRect(form.picColor).value_or(QRect());
    PickerPlacementInput in;
    in.pointerX = pointer.x();
    in.markerX = markerX;
    in.frameWidthTwips = frameTwips;
    in.widthTwips = static_cast<float>(outer.width()) * tpp;
    in.screenWidthTwips = static_cast<float>(form.desktop.screenSize().width()) * tpp;
    in.swatchBottom = swatch.y() + swatch.height();
    in.twipsPerPixelX = tpp;
    in.twipsPerPixelY = tpp;
    const PickerPlacement place = PlacePicker(in);
    if (place.pointerX) {
        form.desktop.setPointerPosition(QPoint(*place.pointerX, pointer.y()));
    }
    picker.move(static_cast<int>(RoundHalfEven(place.leftTwips / tpp)),
                static_cast<int>(RoundHalfEven(place.topTwips / tpp)));

    DrawGradient(picker.image(), PickerGradient(Index, LinkedMode(form), form.CurRGB, form.CurHSL),
                 true, webSafe);
    picker.update();
    picker.show();
    form.desktop.setTopmost(&form, false);
    form.desktop.setTopmost(&picker, true);
    form.desktop.setCapture(&picker);
}

} // namespace tinctora
