// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds every control of the main window from its design geometry (twips,
// relative to its container: a window or group box, or the inside of a
// picture box's border).
#include "frm_main.h"

#include "check_box_style.h"
#include "kept_look_button.h"
#include "line_edit_looks.h"
#include "twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace tinctora {

namespace {

constexpr PackedColor kSysWindow = static_cast<PackedColor>(0x80000005);
constexpr PackedColor kSysButtonFace = static_cast<PackedColor>(0x8000000F);
constexpr PackedColor kSysButtonShadow = static_cast<PackedColor>(0x80000010);
constexpr PackedColor kSysScrollBar = static_cast<PackedColor>(0x80000000);

// The widget that children of a container are placed on.
QWidget* Inside(QWidget* container) {
    if (auto* box = qobject_cast<PictureBox*>(container)) {
        return box->client();
    }
    return container;
}

template <typename W> W* Place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

QLabel* MakeLabel(QWidget* in, const QString& text, QRect twips, Qt::Alignment align) {
    auto* label = new QLabel(text, Inside(in));
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QPushButton* MakeButton(QWidget* in, const QString& caption, int l, int t, int w, int h) {
    return Place(new QPushButton(caption, Inside(in)), l, t, w, h);
}

QGroupBox* MakeGroup(QWidget* in, const QString& title, int l, int t, int w, int h) {
    return Place(new QGroupBox(title, Inside(in)), l, t, w, h);
}

PictureBox* MakeBox(QWidget* in, BoxBorder border, int l, int t, int w, int h, PackedColor back) {
    auto* box = Place(new PictureBox(Inside(in), border), l, t, w, h);
    box->setBackColor(back);
    return box;
}

QCheckBox* MakeCheck(QWidget* in, const QString& caption, int l, int t, int w, int h, bool on) {
    auto* check = Place(new QCheckBox(caption, Inside(in)), l, t, w, h);
    check->setChecked(on);
    return check;
}

ColorLabel* MakePreviewLabel(PictureBox* in, const QString& text, int top, int height,
                             PackedColor fore, int points, bool bold, bool underline) {
    auto* label = Place(new ColorLabel(text, in->client()), 0, top, 1755, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setForeColor(fore);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    label->setFont(font);
    return label;
}

} // namespace

void frmMain::buildLayout() {
    // The design client area is 7095 x 2940 twips; the window is narrowed at start-up.
    setFixedSize(TwipsToPixels(7095), TwipsToPixels(2940));
    // A window of fixed size offers no maximise; a frame Qt draws itself (natively
    // on GNOME) then also leaves the title more room.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // Channel editors: a sunken border box holding the text, the arrow and the strip.
    FrameRGB = MakeGroup(this, QStringLiteral("RGB"), 60, 0, 1515, 1635);
    FrameHSL = MakeGroup(this, QStringLiteral("HSL"), 1620, 0, 1965, 1275);
    static const char* const kCaptions[7] = {
        "&Rot:", "&Grün:", "&Blau:", "Farbton(&H):", "Sättigung(&S):", "Helligkeit(&L):", "He&x:"};
    for (int i = 0; i < 6; ++i) {
        const bool rgb = IsRgbChannel(i);
        QGroupBox* group = rgb ? FrameRGB : FrameHSL;
        const int top = 180 + 360 * (i % 3);
        lblChannel[i] = MakeLabel(group, QString::fromUtf8(kCaptions[i]),
                                  QRect(60, top + 60, rgb ? 435 : 915, 195), Qt::AlignRight);
        picTxtBorder[i] =
            MakeBox(group, BoxBorder::Sunken, rgb ? 540 : 1020, top, 855, 315, kSysWindow);
        pictxtBack[i] = MakeBox(picTxtBorder[i], BoxBorder::None, 0, 0, 495, 255, kSysWindow);
        txtValue[i] = Place(new TextBox(pictxtBack[i]->client()), 0, 30, 435, 195);
        txtValue[i]->setFrame(false);
        txtValue[i]->setText(QStringLiteral("0"));
        txtValue[i]->setTypingLimit(3);
        // The refresh rewrites the channel boxes on every step of a drag.
        new LineEditLooks(txtValue[i]);
        cmdValpick[i] = Place(new ArrowButton(picTxtBorder[i]->client()), 480, 0, 195, 255);
        picMiniScroll[i] = MakeBox(picTxtBorder[i], BoxBorder::None, 660, 0, 135, 255, kSysWindow);
        // The border box is reached by its label's access key and hands the focus on.
        picTxtBorder[i]->setFocusPolicy(Qt::ClickFocus);
        lblChannel[i]->setBuddy(picTxtBorder[i]);
    }
    lblChannel[6] = MakeLabel(FrameRGB, QString::fromUtf8(kCaptions[6]), QRect(60, 1320, 375, 195),
                              Qt::AlignRight);
    txtValue[6] = Place(new TextBox(FrameRGB), 540, 1260, 855, 285);
    txtValue[6]->setText(QStringLiteral("#000000"));
    txtValue[6]->setTypingLimit(7);
    new LineEditLooks(txtValue[6]);
    lblChannel[6]->setBuddy(txtValue[6]);
    // A value box shows every character of its number or code on its own,
    // as a field for code does: "ff" no ligature, "FA" not kerned. Laid out
    // without the shaper, the boxes the refresh rewrites on every step of a
    // drag also take a third less time for it.
    for (TextBox* box : txtValue) {
        QFont font = box->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        box->setFont(font);
    }

    // Names for screen readers: the channel names, and what each swatch shows.
    static const char* const kChannelNames[7] = {"Rot",       "Grün",       "Blau", "Farbton",
                                                 "Sättigung", "Helligkeit", "Hex"};
    for (int i = 0; i < 7; ++i) {
        const QString name = QString::fromUtf8(kChannelNames[i]);
        txtValue[i]->setAccessibleName(name);
        if (i < 6) {
            cmdValpick[i]->setAccessibleName(QStringLiteral("Werteleiste %1").arg(name));
            picMiniScroll[i]->setAccessibleName(QStringLiteral("Verlauf %1").arg(name));
        }
    }

    chkWebSafe = MakeCheck(this, QStringLiteral("Alles WebSafe"), 2100, 1320, 1455, 195, false);
    chkShowHexvalues = MakeCheck(this, QStringLiteral("RGB in Hex"), 2100, 1530, 1335, 195, false);
    chkLinkChannels =
        MakeCheck(this, QString::fromUtf8("Kanäle verbinden"), 2100, 1740, 1575, 195, true);
    // The boxes are lower than the style's indicator.
    auto* fitting = new FittingIndicatorStyle(this);
    for (QCheckBox* check : {chkWebSafe, chkShowHexvalues, chkLinkChannels}) {
        check->setStyle(fitting);
    }

    // The current colour; its web-safe neighbour is clipped by its inner area.
    picColor = MakeBox(this, BoxBorder::Sunken, 2100, 1980, 1515, 495, kBlack);
    picWSColor = MakeBox(picColor, BoxBorder::Flat, 1080, 60, 435, 495, kBlack);
    lblCaution = Place(new ColorLabel(QStringLiteral("!"), picWSColor->client()), 60, 0, 255, 375);
    lblCaution->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCaution->setForeColor(kWhite);
    picColor->setAccessibleName(QStringLiteral("Aktuelle Farbe"));
    picWSColor->setAccessibleName(QStringLiteral("Nächste WebSafe-Farbe"));
    lblCaution->setAccessibleName(QStringLiteral("Nicht WebSafe"));
    QFont caution(QStringLiteral("Times New Roman"));
    caution.setPointSize(18);
    caution.setBold(true);
    lblCaution->setFont(caution);

    // The eyedropper.
    frameScreencolor = MakeGroup(this, QStringLiteral("Bildfarbe"), 60, 1680, 1155, 795);
    picScreencolor =
        MakeBox(frameScreencolor, BoxBorder::Sunken, 60, 240, 435, 435, kSysButtonFace);
    picScreencolor->setAccessibleName(QStringLiteral("Pipette"));
    // In the tab chain for a pick by keyboard.
    picScreencolor->setFocusPolicy(Qt::StrongFocus);
    picScreencolor->setToolTip(
        QStringLiteral("Mit dem Fadenkreuz eine Farbe vom Bildschirm nehmen"));
    optScreencolorMode[0] =
        Place(new QRadioButton(QStringLiteral("1x1"), frameScreencolor), 540, 240, 555, 195);
    optScreencolorMode[1] =
        Place(new QRadioButton(QStringLiteral("5x5"), frameScreencolor), 540, 480, 555, 195);
    optScreencolorMode[0]->setChecked(true);
    optScreencolorMode[1]->setToolTip(QString::fromUtf8(
        "Ermittelt den Mittelwert aus 25 Farben die unmittelbar in der Nähe des Cursors sind"));

    // Quick actions: the visible margin of picInvert shows the inverse colour.
    picRandom = MakeBox(this, BoxBorder::Sunken, 1260, 1680, 795, 375, kBlack);
    cmdRandom = MakeButton(picRandom, QStringLiteral("Zufall"), 0, 0, 735, 315);
    picInvert = MakeBox(this, BoxBorder::Sunken, 1260, 2100, 795, 375, kBlack);
    // The box behind the button changes colour on every step of a drag.
    cmdInvert =
        Place(new KeptLookButton(QStringLiteral("Invers"), picInvert->client()), 0, 0, 615, 315);
    picInvert->setAccessibleName(QStringLiteral("Inverse Farbe"));

    cmdExit = MakeButton(this, QStringLiteral("Beenden"), 60, 2520, 1755, 375);
    // Captioned with the narrow window it opens in (startup.cpp).
    cmdShowWebFeatures = MakeButton(this, QString(), 1860, 2520, 1755, 375);

    // The web panel, cut off by the narrow window at its frame's left edge.
    frameHPTheme = MakeGroup(this, QStringLiteral("Homepage Farbschema"), 3660, 0, 3375, 2895);
    picHomepageView = MakeBox(frameHPTheme, BoxBorder::Sunken, 120, 240, 1815, 1695, 0x333333);
    picHomepageView->setAccessibleName(QStringLiteral("Vorschau der Webseite"));
    lblHPCaption = MakePreviewLabel(picHomepageView, QString::fromUtf8("Überschrift"), 60, 315,
                                    0xFFFFFF, 12, true, false);
    lblHPText = MakePreviewLabel(picHomepageView, QStringLiteral("Normaler Text"), 420, 255,
                                 0xFFFFFF, 9, false, false);
    lblHPLink = MakePreviewLabel(picHomepageView, QStringLiteral("Normaler Link"), 720, 255,
                                 0x00CCFF, 9, false, true);
    lblHPALink = MakePreviewLabel(picHomepageView, QStringLiteral("Aktiver Link"), 1020, 255,
                                  0x00FFFF, 9, false, true);
    lblHPVLink = MakePreviewLabel(picHomepageView, QStringLiteral("Besuchter Link"), 1320, 255,
                                  0x669999, 9, false, true);

    Picture1 = MakeBox(frameHPTheme, BoxBorder::Sunken, 1980, 240, 1215, 1455, kSysButtonFace);
    Picture1->setAccessibleName(QStringLiteral("Seitenelemente"));
    struct Role {
        const char* caption;
        int top;
        int height;
        PackedColor back;
    };
    static const Role kRoles[5] = {{"Hintergrund", 0, 240, 0x333333},
                                   {"Text", 240, 240, 0xFFFFFF},
                                   {"Link", 480, 240, 0x00CCFF},
                                   {"Aktiver Link", 720, 240, 0x00FFFF},
                                   {"Besuchter Link", 960, 435, 0x669999}};
    for (int i = 0; i < 5; ++i) {
        optHPColormode[i] =
            Place(new ColorRadioButton(QString::fromUtf8(kRoles[i].caption), Picture1->client()), 0,
                  kRoles[i].top, 1155, kRoles[i].height);
        optHPColormode[i]->setBackColor(kRoles[i].back);
    }
    optHPColormode[0]->setForeColor(kWhite);
    optHPColormode[0]->setChecked(true);

    cmdWebsafeHP = MakeButton(frameHPTheme, QStringLiteral("WebSafe"), 1980, 1740, 1275, 255);
    cmdCopyHPCode = MakeButton(frameHPTheme, QStringLiteral("Kopieren"), 1980, 2100, 1275, 255);
    Label1 = MakeLabel(frameHPTheme, QStringLiteral("Farben definieren durch:"),
                       QRect(120, 2100, 1755, 195), Qt::AlignLeft);
    optHPDMode[0] =
        Place(new QRadioButton(QStringLiteral("Body Tag"), frameHPTheme), 120, 2340, 1155, 255);
    optHPDMode[1] =
        Place(new QRadioButton(QStringLiteral("CSS Styles"), frameHPTheme), 120, 2580, 1155, 255);
    // Qt counts every option button below the frame as one group, the role
    // buttons inside Picture1 included: choosing a code style would deselect
    // the role. An explicit group keeps the two choices apart.
    auto* codeStyles = new QButtonGroup(frameHPTheme);
    codeStyles->addButton(optHPDMode[0]);
    codeStyles->addButton(optHPDMode[1]);
    optHPDMode[0]->setChecked(true);
    lblSiteTitle = MakeLabel(frameHPTheme, QStringLiteral("Seitentitel:"),
                             QRect(1980, 2370, 1275, 195), Qt::AlignLeft);
    txtSiteTitle = Place(new TextBox(frameHPTheme), 1980, 2580, 1275, 255);
    txtSiteTitle->setText(QStringLiteral("Unbenannt"));
    // Without a name of its own the box would be announced by its group's title.
    txtSiteTitle->setAccessibleName(QStringLiteral("Seitentitel"));

    // Etched rules: a shadow line beside a light one.
    const auto line = [this](int x1, int y1, int x2, int y2, PackedColor color) {
        return new LineControl(frameHPTheme, QPoint(TwipsToPixels(x1), TwipsToPixels(y1)),
                               QPoint(TwipsToPixels(x2), TwipsToPixels(y2)), color);
    };
    Line1[1] = line(120, 2025, 3255, 2025, kSysButtonShadow);
    Line1[0] = line(120, 2040, 3255, 2040, kSysScrollBar);
    Line1[2] = line(1905, 2820, 1905, 2085, kSysButtonShadow);
    Line1[3] = line(1920, 2820, 1920, 2100, kSysScrollBar);

    // The popup menu of web-safe values; its captions are written at each opening.
    WSMnu = new PopupMenu(QStringLiteral("WSKontextMnu"), this);
    for (int k = 0; k < 6; ++k) {
        WSValues[k] = WSMnu->addAction(QStringLiteral("&%1").arg(k));
        WSValues[k]->setCheckable(true);
    }
}

} // namespace tinctora
