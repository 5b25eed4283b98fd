#pragma once

#include <string>
#include <sys/types.h>

// Another program (tests/support/hold_port.cpp) holding a port while this object lives.
class PortHolder {
public:
    enum class How { Lock, Exclusive };

    PortHolder(const std::string& path, How how);
    // Lets the port go and waits for the program to end.
    ~PortHolder();
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    // True once the program reported that it holds the port.
    bool holds() const { return m_holds; }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    bool m_holds = false;
};
