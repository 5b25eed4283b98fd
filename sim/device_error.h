#pragma once

#include <span>
#include <string>

namespace tq73sim {

// The error numbers the device answers with, as two decimal digits.
enum class DeviceError {
    UnknownCommand = 1,
    FieldCount = 2,
    Rate = 3,
    DataBits = 4,
    Parity = 5,
    StopBits = 6,
    Flow = 7,
    FlowCharacter = 8,
    SevenNoneOne = 9,
    LineTooLong = 10,
};

struct DeviceErrorInfo {
    DeviceError error;
    const char* meaning;
};

// The reply line of a refused command: "07". `number` is 0 to 99.
std::string ErrorReply(int number);
std::string ErrorReply(DeviceError error);

// Every error number with what it means, in numeric order, for --help.
std::span<const DeviceErrorInfo> DeviceErrors();

} // namespace tq73sim
