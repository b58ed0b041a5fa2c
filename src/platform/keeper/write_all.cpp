// Writing to a channel whose reader may be slow or may never read.
#include "write_all.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace tinctora {

namespace {

// One write of what is left: on a socket without the SIGPIPE of a reader that
// went away, on a pipe (where send does not apply) a plain write.
ssize_t WriteSome(int fd, std::string_view bytes) {
    const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == ENOTSOCK) {
        return write(fd, bytes.data(), bytes.size());
    }
    return sent;
}

} // namespace

bool Await(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    while (true) {
        // Rounded up: the wait never ends before the deadline.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd channel{fd, events, 0};
        const int ready = poll(&channel, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes, std::chrono::steady_clock::time_point deadline) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    while (!bytes.empty()) {
        const ssize_t written = WriteSome(fd, bytes);
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            if (!Await(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

} // namespace tinctora
