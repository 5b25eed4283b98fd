#pragma once

#include "sim/device.h"
#include "sim/stop_signals.h"

#include <string>
#include <vector>

namespace tq73sim {

// --launch: plugs a TQ-73 into a new umockdev testbed, serves `device` behind its /dev/ttyACM0 and starts `program`
// inside the testbed. Standard input takes the commands of LaunchCommandHelp(); stop signals are passed on to the
// program. When the program ends, stops serving, removes the testbed and returns the program's exit status (128 + N
// when signal N ended it); 127 when it cannot be started, 1 when the testbed cannot be made. Must run under
// umockdev's preload library (RestartUnderUmockdevPreload).
int ServeLaunch(Device& device, const std::vector<std::string>& program, const StopSignals& stop);

} // namespace tq73sim
