#pragma once

namespace tq73sim {

enum class Port { A, B };

// What one serial port of the device keeps. Codes are the protocol's own letters and digits.
struct PortSettings {
    int rate = 9600;
    char dataBits = '8';
    char parity = 'N';
    char stopBits = '1';
    char flow = 'N';
    int xon = 0x11;
    int xoff = 0x13;

    bool operator==(const PortSettings&) const = default;
};

} // namespace tq73sim
