#include "link/serial_port_unix.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

// Switches off everything the line discipline would do to the bytes, and nothing else: speed, character
// size, parity, stop bits and hardware handshake stay as the system opened the port.
int SwitchOffLineDiscipline(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        // Not a terminal: there is no line discipline to switch off.
        return errno == ENOTTY || errno == EINVAL ? 0 : errno;
    }
    tio.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    tio.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | ISTRIP | IXON | IXOFF | BRKINT | PARMRK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0 ? 0 : errno;
}

// A Windows COM port opens with an empty receive buffer; a tty keeps what arrived while it was closed (the rest
// of a reply that came too late, an LF after a last CR), which would become the start of the next reply.
int DiscardWhatCameBefore(int fd) {
    if (tcflush(fd, TCIFLUSH) != 0) {
        return errno == ENOTTY || errno == EINVAL ? 0 : errno;
    }
    return 0;
}

int TakeExclusively(int fd) {
    // flock excludes every other opener that asks, root included; TIOCEXCL also stops those that do not ask.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno;
    }
    if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) {
        return errno;
    }
    return 0;
}

bool IsHangUp(short revents) {
    return (revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 && !(revents & POLLIN);
}

} // namespace

std::unique_ptr<SerialPort> CreateSerialPort() {
    return std::make_unique<SerialPortUnix>();
}

SerialPortUnix::~SerialPortUnix() {
    Close();
}

int SerialPortUnix::Open(const std::string& port) {
    Close();
    const std::string path = "/dev/" + port;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = TakeExclusively(fd);
    if (error == 0) {
        error = SwitchOffLineDiscipline(fd);
    }
    if (error == 0) {
        error = DiscardWhatCameBefore(fd);
    }
    if (error != 0) {
        ::close(fd);
        return error;
    }
    m_fd = fd;
    return 0;
}

void SerialPortUnix::Close() {
    m_replyAwaited = false;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void SerialPortUnix::SetTimeouts(const CommTimeouts& timeouts) {
    m_timeouts = timeouts;
}

int SerialPortUnix::Write(std::string_view bytes) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeouts.WriteTotalTimeoutMultiplier *
                                                                       static_cast<int>(bytes.size()) +
                                                                   m_timeouts.WriteTotalTimeoutConstant);
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            return errno;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return ETIMEDOUT;
        }
        pollfd pfd{m_fd, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR) {
            return errno;
        }
        if (ready > 0 && IsHangUp(pfd.revents) && !(pfd.revents & POLLOUT)) {
            return EIO;
        }
    }
    m_replyAwaited = true;
    return 0;
}

SerialPort::ReadStatus SerialPortUnix::ReadByte(char& byte, int& error) {
    // Reading first keeps the common case, a byte already waiting, to a single system call. With VMIN and
    // VTIME at 0 an empty queue reads as 0 bytes; only after poll said "readable" does 0 mean a hang-up. Right
    // after a write the reply cannot have come yet, so the first read would only say so: it waits first.
    bool waitFirst = std::exchange(m_replyAwaited, false);
    for (bool readable = false;;) {
        if (!waitFirst) {
            const ssize_t got = ::read(m_fd, &byte, 1);
            if (got == 1) {
                return ReadStatus::Byte;
            }
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0 && errno != EAGAIN) {
                error = errno;
                return ReadStatus::Failed;
            }
            if (readable) {
                if (got == 0) {
                    error = EIO;
                    return ReadStatus::Failed;
                }
                return ReadStatus::TimedOut;
            }
        }
        waitFirst = false;
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, m_timeouts.ReadTotalTimeoutConstant + m_timeouts.ReadTotalTimeoutMultiplier);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            return ReadStatus::Failed;
        }
        if (ready == 0) {
            return ReadStatus::TimedOut;
        }
        if (IsHangUp(pfd.revents)) {
            error = EIO;
            return ReadStatus::Failed;
        }
        readable = true;
    }
}
