// The clipboard as Qt gives it, handed to the clipboard keeper at the end.
#include "qt_clipboard.h"

#include "clipboard_handover.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <string>

namespace tinctora {

namespace {

using namespace std::chrono_literals;

// The display system the keeper serves, as its argument names it; empty
// where it serves none.
std::string KeeperSystem() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        return "x11";
    }
    if (platform == QLatin1String("wayland")) {
        return "wayland";
    }
    return std::string();
}

} // namespace

QString KeeperProgram(const QString& programFolder, const QString& installed) {
    const QFileInfo beside(programFolder + QLatin1String("/tinctora-clipboard-keeper"));
    return beside.isFile() && beside.isExecutable() ? beside.filePath() : installed;
}

bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds patience) {
    const QDeadlineTimer deadline(patience);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool QtClipboard::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->clear();
    copied_ = new WatchedText(text);
    clipboard->setMimeData(copied_);
    const bool taken = clipboard->text() == text;
    if (copied_ != nullptr) {
        copied_->forgetReads();
    }
    return taken;
}

QByteArray QtClipboard::ownText() {
    const bool readAlready = copied_ != nullptr && copied_->wasRead();
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    if (copied_ != nullptr && !readAlready) {
        copied_->forgetReads();
    }
    return text;
}

bool QtClipboard::keepClipboardAfterExit() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    // The selected text of a box is not kept; given up, it cannot make the
    // end wait for a clipboard manager that is asked to save it and never
    // answers.
    if (clipboard->supportsSelection() && clipboard->ownsSelection()) {
        clipboard->clear(QClipboard::Selection);
    }
    const std::string system = KeeperSystem();
    if (system.empty() || !clipboard->ownsClipboard()) {
        return false;
    }
    const QString keeper =
        KeeperProgram(QCoreApplication::applicationDirPath(), QStringLiteral(TINCTORA_KEEPER_PATH));
    const bool handedOver = handOver(keeper, system);
    const auto lost = [clipboard] { return !clipboard->ownsClipboard(); };
    if (handedOver) {
        // Once the loss of the clipboard has reached Qt, its end no longer
        // asks a clipboard manager to save what the keeper now serves.
        ProcessEventsUntil(lost, 300ms);
    } else if (system == "wayland") {
        // No keeper on a compositor without data control (GNOME): its own
        // clipboard keeper reads the text once it is copied, which the end
        // must not cut short.
        ProcessEventsUntil(
            [this, lost] { return copied_ == nullptr || copied_->wasRead() || lost(); }, 1s);
    }
    return handedOver;
}

bool QtClipboard::handOver(const QString& keeper, const std::string& system) {
    const QByteArray text = ownText();
    return HandClipboardToKeeper(QFile::encodeName(keeper).toStdString(), system,
                                 std::string_view(text.constData(), std::size_t(text.size())),
                                 800ms);
}

} // namespace tinctora
