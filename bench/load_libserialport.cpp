// bench-load-libserialport PATH LOADS: the load through libserialport, one byte per blocking read with the
// link's read time-out. libserialport opens only /dev/NAME for a NAME that /sys/class/tty lists, so bench/run
// mounts the responder's pseudo-terminal over such a node in a mount namespace of this program's own.
#include "bench/load_program.h"

#include <libserialport.h>

#include <cstdio>
#include <string>

namespace {

constexpr unsigned kTimeoutMs = 501;

class LibserialportLoadClient : public LoadClient {
public:
    ~LibserialportLoadClient() override {
        if (m_port != nullptr) {
            sp_close(m_port);
            sp_free_port(m_port);
        }
    }

    bool Open(const std::string& path) {
        if (sp_get_port_by_name(path.c_str(), &m_port) != SP_OK || sp_open(m_port, SP_MODE_READ_WRITE) != SP_OK) {
            char* message = sp_last_error_message();
            std::fprintf(stderr, "bench-load-libserialport: %s: %s\n", path.c_str(), message);
            sp_free_error_message(message);
            return false;
        }
        return true;
    }

    bool Exchange(std::string_view command) override {
        m_line.assign(command).push_back('\r');
        if (sp_blocking_write(m_port, m_line.data(), m_line.size(), kTimeoutMs) != static_cast<int>(m_line.size())) {
            return false;
        }
        return ReadSuccessLine([this](char& byte) { return sp_blocking_read(m_port, &byte, 1, kTimeoutMs) == 1; });
    }

private:
    sp_port* m_port = nullptr;
    std::string m_line;
};

} // namespace

int main(int argc, char** argv) {
    return RunLoadProgram(argc, argv, [](const std::string& path) -> std::unique_ptr<LoadClient> {
        auto client = std::make_unique<LibserialportLoadClient>();
        return client->Open(path) ? std::move(client) : nullptr;
    });
}
