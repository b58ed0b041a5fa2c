// The program's message boxes as QMessageBox draws them.
#pragma once

#include "message_boxes.h"

namespace tinctora {

class QtMessageBoxes : public virtual MessageBoxes {
public:
    MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) override;
};

} // namespace tinctora
