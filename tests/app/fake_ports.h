#pragma once

#include "ports/port_table.h"

// Port enumerations that give the window the same ports on every machine.
namespace fake_ports {

// A system without serial ports.
inline bool None(PortTable& table) {
    table.Clear();
    return true;
}

// A system with the TQ-73 plugged in.
inline bool Tq73(PortTable& table) {
    table.Clear();
    table.Add({"TQ-73 USB Serial Device (ttyACM0)", "ttyACM0"});
    return true;
}

} // namespace fake_ports
