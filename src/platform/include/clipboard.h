// The clipboard: taking the copied text, and keeping it after the end.
#pragma once

#include <QString>

namespace tinctora {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard, then puts the text on it as plain text; false
    // when the clipboard does not hold the text afterwards.
    virtual bool setClipboardText(const QString& text) = 0;
    // Called as the program ends. When it owns the clipboard, a small keeper
    // program takes the text over and serves it until another program copies,
    // so the program can end at once; false when nothing was handed over.
    virtual bool keepClipboardAfterExit() = 0;
};

} // namespace tinctora
