#pragma once

#include <string>

// A pseudo-terminal pair for tests: the test holds the master and plays the device; the code under test
// opens the slave by its port name (`pts/N`, i.e. /dev/pts/N).
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    int Master() const { return m_master; }
    const std::string& Port() const { return m_port; }

    void WriteToHost(const std::string& bytes) const;
    // Everything the host has written so far, waiting up to `waitMs` for the first byte.
    std::string ReadFromHost(int waitMs = 200) const;
    void CloseMaster();

private:
    int m_master = -1;
    std::string m_port;
};
