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
#include "clipboard_hold.h"
#include "keeper_end.h"
#include "wayland_clipboard_keeper.h"
#include "x11_clipboard_keeper.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
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

// How long the keeper waits, once another program owns one clipboard, for the
// desktop's bridge to take the other one over. The bridge answers at once; a
// desktop without a bridge leaves the keeper's side to it for this long.
constexpr std::chrono::milliseconds kHandOverPatience{1000};

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
// fails. On a Wayland desktop with XWayland the keeper owns both clipboards,
// the X11 one and the Wayland one, whichever Tinctora ran on: the compositor
// passes a copy on from one side to the other only while a window of the
// other side has the focus (sway, KDE Plasma), and once Tinctora's windows
// are gone none may have it. The Wayland selection goes first, where the
// compositor lets a program without a window set it, so that an X11 selection
// the compositor claims in answer to it is the keeper's again after, and X11
// programs paste from the keeper itself.
Owners TakeClipboards(std::string_view system, const std::string& text, const std::string& mark) {
    Owners owners;
    if (system == "wayland" || std::getenv("WAYLAND_DISPLAY") != nullptr) {
        if (auto wayland = tinctora::TakeWaylandClipboard(text, mark)) {
            owners.push_back(std::move(wayland));
        } else if (system == "wayland") {
            return {};
        }
    }
    if (system == "x11" || std::getenv("DISPLAY") != nullptr) {
        if (auto x11 = tinctora::TakeX11Clipboard(text, mark)) {
            owners.push_back(std::move(x11));
        } else if (system == "x11") {
            return {};
        }
    }
    return owners;
}

// Serves until another program owns either clipboard the keeper holds: the
// keeper's text must not stay on one side while the other has a newer one.
// Ending lets go of both, the side another program did not take once it has
// left the keeper's hands too (or after a short wait, see KeeperEnd).
void Serve(const Owners& owners) {
    tinctora::KeeperEnd end(kHandOverPatience);
    std::vector<tinctora::ClipboardStanding> standings;
    const auto due = [&] {
        standings.clear();
        for (const auto& owner : owners) {
            standings.push_back(owner->standing());
        }
        return end.due(standings, tinctora::KeeperEnd::Clock::now());
    };
    std::vector<pollfd> waits;
    while (true) {
        for (const auto& owner : owners) {
            if (!owner->prepareToWait()) {
                return;
            }
        }
        if (due()) {
            return;
        }
        waits.clear();
        for (const auto& owner : owners) {
            waits.push_back({owner->connection(), POLLIN, 0});
        }
        const int limit = end.waitLimit(tinctora::KeeperEnd::Clock::now());
        if (poll(waits.data(), waits.size(), limit) < 0 && errno != EINTR) {
            return;
        }
        // Every connection's announced read is finished before the keeper ends.
        bool connected = true;
        for (std::size_t i = 0; i < owners.size(); ++i) {
            connected =
                owners[i]->dispatch((waits[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) &&
                connected;
        }
        if (!connected || due()) {
            return;
        }
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
    const std::string mark = tinctora::KeeperMark(
        static_cast<long>(getpid()),
        static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const Owners owners = TakeClipboards(system, *text, mark);
    if (owners.empty()) {
        return 1;
    }
    ReportOwned();
    Serve(owners);
    return 0;
}
