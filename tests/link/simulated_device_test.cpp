#include "tests/link/simulated_device.h"

#include "protocol/messages.h"

#include <chrono>

namespace {

using namespace std::chrono_literals;
using tq73sim::Received;
using tq73sim::Sent;

std::string ExchangeFailed(int code) {
    return msg::Format(msg::kExchangeFailed, code);
}

TEST_F(SimulatedDevice, IdentifiesTheTq73AndFormsItsFirmwareText) {
    std::string firmware;
    EXPECT_EQ(link.Identify(firmware), kResultOk);
    EXPECT_EQ(firmware, "Firmware Version 1.23");
    EXPECT_EQ(device.transcript(), (tq73sim::Transcript{Received("GINF"), Sent("OKTQ-73,TQ73-0001,123\r")}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SimulatedDevice, RefusesAnotherModel) {
    device.SetIdentity({.model = "TQ-74"});
    std::string firmware;
    EXPECT_EQ(link.Identify(firmware), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{msg::kUnsupportedDevice});
}

TEST_F(SimulatedDevice, RefusesAnIdentificationWithoutFirmwareField) {
    device.SetFaults({.shortReplies = {"GINF"}});
    std::string firmware;
    EXPECT_EQ(link.Identify(firmware), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{msg::kUnsupportedDevice});
}

TEST_F(SimulatedDevice, ASilentDeviceIsReportedOnceAsNothingReceived) {
    device.SetFaults({.silent = true});
    std::string firmware;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.Identify(firmware), kResultFail);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 450ms);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{msg::kNothingReceived});
}

TEST_F(SimulatedDevice, ASlowReplyIsReadWhole) {
    device.SetFaults({.byteDelay = 15ms});
    EXPECT_EQ(Payload("GXCHB"), "B,11,13");
}

TEST_F(SimulatedDevice, TheDevicesErrorNumberIsShown) {
    device.SetFaults({.errors = {{"GBRTB", 7}}});
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, "GBRTB"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(7)});
}

TEST_F(SimulatedDevice, AnOverlongReplyFailsWithoutSpoilingTheNextExchange) {
    device.SetFaults({.longReply = true});
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, "GBRTA"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(exchange_code::kReplyTooLong)});
    device.SetFaults({});
    EXPECT_EQ(Payload("GXCHA"), "A,11,13");
}

// Nothing is discarded before a command: a line feed after the last CR begins the next reply.
TEST_F(SimulatedDevice, ALineFeedAfterEveryReplySpoilsTheNextOne) {
    device.SetFaults({.trailingLf = true});
    EXPECT_EQ(Payload("GXCHA"), "A,11,13");
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, "GXCHB"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(10 * '\n' + 'O' - 528)});
}

} // namespace
