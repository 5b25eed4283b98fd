#pragma once

#include "sim/identity.h"
#include "sim/port_settings.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace tq73sim {

// The TQ-73 as its commands see it: its identity and the settings of ports A and B.
class DeviceModel {
public:
    explicit DeviceModel(Identity identity = {});

    // The reply line to one command line, both without CR: "OK" and the payload, or a two-digit error number.
    // A refused command changes nothing.
    std::string Execute(std::string_view line);

    const PortSettings& settings(Port port) const { return m_ports[static_cast<int>(port)]; }
    const Identity& identity() const { return m_identity; }
    void SetIdentity(Identity identity) { m_identity = std::move(identity); }

private:
    std::string Identify() const;

    Identity m_identity;
    std::array<PortSettings, 2> m_ports;
};

} // namespace tq73sim
