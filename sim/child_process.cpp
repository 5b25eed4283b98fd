#include "sim/child_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
// glibc 2.36 declares these without C linkage.
extern "C" {
#include <sys/pidfd.h>
}
#include <unistd.h>

extern char** environ;

namespace tq73sim {
namespace {

// The status a shell would report for the program.
int ExitStatus(int status) {
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The launcher blocks its stop signals to take them through a descriptor; the program must feel them.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t terminalInput;
    sigemptyset(&terminalInput);
    sigaddset(&terminalInput, SIGTTIN);
    posix_spawnattr_setsigdefault(&attributes, &terminalInput);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    m_error = posix_spawnp(&m_pid, args.front(), &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (m_error != 0) {
        m_pid = -1;
        return;
    }
    // The program cannot vanish before this: until it is waited for, its pid stays taken.
    m_fd = pidfd_open(m_pid, 0);
    if (m_fd < 0) {
        m_error = errno;
        kill(m_pid, SIGKILL);
        Wait();
    }
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        Wait();
    }
    if (m_fd >= 0) {
        close(m_fd);
    }
}

void ChildProcess::Signal(int signal) const {
    if (m_pid > 0) {
        pidfd_send_signal(m_fd, signal, nullptr, 0);
    }
}

int ChildProcess::Wait() {
    if (m_pid <= 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return ExitStatus(status);
}

} // namespace tq73sim
