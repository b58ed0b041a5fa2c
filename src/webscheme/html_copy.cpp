// "Kopieren": offers to make the scheme web-safe, shows the page code, copies
// it and, when asked to, ends the program.
#include "frm_main.h"
#include "html_code.h"
#include "scheme_roles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QRadioButton>

#include <algorithm>

namespace tinctora {

void frmMain::cmdCopyHPCode_Click() {
    const std::array<PackedColor, 6> preview = PreviewColors(*this);
    if (!std::all_of(preview.begin(), preview.end(), IsWebSafe)) {
        const MessageAnswer answer = messageBoxes.showMessage(
            this, MessageKind::YesNoCancelQuestion, QString::fromStdString(WebSafeQuestionText()));
        if (answer == MessageAnswer::Cancel) {
            return;
        }
        if (answer == MessageAnswer::Yes) {
            cmdWebsafeHP->click();
            QCoreApplication::processEvents();
        }
    }

    // Read only now, so that the code carries the snapped colours.
    const SchemeColors colours{RoleColor(*this, 0), RoleColor(*this, 1), RoleColor(*this, 2),
                               RoleColor(*this, 3), RoleColor(*this, 4)};
    const CodeStyle style = optHPDMode[0]->isChecked() ? CodeStyle::BodyTag : CodeStyle::CssStyles;
    const QString title = txtSiteTitle->text();
    const QString code = QString::fromStdString(BuildHtmlCode(colours, style, title.toStdString()));

    // The question shows a long title shortened, so that it and its buttons
    // stay on the screen; the code copied keeps the whole title.
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const int titleWidth = displayInfo.screenGeometry(this).width() / 3;
    const std::string shown = BuildHtmlCode(
        colours, style, metrics.elidedText(title, Qt::ElideRight, titleWidth).toStdString());
    const MessageAnswer answer =
        messageBoxes.showMessage(this, MessageKind::YesNoCancelQuestion,
                                 QString::fromStdString(CodeConfirmationText(shown)));
    if (answer == MessageAnswer::Cancel) {
        return;
    }
    // Ending the program when the clipboard refused the code would lose the
    // very text the user asked to keep: the window then stays open and says so.
    if (!clipboard.setClipboardText(code)) {
        messageBoxes.showMessage(this, MessageKind::OkWarning,
                                 QString::fromStdString(ClipboardRefusedText()));
        return;
    }
    if (answer == MessageAnswer::Yes) {
        ShutdownApp();
    }
}

} // namespace tinctora
