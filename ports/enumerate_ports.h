#pragma once

#include "ports/port_table.h"

// Refills the table with the serial ports present now, in discovery order. False when the system's device
// list cannot be read or holds no port.
bool EnumeratePorts(PortTable& table);
