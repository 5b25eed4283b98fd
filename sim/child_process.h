#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tq73sim {

// A program the launcher starts and waits for.
class ChildProcess {
public:
    // Starts argv[0], looked up in PATH when it has no slash, with this process's environment. Its standard input
    // is /dev/null, so that what the terminal types reaches the launcher alone. It starts with no signal blocked and
    // SIGTTIN at its default action, whatever the launcher does with them.
    explicit ChildProcess(const std::vector<std::string>& argv);
    // Kills the program if it still runs, so that none outlives the launcher.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The errno of a failed start, 0 when the program runs.
    int error() const { return m_error; }
    // Readable once the program has ended.
    int Fd() const { return m_fd; }
    void Signal(int signal) const;
    // Waits for the program to end: its exit status, or 128 + N when signal N ended it; -1 when none runs.
    int Wait();

private:
    pid_t m_pid = -1;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace tq73sim
