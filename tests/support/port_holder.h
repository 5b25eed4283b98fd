#pragma once

#include "tests/support/child_program.h"

#include <string>

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
    // The program inherits the environment, umockdev's preload library with it, so it sees the same testbed.
    ChildProgram m_program;
    bool m_holds;
};
