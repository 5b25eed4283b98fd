#pragma once

#include <string>

// One serial port present on the system. `port` is the system's own name for it, the name it is opened by
// (`COM5` on Windows, `ttyACM0` on Linux); `label` is the friendly name the user picks it by.
struct PortEntry {
    std::string label;
    std::string port;
};
