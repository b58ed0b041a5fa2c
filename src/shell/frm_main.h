// The main window: every control, the whole colour state and the handlers of
// all subsystems. The handlers are defined next to their subsystem's pure code
// (editor/, sliders/, sampler/, webscheme/); this header is the one map of it.
#pragma once

#include "channel_text.h"
#include "colour.h"
#include "controls.h"
#include "desktop.h"
#include "picture_box.h"
#include "popup_menu.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QAction;

namespace tinctora {

class frmPicker;
class Eyedropper;

class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(Desktop& desktop, QWidget* parent = nullptr);
    ~frmMain() override;

    // --- shell: start-up, web panel, shutdown (shell/startup.cpp) ---
    // Returns false when the user cancelled the colour-depth warning or the
    // screen's depth is one Qt cannot paint at; the window has then not been
    // shown.
    bool Form_Load();
    // Whether Qt paints at the screen's depth, where the program can run.
    bool ScreenUsable();
    void cmdShowWebFeatures_Click();
    void cmdExit_Click();
    void ShutdownApp();
    // Outer width of the window in twips, as the layout gives it.
    static constexpr int kNarrowWidthTwips = 3735;
    static constexpr int kWideWidthTwips = 7170;
    void setOuterWidthTwips(int twips);
    // The narrow window, its button offering the web panel again.
    void ShowNarrowWindow();
    bool WebPanelShown() const;
    // The picker window, created hidden (and loaded) on first access.
    frmPicker& Picker();
    bool pickerExists() const { return !picker_.isNull(); }

    // --- editor: colour state and refresh cycle (editor/refresh.cpp) ---
    RGBColor CurRGB;
    HSLColor CurHSL;
    RGBColor WebSafeNeighbour;
    int32_t PickerChannel = 0;
    // ChannelIndex names the box that changed (kHexBoxIndex the hex box), or
    // kAllChannels when the colour changed as a whole.
    void RefreshChannels(int32_t ChannelIndex);
    // Gives the picker's marker the contrast of what lies under it, part of
    // every refresh and of every pick, also one that leaves the text as it was.
    void RecolourPickerMarker();

    // --- editor: text entry, modes and quick actions (editor/text_entry.cpp, modes.cpp) ---
    int txtValue_KeyPress(int Index, int KeyAscii);
    void txtValue_Change(int Index);
    void txtValue_GotFocus(int Index);
    void SelectAllText(TextBox* box);
    void chkWebSafe_Click();
    void chkShowHexvalues_Click();
    void chkLinkChannels_Click();
    void cmdInvert_Click();
    void cmdRandom_Click();

    // --- sliders: strips, arrow buttons, picker and menu (sliders/*.cpp) ---
    int16_t MiniScrollIndex = -1;
    int16_t PickerMaxValue = 0;
    void UpdateMiniScrolls();
    // Writes a value as the channel box's text in the current notation;
    // whether the text changed.
    bool WriteChannelValue(int Index, int32_t value);
    void picMiniScroll_MouseDown(int Index, Qt::MouseButtons Button, QPointF position);
    void picMiniScroll_MouseMove(int Index, Qt::MouseButtons Button, QPointF position);
    void picMiniScroll_MouseUp(int Index, Qt::MouseButtons Button, QPointF position);
    void cmdValpick_MouseDown(int Index, Qt::MouseButtons Button);
    void cmdValpick_MouseUp(int Index, Qt::MouseButtons Button);
    void pictxtBack_MouseDown(int Index);
    void picTxtBorder_GotFocus(int Index);
    void WSValues_Click(int Index);

    // --- sampler: the eyedropper (sampler/sampler_wiring.cpp) ---
    // The box's handlers forward to the eyedropper, which owns the picking
    // mode (its timer tmrScreencolor, LastSampledColor, the frames and
    // overlays) and hands the colour it takes back.
    void picScreencolor_MouseDown();
    void tmrScreencolor_Timer();
    void picScreencolor_MouseUp();
    void optScreencolorMode_Click(int Index);
    Eyedropper* eyedropper = nullptr;

    // --- webscheme: roles, preview and HTML code (webscheme/*.cpp) ---
    void UpdateSchemePreview();
    void optHPColormode_Click(int Index);
    void cmdWebsafeHP_Click();
    void picWSColor_Click();
    void lblCaution_Click();
    void cmdCopyHPCode_Click();
    // Contrast and colour vision (webscheme/contrast_marks.cpp, scheme_menu.cpp).
    void UpdateContrastMarks();
    void ShowSchemeAsSeen();
    void ShowSchemeMenu(int Role, QPoint globalPosition);
    void VisionItems_Click(int Index);
    void RaiseContrastItems_Click(int Index);

    // The desktop, whole and by concern; each subsystem uses the concern it needs.
    Desktop& desktop;
    DisplayInfo& displayInfo;
    PointerControl& pointerControl;
    WindowPlacement& windowPlacement;
    MessageBoxes& messageBoxes;
    Clipboard& clipboard;

    // Channel editors, indexed by ChannelIndex (0 red .. 5 luminance, 6 hex).
    QGroupBox* FrameRGB = nullptr;
    QGroupBox* FrameHSL = nullptr;
    std::array<QLabel*, 7>
        lblChannel{}; // lblRed, lblGreen, lblBlue, lblHue, lblSat, lblLum, lblHex
    std::array<TextBox*, 7> txtValue{};
    std::array<PictureBox*, 6> picTxtBorder{};
    std::array<PictureBox*, 6> pictxtBack{};
    std::array<ArrowButton*, 6> cmdValpick{};
    std::array<PictureBox*, 6> picMiniScroll{};

    // Modes and quick actions.
    QCheckBox* chkWebSafe = nullptr;
    QCheckBox* chkShowHexvalues = nullptr;
    QCheckBox* chkLinkChannels = nullptr;
    PictureBox* picRandom = nullptr;
    QPushButton* cmdRandom = nullptr;
    PictureBox* picInvert = nullptr;
    QPushButton* cmdInvert = nullptr;

    // The current colour beside its web-safe neighbour and the "!" mark.
    PictureBox* picColor = nullptr;
    PictureBox* picWSColor = nullptr;
    ColorLabel* lblCaution = nullptr;

    // The eyedropper.
    QGroupBox* frameScreencolor = nullptr;
    PictureBox* picScreencolor = nullptr;
    std::array<QRadioButton*, 2> optScreencolorMode{};

    // Window buttons.
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdShowWebFeatures = nullptr;

    // The web panel: scheme roles, preview and code generator.
    QGroupBox* frameHPTheme = nullptr;
    PictureBox* picHomepageView = nullptr;
    ColorLabel* lblHPCaption = nullptr;
    ColorLabel* lblHPText = nullptr;
    ColorLabel* lblHPLink = nullptr;
    ColorLabel* lblHPALink = nullptr;
    ColorLabel* lblHPVLink = nullptr;
    PictureBox* Picture1 = nullptr;
    std::array<ColorRadioButton*, 5> optHPColormode{};
    QPushButton* cmdWebsafeHP = nullptr;
    QPushButton* cmdCopyHPCode = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 2> optHPDMode{};
    QLabel* lblSiteTitle = nullptr;
    TextBox* txtSiteTitle = nullptr;
    std::array<LineControl*, 4> Line1{};
    // The preview's and the role buttons' menu: the colour vision the preview
    // simulates (its checked item is the only record of it), the contrast
    // raises of the text role it was opened on (SchemeMnuRole, -1 for the
    // preview), and the preview's corner note naming the simulation.
    PopupMenu* SchemeMnu = nullptr;
    std::array<QAction*, 5> VisionItems{};
    std::array<QAction*, 2> RaiseContrastItems{};
    int SchemeMnuRole = -1;
    ColorLabel* lblVision = nullptr;

    // The web-safe value menu of the red, green and blue arrows.
    PopupMenu* WSMnu = nullptr;
    std::array<QAction*, 6> WSValues{};
    QString WSMnuTag;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectEditor();
    void connectSliders();
    void connectSampler();
    void connectWebScheme();
    void buildSchemeMenu();
    void RestyleButtons();

    QPointer<frmPicker> picker_;
    bool shuttingDown_ = false;
};

// Mode flags, read from the check boxes whenever they are needed.
bool WebSafeMode(const frmMain& form);
bool HexMode(const frmMain& form);
bool LinkedMode(const frmMain& form);

} // namespace tinctora
