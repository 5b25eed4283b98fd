#pragma once

namespace tq73sim {

// SIGTERM and SIGINT, taken as requests to stop serving. Construct it before any thread starts: it blocks both
// signals so that every thread inherits the block and they arrive only through Wait. The block outlives the object:
// a second signal while the program winds down must not end it before the tty's settings are put back.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The errno of a failed set-up, 0 when ready.
    int error() const { return m_error; }

    // Returns when SIGTERM or SIGINT arrives, or, with `orEndOfInput`, when standard input closes (its data
    // is read and dropped).
    void Wait(bool orEndOfInput) const;

private:
    int m_fd = -1;
    int m_error = 0;
};

} // namespace tq73sim
