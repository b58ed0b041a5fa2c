// The main window's construction, tab order and close handling.
#include "frm_main.h"

#include "accessible_roles.h"
#include "frm_picker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>

namespace tinctora {

frmMain::frmMain(Desktop& desktopLayer, QWidget* parent)
    : QWidget(parent), desktop(desktopLayer), displayInfo(desktopLayer),
      pointerControl(desktopLayer), windowPlacement(desktopLayer), messageBoxes(desktopLayer),
      clipboard(desktopLayer) {
    InstallAccessibleRoles();
    buildLayout();
    connectEditor();
    connectSliders();
    connectSampler();
    connectWebScheme();

    // The tab order of the design: "Beenden" first, so it has the focus at start.
    const std::initializer_list<QWidget*> order = {
        cmdExit,           txtValue[0],           txtValue[1],           txtValue[2],
        txtValue[6],       txtValue[3],           txtValue[4],           txtValue[5],
        chkWebSafe,        chkShowHexvalues,      chkLinkChannels,       cmdRandom,
        cmdInvert,         optScreencolorMode[0], optScreencolorMode[1], cmdShowWebFeatures,
        optHPColormode[0], cmdWebsafeHP,          cmdCopyHPCode,         optHPDMode[0],
        txtSiteTitle};
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    // Arrows and strips stay out of the tab chain but take the focus of their
    // own click: passed up to the border box, it would reach the text box,
    // whose focus handler releases the capture the picker or strip drag holds.
    for (auto* button : cmdValpick) {
        button->setFocusPolicy(Qt::ClickFocus);
    }
    for (auto* strip : picMiniScroll) {
        strip->setFocusPolicy(Qt::ClickFocus);
    }
    cmdExit->setFocus();

    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdShowWebFeatures, &QPushButton::clicked, this, &frmMain::cmdShowWebFeatures_Click);
}

frmMain::~frmMain() {
    delete picker_.data();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // While a question of the program is open, a close request waits for its
    // answer on every desktop: X11 holds the request back, a Wayland
    // compositor's close reaches the window all the same.
    QWidget* question = QApplication::activeModalWidget();
    if (question != nullptr && question != this && !shuttingDown_) {
        event->ignore();
        question->raise();
        question->activateWindow();
        return;
    }
    // Every other close request the window gets (the window manager's,
    // Alt+F4) ends the program the one way.
    event->accept();
    if (!shuttingDown_) {
        ShutdownApp();
    }
}

} // namespace tinctora
