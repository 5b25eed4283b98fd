// The program the launcher tests start inside the testbed. It reports on standard output, a line each, what it
// finds there: "dir <the testbed's directory>", "port <label>" for every port it enumerates, and "reply <GINF's reply
// from /dev/ttyACM0, escaped>" ("reply none" when none comes, "reply cannot open ..." without the node).
//   launch_probe --exit N        ends with status N after that report
//   launch_probe [--ignore-term] then prints "pid <its pid>" and waits: SIGUSR1 makes it ask for GINF again, each
//                                port arriving or leaving prints "arrival" or "removal"; SIGTERM (unless ignored),
//                                SIGINT and SIGHUP end it by their default action.

#include "ports/device_watcher.h"
#include "ports/enumerate_ports.h"
#include "sim/escaped.h"
#include "tests/support/line_io.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string_view>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void Probe() {
    const int node = line_io::OpenRaw("/dev/ttyACM0");
    if (node < 0) {
        Say(std::string("reply cannot open /dev/ttyACM0: ") + std::strerror(errno));
        return;
    }
    line_io::WriteAll(node, "GINF\r");
    // Long enough for any machine to answer; a silent device costs the whole time.
    const std::string reply = line_io::ReadUntil(node, '\r', 2s);
    close(node);
    Say("reply " + (reply.empty() ? std::string("none") : tq73sim::Escaped(reply)));
}

void Report() {
    const char* dir = std::getenv("UMOCKDEV_DIR");
    Say(std::string("dir ") + (dir != nullptr ? dir : ""));
    PortTable table;
    EnumeratePorts(table);
    for (std::size_t i = 0; i < table.Count(); ++i) {
        Say("port " + table.At(i)->label);
    }
    Probe();
}

int Serve(bool ignoreTerm) {
    if (ignoreTerm) {
        std::signal(SIGTERM, SIG_IGN);
    }
    sigset_t probe;
    sigemptyset(&probe);
    sigaddset(&probe, SIGUSR1);
    sigprocmask(SIG_BLOCK, &probe, nullptr);
    const int signals = signalfd(-1, &probe, SFD_CLOEXEC | SFD_NONBLOCK);
    DeviceWatcher watcher;
    Report();
    Say("pid " + std::to_string(getpid()));
    pollfd fds[] = {{signals, POLLIN, 0}, {watcher.Fd(), POLLIN, 0}};
    while (poll(fds, 2, -1) >= 0 || errno == EINTR) {
        if (fds[0].revents != 0) {
            signalfd_siginfo info;
            if (read(signals, &info, sizeof info) == sizeof info) {
                Probe();
            }
        }
        if (fds[1].revents != 0) {
            if (const std::optional<DeviceChange> change = watcher.ReadChange()) {
                Say(change->event == DBT_DEVICEARRIVAL ? "arrival" : "removal");
            }
        }
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == std::string_view("--exit")) {
        Report();
        return std::atoi(argv[2]);
    }
    return Serve(argc == 2 && argv[1] == std::string_view("--ignore-term"));
}
