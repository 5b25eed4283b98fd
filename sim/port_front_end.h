#pragma once

#include "sim/device.h"
#include "sim/stop_signals.h"

#include <string>

namespace tq73sim {

// --port PATH: serves `device` on an existing tty with its line discipline switched off, until a stop signal
// arrives; the tty's settings are put back afterwards. Returns the exit status.
int ServePort(Device& device, const std::string& path, const StopSignals& stop);

} // namespace tq73sim
