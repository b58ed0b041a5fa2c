// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the popup value picker.
#include "value_picker.h"

#include "draw_gradient.h"
#include "frm_main.h"
#include "frm_picker.h"
#include "gradient.h"
#include "picker_placement.h"
#include "pointer_values.h"

namespace tinctora {

void OpenValuePicker(frmMain& form, int Index) {
    const bool webSafe = WebSafeMode(form);
    form.PickerChannel = Index;
    form.PickerMaxValue = static_cast<int16_t>(ChannelMaximum(Index));
    frmPicker& picker = form.Picker();
    picker.setChoosingLineColor(ContrastColor(form.picWSColor->backColor()));

    const std::string text = form.txtValue[Index]->text().toStdString();
    const int16_t value = PickerStartValue(text, Index, HexMode(form));
    const int32_t marker = PickerMarkerColumn(value, form.PickerMaxValue, picker.ScaleWidth());
    picker.setChoosingLineX(static_cast<float>(marker));

    // The strip opens right under the swatch, whichever channel it serves.
    const QPoint pointer = form.pointerControl.pointerPosition().value_or(QPoint());
    const QRect swatch = form.windowPlacement.windowRect(form.picColor).value_or(QRect());
    const QRect outer = picker.frameGeometry();
    PickerPlacementInput in;
    in.pointerX = pointer.x();
    in.markerColumn = marker;
    in.clientLeft = picker.geometry().x() - outer.x();
    in.outerWidth = outer.width();
    if (form.windowPlacement.placesWindows()) {
        in.keepWithin = {0, form.displayInfo.screenSize().width()};
    } else if (!form.windowPlacement.knowsPopupPlace()) {
        // A compositor that keeps the strip on the screen would move it where
        // Qt cannot see, and the values would be off the strip as shown.
        // Within the main window's own columns it is on the screen already.
        const int32_t left = form.mapToGlobal(QPoint(0, 0)).x();
        in.keepWithin = {left, left + form.width()};
    }
    in.swatchBottom = swatch.y() + swatch.height();
    const PickerPlacement place = PlacePicker(in);
    // Where the desktop refuses or ignores the pointer move, the pointer
    // stays beside the marker.
    QPoint openedAt = pointer;
    if (place.pointerX) {
        const QPoint wanted(*place.pointerX, pointer.y());
        if (form.pointerControl.setPointerPosition(wanted) &&
            form.pointerControl.pointerPosition().value_or(wanted) == wanted) {
            openedAt = wanted;
        }
    }
    picker.move(place.left, place.top);
    picker.followPointer(marker, openedAt);

    DrawGradient(picker.image(), PickerGradient(Index, LinkedMode(form), form.CurRGB, form.CurHSL),
                 true, webSafe);
    picker.update();
    picker.show();
    form.windowPlacement.setTopmost(&form, false);
    form.windowPlacement.setTopmost(&picker, true);
    picker.holdPointer();
}

} // namespace tinctora
