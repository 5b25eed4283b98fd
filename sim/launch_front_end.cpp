#include "sim/launch_front_end.h"

#include "sim/child_process.h"
#include "sim/escaped.h"
#include "sim/input_lines.h"
#include "sim/launch_command.h"
#include "sim/server.h"
#include "testbed/testbed.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace tq73sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr FakeDevice kDevice = FakeDevice::Tq73;

void Say(const std::string& text) {
    std::printf("tq73-sim: %s\n", text.c_str());
    std::fflush(stdout);
}

std::string NodePath() {
    return "/dev/" + std::string(RecordOf(kDevice).node);
}

// What the terminal's commands act on.
struct Session {
    Device& device;
    Testbed& testbed;
    // Serves the device while it is plugged in: unplugged, it has no power and sends nothing more.
    std::optional<Server>& server;
    ChildProcess& child;
    bool plugged = true;
    bool quitting = false;
    // When the program is killed if it has not ended on SIGTERM.
    std::optional<Clock::time_point> killAt{};
};

void SetSilent(Device& device, bool silent) {
    Faults faults = device.faults();
    faults.silent = silent;
    device.SetFaults(faults);
}

void Unplug(Session& session) {
    if (!session.plugged) {
        Say("the TQ-73 is not plugged in");
        return;
    }
    session.server.reset();
    session.testbed.Unplug(kDevice);
    session.plugged = false;
    Say("TQ-73 unplugged");
}

void Plug(Session& session) {
    if (session.plugged) {
        Say("the TQ-73 is plugged in already");
        return;
    }
    if (!session.testbed.Plug(kDevice)) {
        Say("cannot plug the TQ-73 in");
        return;
    }
    session.server.emplace(session.device, session.testbed.MasterFd(kDevice));
    session.plugged = true;
    Say("TQ-73 plugged in at " + NodePath());
}

void Quit(Session& session) {
    if (session.quitting) {
        return;
    }
    Say("ending the program");
    session.quitting = true;
    session.child.Signal(SIGTERM);
    session.killAt = Clock::now() + kQuitGrace;
}

void Execute(Session& session, const std::string& line) {
    switch (ParseLaunchCommand(line)) {
    case LaunchCommand::None:
        return;
    case LaunchCommand::Unplug:
        return Unplug(session);
    case LaunchCommand::Plug:
        return Plug(session);
    case LaunchCommand::SilentOn:
        SetSilent(session.device, true);
        return Say("TQ-73 silent: it answers nothing");
    case LaunchCommand::SilentOff:
        SetSilent(session.device, false);
        return Say("TQ-73 answers again");
    case LaunchCommand::Quit:
        return Quit(session);
    case LaunchCommand::Unknown:
        Say("unknown command '" + Escaped(line) + "'");
        break;
    case LaunchCommand::Help:
        break;
    }
    std::fputs(LaunchCommandHelp().c_str(), stdout);
    std::fflush(stdout);
}

// Reads what the terminal sent and carries out its commands. False once the input has ended.
bool ReadCommands(Session& session, InputLines& input) {
    char buffer[256];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count > 0) {
        for (const std::string& line : input.Push({buffer, static_cast<std::size_t>(count)})) {
            Execute(session, line);
        }
        return true;
    }
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
        return true;
    }
    Execute(session, input.Finish());
    return false;
}

// Milliseconds until the program is to be killed; -1 for no time-out.
int PollTimeout(const Session& session) {
    if (!session.killAt) {
        return -1;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*session.killAt - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Serves until the program ends; its exit status.
int Supervise(Session& session, const StopSignals& stop) {
    InputLines input;
    pollfd fds[] = {{session.child.Fd(), POLLIN, 0}, {stop.Fd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        if (poll(fds, std::size(fds), PollTimeout(session)) < 0 && errno != EINTR) {
            std::fprintf(stderr, "tq73-sim: cannot wait for the program: %s\n", std::strerror(errno));
            return 1;
        }
        if (fds[0].revents != 0) {
            return session.child.Wait();
        }
        if (session.killAt && Clock::now() >= *session.killAt) {
            session.child.Signal(SIGKILL);
            session.killAt.reset();
        }
        if (fds[1].revents != 0) {
            if (const int signal = stop.Take(); signal != 0) {
                session.child.Signal(signal);
            }
        }
        if (fds[2].revents != 0 && !ReadCommands(session, input)) {
            fds[2].fd = -1;
        }
    }
}

} // namespace

int ServeLaunch(Device& device, const std::vector<std::string>& program, const StopSignals& stop) {
    // Started in the background of a shell, reading the terminal would stop the whole simulator, the device's
    // server with it; ignored, the read fails and the simulator goes on without commands.
    std::signal(SIGTTIN, SIG_IGN);
    Testbed testbed;
    if (!Testbed::Active()) {
        std::fputs("tq73-sim: umockdev's preload library is not in effect; is umockdev installed?\n", stderr);
        return 1;
    }
    if (!testbed.Plug(kDevice)) {
        std::fputs("tq73-sim: cannot plug the TQ-73 into the testbed\n", stderr);
        return 1;
    }
    std::optional<Server> server(std::in_place, device, testbed.MasterFd(kDevice));
    ChildProcess child(program);
    if (child.error() != 0) {
        std::fprintf(stderr, "tq73-sim: cannot start %s: %s\n", program.front().c_str(), std::strerror(child.error()));
        return 127;
    }
    Say("TQ-73 plugged in at " + NodePath() + "; type unplug, plug, silent on, silent off, help or quit");
    Session session{device, testbed, server, child};
    return Supervise(session, stop);
}

} // namespace tq73sim
