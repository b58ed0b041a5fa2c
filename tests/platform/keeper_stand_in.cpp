// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for the clipboard keeper in the tests of the handover: reads the
// text like the keeper, then writes what it found about itself to the file
// named by KEEPER_STAND_IN_REPORT, and answers as its one argument says:
// "owns" reports the clipboard taken, "refuses" ends without a word, "silent"
// says nothing and lingers for a while.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <string_view>

namespace {

std::string ReadAll() {
    std::string text;
    char chunk[65536];
    ssize_t got = 0;
    while ((got = read(STDIN_FILENO, chunk, sizeof chunk)) > 0) {
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return text;
}

bool IsSocket(int fd) {
    struct stat status = {};
    return fstat(fd, &status) == 0 && S_ISSOCK(status.st_mode);
}

std::string Target(int fd) {
    char target[256] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// Descriptors open beyond the three standard ones (the listing's own aside).
int ExtraDescriptors() {
    DIR* listing = opendir("/proc/self/fd");
    int extra = 0;
    while (const dirent* entry = readdir(listing)) {
        const int fd = std::atoi(entry->d_name);
        extra += entry->d_name[0] != '.' && fd > 2 && fd != dirfd(listing) ? 1 : 0;
    }
    closedir(listing);
    return extra;
}

bool NothingBlocked() {
    sigset_t blocked;
    sigprocmask(SIG_SETMASK, nullptr, &blocked);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (sigismember(&blocked, signal) == 1) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view answer = argc == 2 ? argv[1] : "";
    const std::string text = ReadAll();
    const int extra = ExtraDescriptors();
    FILE* report = std::fopen(std::getenv("KEEPER_STAND_IN_REPORT"), "w");
    std::fprintf(report, "own session %d\n", getsid(0) == getpid() ? 1 : 0);
    std::fprintf(report, "channel on stdin and stdout %d\n", IsSocket(0) && IsSocket(1) ? 1 : 0);
    std::fprintf(report, "error output %s\n", Target(STDERR_FILENO).c_str());
    std::fprintf(report, "other descriptors %d\n", extra);
    std::fprintf(report, "signals blocked %d\n", NothingBlocked() ? 0 : 1);
    std::fprintf(report, "text\n");
    std::fwrite(text.data(), 1, text.size(), report);
    std::fclose(report);
    if (answer == "owns") {
        return write(STDOUT_FILENO, "1", 1) == 1 ? 0 : 1;
    }
    if (answer == "silent") {
        sleep(5);
    }
    return 1;
}
