#pragma once

#include <string>

namespace tq73sim {

// A new pseudo-terminal pair: the master descriptor (close-on-exec, so children do not keep it) and the path of
// the other side, whose line discipline is switched off. The master is closed on destruction.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return m_master >= 0; }
    // The errno of a failed open, 0 when open.
    int error() const { return m_error; }
    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    int m_error = 0;
    std::string m_slavePath;
};

} // namespace tq73sim
