#include "tests/support/child_program.h"

#include "tests/support/line_io.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

} // namespace

ChildProgram::ChildProgram(const std::string& program, const std::vector<std::string>& args) {
    int input[2];
    int output[2];
    int error[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0 || pipe2(error, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, error[1], STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    close(error[1]);
    m_input = input[1];
    m_output = output[0];
    m_error = error[0];
}

ChildProgram::~ChildProgram() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    CloseFd(m_input);
    CloseFd(m_output);
    CloseFd(m_error);
}

std::string ChildProgram::ReadOutputLine() {
    std::string line = line_io::ReadUntil(m_output, '\n');
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    return line;
}

void ChildProgram::WriteInput(std::string_view bytes) {
    line_io::WriteAll(m_input, bytes);
}

void ChildProgram::CloseInput() {
    CloseFd(m_input);
}

void ChildProgram::Signal(int signal) {
    if (m_pid > 0) {
        kill(m_pid, signal);
    }
}

int ChildProgram::Wait() {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (m_pid > 0 && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(10ms);
    }
    return -1;
}

std::string ChildProgram::ErrorOutput() {
    return line_io::ReadFor(m_error, std::chrono::milliseconds(200));
}
