// Writing to a channel whose reader may be slow or may never read: the
// clipboard keeper's end of a handover and of a paste.
#pragma once

#include <chrono>
#include <string_view>

namespace tinctora {

// Waits for the channel to become ready for what is asked (POLLIN, POLLOUT),
// until the deadline; false when it did not.
bool Await(int fd, short events, std::chrono::steady_clock::time_point deadline);

// Makes the socket or pipe non-blocking and writes all of bytes, waiting for
// a slow reader until the deadline. False when the reader went away, the
// channel failed or the deadline passed: a reader that never reads cannot
// hang the writer. On a socket a reader that went away is no SIGPIPE.
bool WriteAll(int fd, std::string_view bytes, std::chrono::steady_clock::time_point deadline);

} // namespace tinctora
