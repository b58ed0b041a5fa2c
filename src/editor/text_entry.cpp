// The seven channel boxes: the key filter, the change handler that takes a
// box's text into the colour, and the focus handler.
#include "frm_main.h"

#include "channel_text.h"
#include "no_refresh_mark.h"

#include <QCheckBox>

namespace tinctora {

int frmMain::txtValue_KeyPress(int Index, int KeyAscii) {
    return FilterChannelKey(Index, KeyAscii, HexMode(*this));
}

void frmMain::txtValue_Change(int Index) {
    TextBox* box = txtValue[Index];
    if (MarkedNoRefresh(*box)) {
        return;
    }
    const bool hex = HexMode(*this);
    const std::string text = box->text().toStdString();
    switch (Index) {
    case 0:
        CurRGB.red = ReadChannelText(Index, text, hex);
        break;
    case 1:
        CurRGB.green = ReadChannelText(Index, text, hex);
        break;
    case 2:
        CurRGB.blue = ReadChannelText(Index, text, hex);
        break;
    case 3:
        CurHSL.hue = ReadChannelText(Index, text, hex);
        break;
    case 4:
        CurHSL.saturation = ReadChannelText(Index, text, hex);
        break;
    case 5:
        CurHSL.luminance = ReadChannelText(Index, text, hex);
        break;
    default:
        CurRGB = ParseHexColor(text);
        break;
    }
    RefreshChannels(Index);
}

void frmMain::txtValue_GotFocus(int Index) {
    SelectAllText(txtValue[Index]);
}

void frmMain::SelectAllText(TextBox* box) {
    pointerControl.releaseCapture();
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void frmMain::connectEditor() {
    for (int i = 0; i < 7; ++i) {
        TextBox* box = txtValue[i];
        box->keyFilter = [this, i](int code) { return txtValue_KeyPress(i, code); };
        connect(box, &QLineEdit::textChanged, this, [this, i] { txtValue_Change(i); });
        connect(box, &TextBox::gotFocus, this, [this, i] { txtValue_GotFocus(i); });
    }
    connect(chkWebSafe, &QCheckBox::clicked, this, &frmMain::chkWebSafe_Click);
    connect(chkShowHexvalues, &QCheckBox::clicked, this, &frmMain::chkShowHexvalues_Click);
    connect(chkLinkChannels, &QCheckBox::clicked, this, &frmMain::chkLinkChannels_Click);
    connect(cmdInvert, &QPushButton::clicked, this, &frmMain::cmdInvert_Click);
    connect(cmdRandom, &QPushButton::clicked, this, &frmMain::cmdRandom_Click);
}

} // namespace tinctora
