// The program's message boxes as QMessageBox draws them.
#include "qt_message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace tinctora {

MessageAnswer QtMessageBoxes::showMessage(QWidget* parent, MessageKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Tinctora"));
    // The texts carry bare line breaks and may hold "<html>": never rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);

    QPushButton* first = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (kind == MessageKind::OkCancelWarning || kind == MessageKind::OkWarning) {
        box.setIcon(QMessageBox::Warning);
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        first = ok;
    } else {
        box.setIcon(QMessageBox::Question);
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        first = yes;
    }
    QPushButton* cancel = kind == MessageKind::OkWarning
                              ? ok
                              : box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.setEscapeButton(cancel);
    box.exec();

    const auto* clicked = box.clickedButton();
    if (clicked == nullptr) {
        return MessageAnswer::Cancel;
    }
    if (clicked == ok) {
        return MessageAnswer::Ok;
    }
    if (clicked == yes) {
        return MessageAnswer::Yes;
    }
    if (clicked == no) {
        return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

} // namespace tinctora
