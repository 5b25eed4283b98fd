#include "sim/server.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

namespace tq73sim {
namespace {

// How long to wait before looking again at a descriptor whose other side is closed.
constexpr std::chrono::milliseconds kRetry{20};

constexpr short kGone = POLLHUP | POLLERR | POLLNVAL;

} // namespace

Server::Server(Device& device, int fd) : m_device(device), m_fd(fd), m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_wakeFd < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    try {
        m_thread = std::thread(&Server::Run, this);
    } catch (...) {
        close(m_wakeFd);
        throw;
    }
}

Server::~Server() {
    Stop();
    close(m_wakeFd);
}

void Server::Stop() {
    if (!m_thread.joinable()) {
        return;
    }
    // The descriptor stays readable from now on, so every wait of the thread ends at once.
    eventfd_write(m_wakeFd, 1);
    m_thread.join();
}

void Server::Run() {
    char buffer[256];
    for (;;) {
        pollfd fds[] = {{m_wakeFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno != EINTR && !Pause(kRetry)) {
                return;
            }
            continue;
        }
        if (fds[0].revents != 0) {
            return;
        }
        // Bytes the other side wrote before it closed are still read and answered before the hang-up counts.
        bool closed = (fds[1].revents & kGone) != 0;
        if ((fds[1].revents & POLLIN) != 0) {
            const ssize_t count = read(m_fd, buffer, sizeof buffer);
            if (count > 0) {
                if (!Send(m_device.Receive({buffer, static_cast<std::size_t>(count)}))) {
                    return;
                }
                continue;
            }
            // A pty master reads EIO while nobody has the other side open.
            closed = closed || count == 0 || (errno != EINTR && errno != EAGAIN);
        }
        if (closed && !Pause(kRetry)) {
            return;
        }
    }
}

bool Server::Send(std::string_view bytes) {
    if (bytes.empty()) {
        return true;
    }
    const std::chrono::milliseconds delay = m_device.faults().byteDelay;
    if (delay <= std::chrono::milliseconds::zero()) {
        return WriteAll(bytes);
    }
    for (const char byte : bytes) {
        if (!Pause(delay) || !WriteAll({&byte, 1})) {
            return false;
        }
    }
    return true;
}

bool Server::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        pollfd fds[] = {{m_wakeFd, POLLIN, 0}, {m_fd, POLLOUT, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return true;
        }
        if (fds[0].revents != 0) {
            return false;
        }
        // The other side closed in the middle of a reply: the rest is lost, as on a real line.
        if ((fds[1].revents & kGone) != 0) {
            return true;
        }
        const ssize_t count = write(m_fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return true;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

bool Server::Pause(std::chrono::milliseconds time) {
    pollfd fd{m_wakeFd, POLLIN, 0};
    return poll(&fd, 1, static_cast<int>(time.count())) <= 0 || fd.revents == 0;
}

} // namespace tq73sim
