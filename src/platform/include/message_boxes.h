// The modal message boxes the program shows.
#pragma once

#include <QString>

class QWidget;

namespace tinctora {

enum class MessageKind {
    OkCancelWarning,     // exclamation icon, "OK" and "Abbrechen"
    YesNoCancelQuestion, // question icon, "&Ja", "&Nein" and "Abbrechen"
    OkWarning,           // exclamation icon, "OK" alone
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows a modal message box titled with the application title.
    virtual MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
};

} // namespace tinctora
