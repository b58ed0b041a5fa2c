// Starting the clipboard keeper and handing it the text.
#include "clipboard_handover.h"

#include "write_all.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace tinctora {

namespace {

using Clock = std::chrono::steady_clock;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    int get() const { return fd_; }
    void reset() {
        close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

bool ReceiveOwned(int fd, Clock::time_point deadline) {
    while (Await(fd, POLLIN, deadline)) {
        char owned = 0;
        const ssize_t got = recv(fd, &owned, 1, 0);
        if (got == 1) {
            return true;
        }
        if (got == 0 || errno != EINTR) {
            return false;
        }
    }
    return false;
}

// The keeper as its own session: the terminal that started Tinctora can close
// without taking it along. Signals start out as a fresh program's, and it gets
// nothing of Tinctora but the channel: its error output goes nowhere, so a
// caller reading Tinctora's output sees the end when Tinctora ends.
bool Spawn(const std::string& keeper, const std::string& system, int channel) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, channel, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, channel, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string program = keeper;
    std::string argument = system;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, keeper.c_str(), &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0;
}

} // namespace

bool HandClipboardToKeeper(const std::string& keeper, const std::string& system,
                           std::string_view utf8, std::chrono::milliseconds patience) {
    const auto deadline = Clock::now() + patience;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return false;
    }
    const Fd ours(ends[0]);
    Fd theirs(ends[1]);
    if (!Spawn(keeper, system, theirs.get())) {
        return false;
    }
    theirs.reset();
    return WriteAll(ours.get(), utf8, deadline) && shutdown(ours.get(), SHUT_WR) == 0 &&
           ReceiveOwned(ours.get(), deadline);
}

} // namespace tinctora
