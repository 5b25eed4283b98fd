#include "sim/stop_signals.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace tq73sim {
namespace {

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    // The terminal closing: a simulator started from it has nobody left to serve.
    sigaddset(&set, SIGHUP);
    return set;
}

// False once standard input has ended.
bool DrainInput() {
    char buffer[256];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    return count > 0 || (count < 0 && (errno == EINTR || errno == EAGAIN));
}

} // namespace

StopSignals::StopSignals() {
    const sigset_t set = StopSet();
    if (const int error = pthread_sigmask(SIG_BLOCK, &set, nullptr); error != 0) {
        m_error = error;
        return;
    }
    m_fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (m_fd < 0) {
        m_error = errno;
    }
}

StopSignals::~StopSignals() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

void StopSignals::Wait(bool orEndOfInput) const {
    pollfd fds[] = {{m_fd, POLLIN, 0}, {orEndOfInput ? STDIN_FILENO : -1, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents != 0) {
            return;
        }
        if (fds[1].revents != 0 && ((fds[1].revents & POLLNVAL) != 0 || !DrainInput())) {
            return;
        }
    }
}

int StopSignals::Take() const {
    signalfd_siginfo info{};
    return read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info) ? static_cast<int>(info.ssi_signo) : 0;
}

} // namespace tq73sim
