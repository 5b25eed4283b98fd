#include "tests/support/line_io.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace line_io {
namespace {

using Clock = std::chrono::steady_clock;

// One byte, or none when `deadline` passes first.
bool ReadByte(int fd, char& byte, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() < 0) {
            return false;
        }
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0 || (pfd.revents & POLLIN) == 0) {
            if ((pfd.revents & (POLLHUP | POLLERR)) != 0) {
                return false;
            }
            continue;
        }
        const ssize_t count = read(fd, &byte, 1);
        if (count == 1) {
            return true;
        }
        if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
            return false;
        }
    }
}

} // namespace

int OpenRaw(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings{};
    if (fd < 0 || tcgetattr(fd, &settings) != 0) {
        return fd;
    }
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno != EINTR) {
            return;
        }
        bytes.remove_prefix(count < 0 ? 0 : static_cast<std::size_t>(count));
    }
}

std::string ReadUntil(int fd, char last, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    std::string bytes;
    char byte;
    while (ReadByte(fd, byte, deadline)) {
        bytes += byte;
        if (byte == last) {
            break;
        }
    }
    return bytes;
}

std::string ReadFor(int fd, std::chrono::milliseconds time) {
    const Clock::time_point deadline = Clock::now() + time;
    std::string bytes;
    char byte;
    while (ReadByte(fd, byte, deadline)) {
        bytes += byte;
    }
    return bytes;
}

std::string Exchange(int fd, std::string_view command) {
    WriteAll(fd, std::string(command) + "\r");
    return ReadUntil(fd);
}

} // namespace line_io
