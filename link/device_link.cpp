#include "link/device_link.h"

#include "protocol/identification.h"
#include "protocol/messages.h"

#include <cstring>

namespace {

constexpr char kCR = '\r';

// How far an overlong reply line is read on to find its CR, so that the next exchange starts clean.
constexpr int kMaxDiscardedBytes = 4096;

} // namespace

std::string_view Payload(const ReplyBuffer& reply) {
    return std::string_view(reply.data(), strnlen(reply.data(), reply.size()));
}

DeviceLink::DeviceLink(Reporter& reporter, std::unique_ptr<SerialPort> port)
    : m_reporter(reporter), m_hComm(std::move(port)) {}

Result DeviceLink::OpenPort(const std::string& port) {
    const int error = m_hComm->Open(port);
    if (error != 0) {
        m_reporter.Show(msg::Format(msg::kOpenFailed, error));
        return kResultFail;
    }
    m_hComm->SetTimeouts(CommTimeouts{});
    m_bConnected = true;
    return kResultOk;
}

void DeviceLink::ClosePort() {
    m_hComm->Close();
    m_bConnected = false;
}

Result DeviceLink::SendCommand(ReplyBuffer& reply, std::string_view command) {
    if (!m_bConnected) {
        m_reporter.Show(msg::kNotConnected);
        return kResultFail;
    }

    std::array<char, 32> line;
    if (command.size() > line.size() - 2) {
        return Report({exchange_code::kCommandTooLong, false});
    }
    std::memcpy(line.data(), command.data(), command.size());
    line[command.size()] = kCR;
    line[command.size() + 1] = '\0';
    if (const int error = m_hComm->Write(std::string_view(line.data(), command.size() + 1)); error != 0) {
        return Report({error, false});
    }

    std::size_t length = 0;
    Failure failure{};
    if (!ReadReplyLine(reply, length, failure)) {
        return Report(failure);
    }
    if (length == 0) {
        return Report({exchange_code::kEmptyReply, false});
    }
    if (reply[0] == 'O' && reply[1] == 'K') {
        std::memmove(reply.data(), reply.data() + 2, length - 1);
        return kResultOk;
    }
    // Two ASCII digits give their decimal value: "07" is 7, "12" is 12.
    const int code = 10 * static_cast<signed char>(reply[0]) + static_cast<signed char>(reply[1]) - 528;
    return Report({code, false});
}

// Reads one byte per call up to the CR, which becomes the terminator.
bool DeviceLink::ReadReplyLine(ReplyBuffer& reply, std::size_t& length, Failure& failure) {
    for (std::size_t i = 0; i < reply.size(); ++i) {
        int error = 0;
        switch (m_hComm->ReadByte(reply[i], error)) {
        case SerialPort::ReadStatus::Failed:
            failure = {error, false};
            return false;
        case SerialPort::ReadStatus::TimedOut:
            failure = {exchange_code::kTimedOut, true};
            return false;
        case SerialPort::ReadStatus::Byte:
            break;
        }
        if (reply[i] == kCR) {
            reply[i] = '\0';
            length = i;
            return true;
        }
    }
    DiscardRestOfLine();
    failure = {exchange_code::kReplyTooLong, false};
    return false;
}

void DeviceLink::DiscardRestOfLine() {
    for (int i = 0; i < kMaxDiscardedBytes; ++i) {
        char byte;
        int error = 0;
        if (m_hComm->ReadByte(byte, error) != SerialPort::ReadStatus::Byte || byte == kCR) {
            return;
        }
    }
}

Result DeviceLink::Report(const Failure& failure) {
    m_reporter.Show(failure.timedOut ? std::string(msg::kNothingReceived)
                                     : msg::Format(msg::kExchangeFailed, failure.code));
    return kResultFail;
}

Result DeviceLink::Identify(std::string& firmwareText) {
    ReplyBuffer reply;
    if (Failed(SendCommand(reply, "GINF"))) {
        return kResultFail;
    }
    const Identification id = CheckIdentification(Payload(reply));
    if (id.status != Identification::Status::Supported) {
        m_reporter.Show(msg::kUnsupportedDevice);
        return kResultFail;
    }
    firmwareText = id.firmwareText;
    return kResultOk;
}
