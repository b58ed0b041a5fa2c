// The clipboard as Qt gives it, handed to the clipboard keeper at the end.
#pragma once

#include "clipboard.h"
#include "watched_text.h"

#include <QPointer>

#include <chrono>
#include <functional>
#include <string>

namespace tinctora {

class QtClipboard : public virtual Clipboard {
public:
    bool setClipboardText(const QString& text) override;
    bool keepClipboardAfterExit() override;

private:
    // The copied text, looked at without counting as a reader's read.
    QByteArray ownText();
    // Starts the keeper and hands it the text; whether it took the clipboard.
    bool handOver(const QString& keeper, const std::string& system);

    QPointer<WatchedText> copied_;
};

// The keeper program beside the running program (as in the build tree), or
// else the one installed at installed.
QString KeeperProgram(const QString& programFolder, const QString& installed);

// Handles events until done says so or patience runs out; whether done said so.
bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds patience);

} // namespace tinctora
