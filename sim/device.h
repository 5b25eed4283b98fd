#pragma once

#include "sim/device_model.h"
#include "sim/faults.h"
#include "sim/line_assembler.h"
#include "sim/wire_line.h"

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace tq73sim {

// The simulated TQ-73 behind its serial line: turns received bytes into reply bytes, with the configured faults,
// and keeps a transcript. Every member may be called from any thread.
class Device {
public:
    explicit Device(Identity identity = {});

    // Takes bytes from the wire; returns the bytes to send back (replies to every line that the bytes completed).
    // Both lines are in the transcript before this returns, so a host that has read a reply finds it there.
    std::string Receive(std::string_view bytes);

    Faults faults() const;
    void SetFaults(Faults faults);

    Identity identity() const;
    void SetIdentity(Identity identity);

    PortSettings settings(Port port) const;

    Transcript transcript() const;
    void ClearTranscript();

    // Called with each line as it enters the transcript, on the thread that calls Receive, with the device locked:
    // the listener must not call the device.
    void SetListener(std::function<void(const WireLine&)> listener);

private:
    std::string Answer(const CommandLine& line);
    void Record(WireLine line);

    mutable std::mutex m_mutex;
    DeviceModel m_model;
    LineAssembler m_assembler;
    Faults m_faults;
    Transcript m_transcript;
    std::function<void(const WireLine&)> m_listener;
};

} // namespace tq73sim
