// bench-load-per-byte PATH LOADS: the least a client that reads one byte per call can do: one write, then for
// each byte a read first and a poll only when nothing is waiting, straight on the descriptor.
#include "bench/load_program.h"
#include "bench/raw_tty.h"

#include <cerrno>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

constexpr int kReadTimeoutMs = 501;

class PerByteLoadClient : public LoadClient {
public:
    explicit PerByteLoadClient(int fd) : m_fd(fd) {}
    ~PerByteLoadClient() override { close(m_fd); }

    bool Exchange(std::string_view command) override {
        m_line.assign(command).push_back('\r');
        if (write(m_fd, m_line.data(), m_line.size()) != static_cast<ssize_t>(m_line.size())) {
            return false;
        }
        return ReadSuccessLine([this](char& byte) { return ReadByte(byte); });
    }

private:
    bool ReadByte(char& byte) {
        if (read(m_fd, &byte, 1) == 1) {
            return true;
        }
        if (errno != EAGAIN) {
            return false;
        }
        pollfd pfd{m_fd, POLLIN, 0};
        return poll(&pfd, 1, kReadTimeoutMs) == 1 && read(m_fd, &byte, 1) == 1;
    }

    int m_fd;
    std::string m_line;
};

} // namespace

int main(int argc, char** argv) {
    return RunLoadProgram(argc, argv, [](const std::string& path) -> std::unique_ptr<LoadClient> {
        const int fd = OpenRawTty(path, true);
        return fd >= 0 ? std::make_unique<PerByteLoadClient>(fd) : nullptr;
    });
}
