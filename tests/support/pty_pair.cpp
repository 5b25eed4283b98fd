#include "tests/support/pty_pair.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

PtyPair::PtyPair() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    m_port = std::string(ptsname(m_master)).substr(5); // without "/dev/"
}

PtyPair::~PtyPair() {
    CloseMaster();
}

void PtyPair::WriteToHost(const std::string& bytes) const {
    if (::write(m_master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("short write to the pty master");
    }
}

std::string PtyPair::ReadFromHost(int waitMs) const {
    std::string bytes;
    pollfd pfd{m_master, POLLIN, 0};
    for (int wait = waitMs; ::poll(&pfd, 1, wait) > 0 && (pfd.revents & POLLIN); wait = 20) {
        char buffer[256];
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

void PtyPair::CloseMaster() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
