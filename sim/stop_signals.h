#pragma once

namespace tq73sim {

// SIGTERM, SIGINT and SIGHUP, taken as requests to stop serving. Construct it before any thread starts: it blocks
// them so that every thread inherits the block and they arrive only through Wait or Take. The block outlives the
// object: a second signal while the program winds down must not end it before the tty's settings are put back or
// the testbed is removed.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The errno of a failed set-up, 0 when ready.
    int error() const { return m_error; }

    // Returns when a stop signal arrives, or, with `orEndOfInput`, when standard input closes (its data is read
    // and dropped).
    void Wait(bool orEndOfInput) const;

    // Readable while a stop signal is pending.
    int Fd() const { return m_fd; }
    // Takes the pending stop signal: its number, or 0 when none is pending.
    int Take() const;

private:
    int m_fd = -1;
    int m_error = 0;
};

} // namespace tq73sim
