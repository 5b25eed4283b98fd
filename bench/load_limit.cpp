// bench-load-limit PATH LOADS: the physical limit of an exchange on this machine: one write of the command,
// then blocking reads of whatever has arrived until the CR.
#include "bench/load_program.h"
#include "bench/raw_tty.h"

#include <array>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

class LimitLoadClient : public LoadClient {
public:
    explicit LimitLoadClient(int fd) : m_fd(fd) {}
    ~LimitLoadClient() override { close(m_fd); }

    bool Exchange(std::string_view command) override {
        m_line.assign(command).push_back('\r');
        if (write(m_fd, m_line.data(), m_line.size()) != static_cast<ssize_t>(m_line.size())) {
            return false;
        }
        // The responder sends nothing but the reply, so nothing beyond its CR is ever read here.
        std::size_t length = 0;
        while (length == 0 || m_reply[length - 1] != '\r') {
            const ssize_t got = read(m_fd, m_reply.data() + length, m_reply.size() - length);
            if (got <= 0) {
                return false;
            }
            length += static_cast<std::size_t>(got);
            if (length == m_reply.size() && m_reply[length - 1] != '\r') {
                return false;
            }
        }
        return length >= 3 && std::memcmp(m_reply.data(), "OK", 2) == 0;
    }

private:
    int m_fd;
    std::string m_line;
    std::array<char, 256> m_reply{};
};

} // namespace

int main(int argc, char** argv) {
    return RunLoadProgram(argc, argv, [](const std::string& path) -> std::unique_ptr<LoadClient> {
        const int fd = OpenRawTty(path, false);
        return fd >= 0 ? std::make_unique<LimitLoadClient>(fd) : nullptr;
    });
}
