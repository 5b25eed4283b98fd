#pragma once

#include "link/reporter.h"
#include "link/serial_port.h"
#include "protocol/result.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

// Receives one reply line: after a successful exchange, its payload as a terminated text.
using ReplyBuffer = std::array<char, 32>;

// Failure codes of the exchange that are neither system error codes nor a device's two-digit error number
// (two reply bytes give at most 10 * 127 + 127 - 528 = 869).
namespace exchange_code {
inline constexpr int kTimedOut = -1;
inline constexpr int kCommandTooLong = 1001; // never sent: it would not fit the line buffer
inline constexpr int kReplyTooLong = 1002;   // more than 31 bytes before the CR; read on to the CR
inline constexpr int kEmptyReply = 1003;     // a CR alone
} // namespace exchange_code

// The payload in a reply buffer: the text up to its terminator.
std::string_view Payload(const ReplyBuffer& reply);

// The one way to talk to the device: the open port and the command exchange over it. Every failure is shown
// through the reporter where it is detected; callers only test the result.
class DeviceLink {
public:
    explicit DeviceLink(Reporter& reporter, std::unique_ptr<SerialPort> port = CreateSerialPort());

    Result OpenPort(const std::string& port);
    void ClosePort();
    bool IsConnected() const { return m_bConnected; }

    Result SendCommand(ReplyBuffer& reply, std::string_view command);

    // GINF, checked to be a TQ-73; on success the firmware line to show.
    Result Identify(std::string& firmwareText);

private:
    struct Failure {
        int code;
        bool timedOut;
    };

    Result Report(const Failure& failure);
    bool ReadReplyLine(ReplyBuffer& reply, std::size_t& length, Failure& failure);
    void DiscardRestOfLine();

    Reporter& m_reporter;
    std::unique_ptr<SerialPort> m_hComm;
    bool m_bConnected = false;
};
