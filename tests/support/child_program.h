#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// A program run as a child process with this process's environment, its standard input, output and error on
// pipes.
class ChildProgram {
public:
    ChildProgram(const std::string& program, const std::vector<std::string>& args);
    // Kills the child if it still runs.
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool started() const { return m_pid > 0; }
    // One line of standard output without its newline; what came of it when 5 s pass first.
    std::string ReadOutputLine();
    void WriteInput(std::string_view bytes);
    void CloseInput();
    void Signal(int signal);
    // The exit status, 128 + the signal when a signal ended it; -1 when it has not ended within 5 s.
    int Wait();
    // All it wrote to standard error; call after Wait.
    std::string ErrorOutput();

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    int m_error = -1;
};
