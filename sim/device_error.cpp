#include "sim/device_error.h"

#include "sim/line_assembler.h"

#include <cstdio>

namespace tq73sim {

std::string ErrorReply(int number) {
    char text[4];
    // Always two digits on the wire, whatever a caller passes.
    std::snprintf(text, sizeof text, "%02d", (number % 100 + 100) % 100);
    return text;
}

std::string ErrorReply(DeviceError error) {
    return ErrorReply(static_cast<int>(error));
}

std::span<const DeviceErrorInfo> DeviceErrors() {
    static_assert(kMaxCommandLength == 64, "the meaning of LineTooLong names the limit");
    static constexpr DeviceErrorInfo kErrors[] = {
        {DeviceError::UnknownCommand, "unknown command (command words are case-sensitive; the port letter is A or B)"},
        {DeviceError::FieldCount, "wrong number of fields for the command"},
        {DeviceError::Rate, "rate is not a decimal number from 200 to 1000000"},
        {DeviceError::DataBits, "data bits are not 7 or 8"},
        {DeviceError::Parity, "parity is not N, O or E"},
        {DeviceError::StopBits, "stop bits are not 1 or 2"},
        {DeviceError::Flow, "flow control is not N, H or S"},
        {DeviceError::FlowCharacter, "XON or XOFF is not two upper-case hexadecimal digits"},
        {DeviceError::SevenNoneOne, "7 data bits with no parity and 1 stop bit"},
        {DeviceError::LineTooLong, "command line longer than 64 bytes"},
    };
    return kErrors;
}

} // namespace tq73sim
