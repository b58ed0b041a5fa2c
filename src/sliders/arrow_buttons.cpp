// The arrow buttons beside the channel boxes: the left button opens the value
// picker, the right button on red, green or blue the web-safe value menu. Also
// the two focus forwards of the channel editors.
#include "frm_main.h"

#include "channel_text.h"
#include "frm_picker.h"
#include "gradient.h"
#include "value_picker.h"
#include "web_safe_menu.h"

#include <QAction>
#include <QMenu>

namespace tinctora {

namespace {

void ShowWebSafeMenu(frmMain& form, int Index) {
    const bool hex = HexMode(form);
    for (int k = 0; k < kWebSafeItems; ++k) {
        form.WSValues[k]->setText(QString::fromStdString(WebSafeCaption(k, hex)));
    }
    for (QAction* item : form.WSValues) {
        item->setChecked(false);
    }
    if (const auto item = WebSafeCheckedItem(ChannelValue(Index, form.CurRGB, form.CurHSL))) {
        form.WSValues[*item]->setChecked(true);
    }
    form.WSMnuTag = QString::number(Index);
    form.WSMnu->openAt(form.pointerControl.pointerPosition().value_or(QPoint()));
}

} // namespace

void frmMain::cmdValpick_MouseDown(int Index, Qt::MouseButtons Button) {
    if (Button == Qt::LeftButton) {
        OpenValuePicker(*this, Index);
    } else if (Button == Qt::RightButton && IsRgbChannel(Index)) {
        ShowWebSafeMenu(*this, Index);
    }
}

void frmMain::cmdValpick_MouseUp(int Index, Qt::MouseButtons /*Button*/) {
    if (pickerExists()) {
        picker_->close();
    }
    windowPlacement.setTopmost(this, true);
    // The press that opened the picker may have had its release taken by the
    // picker's capture; the arrow must not stay pressed in.
    cmdValpick[Index]->setDown(false);
    txtValue[Index]->setFocus();
}

void frmMain::pictxtBack_MouseDown(int Index) {
    txtValue[Index]->setFocus();
}

void frmMain::picTxtBorder_GotFocus(int Index) {
    txtValue[Index]->setFocus();
}

void frmMain::WSValues_Click(int Index) {
    const auto channel = WebSafeMenuChannel(WSMnuTag.toStdString());
    if (!channel) {
        return;
    }
    WriteChannelValue(*channel, Index * kWebSafeStep);
}

} // namespace tinctora
