#pragma once

#include "sim/device.h"
#include "sim/stop_signals.h"

namespace tq73sim {

// --pty: serves `device` on a new pseudo-terminal, whose path is the first line of standard output, until
// standard input closes or a stop signal arrives. Returns the exit status.
int ServePty(Device& device, const StopSignals& stop);

} // namespace tq73sim
