#include "tests/support/port_holder.h"

#include "tests/support/line_io.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

extern char** environ;

PortHolder::PortHolder(const std::string& path, How how) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        return;
    }
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    const char* argv[] = {HOLD_PORT_PROGRAM, path.c_str(), how == How::Lock ? "lock" : "exclusive", nullptr};
    // The program inherits the environment, umockdev's preload library with it, so it sees the same testbed.
    if (posix_spawn(&m_pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    m_input = input[1];
    if (m_pid > 0) {
        m_holds = line_io::ReadUntil(output[0], '\n', std::chrono::seconds(5)) == "held\n";
    }
    close(output[0]);
}

PortHolder::~PortHolder() {
    if (m_input >= 0) {
        close(m_input);
    }
    if (m_pid > 0) {
        waitpid(m_pid, nullptr, 0);
    }
}
