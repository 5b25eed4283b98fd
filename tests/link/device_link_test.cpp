#include "link/device_link.h"

#include "protocol/messages.h"
#include "tests/support/pty_pair.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string ExchangeFailed(int code) {
    return msg::Format(msg::kExchangeFailed, code);
}

class ExchangeTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(link.OpenPort(pty.Port()), kResultOk); }

    // Sends a command with `device` already waiting as the device's answer.
    Result Exchange(const std::string& device, std::string_view command = "GINF") {
        pty.WriteToHost(device);
        return link.SendCommand(reply, command);
    }

    PtyPair pty;
    RecordingReporter reporter;
    DeviceLink link{reporter};
    ReplyBuffer reply{};
};

struct ReplyCase {
    const char* name;
    std::string device;
    bool ok;
    std::string payloadOrMessage;
    friend void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }
};

class ReplyLines : public ExchangeTest, public testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyLines, SeparateSuccessFromTheDevicesErrorNumber) {
    const ReplyCase& c = GetParam();
    const Result result = Exchange(c.device);
    EXPECT_EQ(pty.ReadFromHost(), "GINF\r");
    if (c.ok) {
        EXPECT_EQ(result, kResultOk);
        EXPECT_EQ(Payload(reply), c.payloadOrMessage);
        EXPECT_TRUE(reporter.messages.empty());
    } else {
        EXPECT_EQ(result, kResultFail);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{c.payloadOrMessage});
    }
}

const std::string k29(29, 'x');

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyLines,
    testing::Values(ReplyCase{"EmptyPayload", "OK\r", true, ""}, ReplyCase{"Payload", "OKabc,12\r", true, "abc,12"},
                    ReplyCase{"NulEndsThePayload", std::string("OKab\0cd\r", 8), true, "ab"},
                    ReplyCase{"LongestThatFits", "OK" + k29 + "\r", true, k29},
                    ReplyCase{"DeviceError", "12\r", false, ExchangeFailed(12)},
                    ReplyCase{"DeviceErrorWithLeadingZero", "07\r", false, ExchangeFailed(7)},
                    ReplyCase{"RestOfErrorLineIgnored", "12 busy\r", false, ExchangeFailed(12)},
                    ReplyCase{"OkIsCaseSensitive", "Ok\r", false, ExchangeFailed(369)},
                    ReplyCase{"OneByteLine", "5\r", false, ExchangeFailed(2)},
                    ReplyCase{"ComputesMinusOneButArrived", "/9\r", false, ExchangeFailed(-1)},
                    ReplyCase{"CarriageReturnAlone", "\r", false, ExchangeFailed(exchange_code::kEmptyReply)},
                    ReplyCase{"OneByteTooLong", "OK" + k29 + "y\r", false,
                              ExchangeFailed(exchange_code::kReplyTooLong)}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return info.param.name; });

TEST_F(ExchangeTest, AnOverlongReplyIsReadToItsEndSoTheNextExchangeStartsClean) {
    EXPECT_EQ(Exchange(std::string(100, 'z') + "\rOKnext\r"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(exchange_code::kReplyTooLong)});
    EXPECT_EQ(link.SendCommand(reply, "GBRTA"), kResultOk);
    EXPECT_EQ(Payload(reply), "next");
}

TEST_F(ExchangeTest, ALineFeedLeftFromTheLastReplyBeginsTheNextOne) {
    EXPECT_EQ(Exchange("OKa\r\nOKb\r"), kResultOk);
    EXPECT_EQ(Payload(reply), "a");
    EXPECT_EQ(link.SendCommand(reply, "GBRTA"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(10 * '\n' + 'O' - 528)});
}

TEST_F(ExchangeTest, ACommandLongerThanTheLineIsNeverSent) {
    EXPECT_EQ(Exchange("OK\r", std::string(31, 'A')), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(exchange_code::kCommandTooLong)});
    EXPECT_EQ(pty.ReadFromHost(50), "");

    EXPECT_EQ(link.SendCommand(reply, std::string(30, 'A')), kResultOk);
    EXPECT_EQ(pty.ReadFromHost(), std::string(30, 'A') + "\r");
}

TEST_F(ExchangeTest, SilenceTimesOutAfterAboutHalfASecond) {
    const auto start = Clock::now();
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultFail);
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(reporter.messages, std::vector<std::string>{msg::kNothingReceived});
    EXPECT_GE(elapsed, 450ms);
    EXPECT_LT(elapsed, 3s);
}

TEST_F(ExchangeTest, AReplyArrivingByteByByteIsReadWhole) {
    std::thread device([this] {
        for (char byte : std::string("OKTQ-73,1,2\r")) {
            std::this_thread::sleep_for(60ms);
            pty.WriteToHost(std::string(1, byte));
        }
    });
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultOk);
    device.join();
    EXPECT_EQ(Payload(reply), "TQ-73,1,2");
}

TEST_F(ExchangeTest, AHangUpFailsAtOnceWithTheSystemsCode) {
    std::thread device([this] {
        pty.ReadFromHost(1000);
        pty.CloseMaster();
    });
    const auto start = Clock::now();
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultFail);
    const auto elapsed = Clock::now() - start;
    device.join();
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(EIO)});
    EXPECT_LT(elapsed, 400ms);
}

TEST_F(ExchangeTest, AWriteThatCannotCompleteInTimeFails) {
    // Fill the terminal's output queue through a second descriptor, so that nothing more fits.
    const int other = ::open(("/dev/" + pty.Port()).c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY);
    ASSERT_GE(other, 0);
    // The terminal moves bytes on to the master's side in the background, so keep filling until that stops.
    const std::string block(4096, 'f');
    for (int idle = 0; idle < 5;) {
        idle = ::write(other, block.data(), block.size()) > 0 ? 0 : idle + 1;
        std::this_thread::sleep_for(10ms);
    }
    ::close(other);

    const auto start = Clock::now();
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultFail);
    EXPECT_GE(Clock::now() - start, 450ms);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{ExchangeFailed(ETIMEDOUT)});
}

TEST_F(ExchangeTest, FailuresLeaveThePortOpen) {
    EXPECT_EQ(Exchange("12\r"), kResultFail);
    EXPECT_TRUE(link.IsConnected());
    EXPECT_EQ(Exchange("OKfine\r"), kResultOk);
}

TEST(SendCommand, RefusesWhenNotConnected) {
    RecordingReporter reporter;
    DeviceLink link{reporter};
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, "GINF"), kResultFail);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{msg::kNotConnected});
}

struct IdentifyCase {
    const char* name;
    std::string device;
    bool ok;
    std::string firmwareOrMessage;
    friend void PrintTo(const IdentifyCase& c, std::ostream* os) { *os << c.name; }
};

class Identify : public ExchangeTest, public testing::WithParamInterface<IdentifyCase> {};

TEST_P(Identify, AcceptsOnlyATq73WithAFirmwareField) {
    const IdentifyCase& c = GetParam();
    pty.WriteToHost(c.device);
    std::string firmware;
    EXPECT_EQ(link.Identify(firmware), c.ok ? kResultOk : kResultFail);
    EXPECT_EQ(pty.ReadFromHost(), "GINF\r");
    if (c.ok) {
        EXPECT_EQ(firmware, c.firmwareOrMessage);
        EXPECT_TRUE(reporter.messages.empty());
    } else {
        EXPECT_EQ(reporter.messages, std::vector<std::string>{c.firmwareOrMessage});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Identify,
    testing::Values(IdentifyCase{"Supported", "OKTQ-73,anything,250\r", true, "Firmware Version 2.50"},
                    IdentifyCase{"OtherModel", "OKtq-73,anything,250\r", false, msg::kUnsupportedDevice},
                    IdentifyCase{"TooFewFields", "OKTQ-73,anything\r", false, msg::kUnsupportedDevice},
                    IdentifyCase{"ExchangeFailedOnce", "07\r", false, ExchangeFailed(7)}),
    [](const testing::TestParamInfo<IdentifyCase>& info) { return info.param.name; });

} // namespace
