// bench-load-link PATH LOADS: the load through our device link, as the window sends it on connecting.
#include "bench/load_program.h"
#include "link/device_link.h"

#include <cstdio>
#include <string_view>

namespace {

class StderrReporter : public Reporter {
public:
    void Show(const std::string& text) override { std::fprintf(stderr, "bench-load-link: %s\n", text.c_str()); }
};

class LinkLoadClient : public LoadClient {
public:
    LinkLoadClient() : m_link(m_reporter) {}

    bool Open(const std::string& path) {
        constexpr std::string_view kDev = "/dev/";
        if (!path.starts_with(kDev)) {
            std::fprintf(stderr, "bench-load-link: %s is not under %s\n", path.c_str(), kDev.data());
            return false;
        }
        return !Failed(m_link.OpenPort(path.substr(kDev.size())));
    }

    bool Exchange(std::string_view command) override {
        ReplyBuffer reply;
        return !Failed(m_link.SendCommand(reply, command));
    }

private:
    StderrReporter m_reporter;
    DeviceLink m_link;
};

} // namespace

int main(int argc, char** argv) {
    return RunLoadProgram(argc, argv, [](const std::string& path) -> std::unique_ptr<LoadClient> {
        auto client = std::make_unique<LinkLoadClient>();
        return client->Open(path) ? std::move(client) : nullptr;
    });
}
