// tinctora-clipboard-keeper: keeps the text Tinctora copied on the clipboard
// after Tinctora itself has ended, until another program copies something.
//
// Tinctora starts it in a session of its own with the display system as the
// one argument ("x11" or "wayland"), writes the text as UTF-8 to its standard
// input and closes it. Once the keeper owns the clipboard it writes one byte to
// its standard output and lets go of it; ending without that byte means it
// could not take the clipboard over. It is a small program of its own, not the
// whole application, so that what lingers after the end costs next to nothing.
#include "wayland_clipboard_keeper.h"
#include "x11_clipboard_keeper.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Far beyond any text Tinctora copies; a bound, so a broken writer cannot
// make the keeper hold an endless stream.
constexpr std::size_t kLargestText = std::size_t{16} << 20;

std::optional<std::string> ReadAll(int fd) {
    std::string text;
    char chunk[16384];
    while (true) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0) {
            return text;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        text.append(chunk, static_cast<std::size_t>(got));
        if (text.size() > kLargestText) {
            return std::nullopt;
        }
    }
}

// Tells Tinctora the clipboard is taken, then lets go of the channel so that
// nothing Tinctora's caller waits on stays open while the keeper runs.
void ReportOwned() {
    const char owned = '1';
    while (write(STDOUT_FILENO, &owned, 1) < 0 && errno == EINTR) {
    }
    const int nowhere = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nowhere >= 0) {
        dup2(nowhere, STDIN_FILENO);
        dup2(nowhere, STDOUT_FILENO);
        close(nowhere);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // A paste whose reader goes away mid-way must not end the keeper.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string_view system = argc == 2 ? argv[1] : "";
    if (system != "x11" && system != "wayland") {
        return 2;
    }
    const std::optional<std::string> text = ReadAll(STDIN_FILENO);
    if (!text) {
        return 1;
    }
    return system == "x11" ? tinctora::ServeX11Clipboard(*text, ReportOwned)
                           : tinctora::ServeWaylandClipboard(*text, ReportOwned);
}
