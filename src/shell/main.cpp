// Starts Tinctora: the platform choice, the application and the main window.
#include "app_style.h"
#include "desktop_qt.h"
#include "frm_main.h"
#include "resources.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[]) {
    // Global pointer positions, window placement, the topmost state and screen
    // reading are not given to Wayland clients: run through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tinctora::WindowIconResource());
    const std::unique_ptr<tinctora::Desktop> desktop = tinctora::MakeQtDesktop();
    tinctora::ApplyApplicationStyle(app, *desktop);

    tinctora::frmMain form(*desktop);
    if (!form.Form_Load()) {
        return form.ScreenUsable() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    const int status = app.exec();
    // The windows are gone; the copied text must not go with them.
    desktop->keepClipboardAfterExit();
    return status;
}
