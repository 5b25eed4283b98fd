// The command exchange fed whatever a device, or a failing port, can produce: the script of a MemorySerialPort.
// Several exchanges run per input, so that the bytes one leaves behind begin the next one's reply.

#include "fuzz/fuzz_input.h"
#include "fuzz/memory_serial_port.h"
#include "fuzz/require.h"
#include "link/device_link.h"
#include "protocol/messages.h"
#include "protocol/port_settings.h"
#include "tests/support/recording_reporter.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLongestCommand = 30;

// A load, an apply, and the edges of the line buffer: the longest command that fits and one that does not.
constexpr std::array<std::string_view, 11> kCommands = {"GINF",
                                                        "GBRTA",
                                                        "GXCHA",
                                                        "GBRTB",
                                                        "GXCHB",
                                                        "SBRTA,9600,8,N,1,N",
                                                        "SBRTB,1000000,7,E,2,H",
                                                        "SXCHA,11,13",
                                                        "SXCHB,0A,FF",
                                                        "SBRTA,0000000000009600,8,N,1,N",
                                                        "SBRTA,00000000000009600,8,N,1,N"};

bool IsExchangeMessage(std::string_view text) {
    const std::string_view format = msg::kExchangeFailed;
    const std::string_view prefix = format.substr(0, format.find("%d"));
    if (text == msg::kNothingReceived) {
        return true;
    }
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    int code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    return error == std::errc() && end == text.data() + text.size();
}

void CheckPayloadParses(std::string_view command, std::string_view payload) {
    if (command.starts_with("GBRT") || command.starts_with("SBRT")) {
        if (const auto settings = ParseLineSettings(payload)) {
            FUZZ_REQUIRE(RateInfoText(settings->rateError).ends_with(settings->rateError + " %)"));
        }
    } else if (command.starts_with("GXCH")) {
        ParseFlowCharacters(payload);
    }
}

void CheckExchange(DeviceLink& link, const MemorySerialPort& port, const RecordingReporter& reporter,
                   std::string_view command) {
    const std::size_t shown = reporter.messages.size();
    const std::size_t writes = port.Writes().size();
    // A separate allocation of exactly the reply's size, so that AddressSanitizer sees any write past it.
    const auto reply = std::make_unique<ReplyBuffer>();
    const Result result = link.SendCommand(*reply, command);

    if (command.size() > kLongestCommand) {
        FUZZ_REQUIRE(Failed(result) && port.Writes().size() == writes);
        FUZZ_REQUIRE(reporter.messages.back() == msg::Format(msg::kExchangeFailed, exchange_code::kCommandTooLong));
    } else {
        FUZZ_REQUIRE(port.Writes().size() == writes + 1 && port.Writes().back() == std::string(command) + '\r');
    }
    if (Failed(result)) {
        FUZZ_REQUIRE(reporter.messages.size() == shown + 1);
        FUZZ_REQUIRE(IsExchangeMessage(reporter.messages.back()));
        return;
    }
    FUZZ_REQUIRE(reporter.messages.size() == shown);
    // The reply line is read up to its first CR and not a byte further.
    const std::string_view line = port.Received();
    FUZZ_REQUIRE(line.size() <= reply->size() && line.starts_with("OK") && line.find('\r') == line.size() - 1);
    FUZZ_REQUIRE(std::memchr(reply->data(), '\0', reply->size()) != nullptr);
    const std::string_view sent = line.substr(2, line.size() - 3);
    FUZZ_REQUIRE(Payload(*reply) == sent.substr(0, sent.find('\0')));
    CheckPayloadParses(command, Payload(*reply));
}

void CheckIdentify(DeviceLink& link, const RecordingReporter& reporter) {
    const std::size_t shown = reporter.messages.size();
    std::string firmwareText;
    if (Failed(link.Identify(firmwareText))) {
        FUZZ_REQUIRE(reporter.messages.size() == shown + 1);
        FUZZ_REQUIRE(IsExchangeMessage(reporter.messages.back()) ||
                     reporter.messages.back() == msg::kUnsupportedDevice);
    } else {
        FUZZ_REQUIRE(reporter.messages.size() == shown && firmwareText.starts_with("Firmware Version "));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto owned = std::make_unique<MemorySerialPort>(AsText(data, size));
    const MemorySerialPort& port = *owned;
    RecordingReporter reporter;
    DeviceLink link(reporter, std::move(owned));
    FUZZ_REQUIRE(!Failed(link.OpenPort("ttyFUZZ")));

    const auto exchange = [&](std::size_t i) {
        const std::string_view command = kCommands[i % kCommands.size()];
        if (command == "GINF") {
            CheckIdentify(link, reporter);
        } else {
            CheckExchange(link, port, reporter, command);
        }
    };
    std::size_t i = 0;
    while (!port.ScriptEnded()) {
        exchange(i++);
    }
    // Once more with the script at its end: the device is now silent, or unplugged for good.
    exchange(i);

    link.ClosePort();
    const std::size_t writes = port.Writes().size();
    ReplyBuffer reply{};
    FUZZ_REQUIRE(Failed(link.SendCommand(reply, "GINF")) && reporter.messages.back() == msg::kNotConnected);
    FUZZ_REQUIRE(port.Writes().size() == writes);
    for (const std::string& written : port.Writes()) {
        FUZZ_REQUIRE(written.size() <= kLongestCommand + 1);
    }
    return 0;
}
