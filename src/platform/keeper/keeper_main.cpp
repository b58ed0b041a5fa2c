// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

using Owners = std::vector<std::unique_ptr<tinctora::ClipboardOwner>>;

// Takes the clipboard of the display system Tinctora ran on; empty when that
// fails. Under XWayland the compositor passes an X11 owner on to Wayland
// programs only while an X11 window has the focus, and once Tinctora's windows
// are gone none may have it: there the keeper owns the Wayland selection as
// well, where the compositor lets it. That one goes first, so that the X11
// selection the compositor claims in answer to it is the keeper's again after,
// and X11 programs paste from the keeper itself.
Owners TakeClipboards(std::string_view system, const std::string& text) {
    Owners owners;
    if (system == "x11" && std::getenv("WAYLAND_DISPLAY") != nullptr) {
        if (auto wayland = tinctora::TakeWaylandClipboard(text)) {
            owners.push_back(std::move(wayland));
        }
    }
    auto own =
        system == "x11" ? tinctora::TakeX11Clipboard(text) : tinctora::TakeWaylandClipboard(text);
    if (!own) {
        return {};
    }
    owners.push_back(std::move(own));
    return owners;
}

// Serves until another program owns every clipboard the keeper holds.
void Serve(Owners owners) {
    std::vector<pollfd> waits;
    while (true) {
        std::erase_if(owners, [](const auto& owner) { return !owner->prepareToWait(); });
        if (owners.empty()) {
            return;
        }
        waits.clear();
        for (const auto& owner : owners) {
            waits.push_back({owner->connection(), POLLIN, 0});
        }
        if (poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR) {
            return;
        }
        for (std::size_t i = 0; i < owners.size(); ++i) {
            if (!owners[i]->dispatch((waits[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0)) {
                owners[i].reset();
            }
        }
        std::erase(owners, nullptr);
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
    Owners owners = TakeClipboards(system, *text);
    if (owners.empty()) {
        return 1;
    }
    ReportOwned();
    Serve(std::move(owners));
    return 0;
}
