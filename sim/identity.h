#pragma once

#include <string>

namespace tq73sim {

// What GINF reports: model name, hardware id, firmware version in hundredths (123 is version 1.23).
struct Identity {
    std::string model = "TQ-73";
    std::string hardwareId = "TQ73-0001";
    int firmwareVersion = 123;
};

} // namespace tq73sim
