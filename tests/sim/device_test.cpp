#include "sim/device.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using tq73sim::Device;
using tq73sim::Faults;
using tq73sim::Port;
using tq73sim::PortSettings;
using tq73sim::Received;
using tq73sim::Sent;
using tq73sim::Transcript;

const std::string kFiller = "," + std::string(32, 'X');

struct WireCase {
    const char* name;
    Faults faults;
    std::string in;
    std::string out;
    friend void PrintTo(const WireCase& c, std::ostream* os) { *os << c.name; }
};

class DeviceWireTest : public testing::TestWithParam<WireCase> {};

TEST_P(DeviceWireTest, AnswersBytesWithBytes) {
    const WireCase& c = GetParam();
    Device device;
    device.SetFaults(c.faults);
    EXPECT_EQ(device.Receive(c.in), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Framing, DeviceWireTest,
    testing::Values(WireCase{"Command", {}, "GINF\r", "OKTQ-73,TQ73-0001,123\r"},
                    WireCase{"NoCrNoReply", {}, "GINF", ""},
                    WireCase{"LfsIgnored", {}, "\nGI\nNF\r\n", "OKTQ-73,TQ73-0001,123\r"},
                    WireCase{"TwoLinesAtOnce", {}, "GXCHA\rGXCHB\r", "OKA,11,13\rOKB,11,13\r"},
                    WireCase{"CrAlone", {}, "\r", "01\r"},
                    WireCase{"NulInLine", {}, std::string("GI\0NF\r", 6), "01\r"},
                    WireCase{"LongestKept", {}, std::string(64, 'G') + "\r", "01\r"},
                    WireCase{"TooLong", {}, std::string(65, 'G') + "\r", "10\r"},
                    WireCase{"TooLongThenNext", {}, "GINF" + std::string(1000, ',') + "\rGXCHA\r", "10\rOKA,11,13\r"}),
    [](const testing::TestParamInfo<WireCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Faults, DeviceWireTest,
    testing::Values(WireCase{"Silent", {.silent = true}, "GINF\rGBRTA\r", ""},
                    WireCase{"TrailingLf", {.trailingLf = true}, "GXCHA\rGINF,\r", "OKA,11,13\r\n02\r\n"},
                    WireCase{"Error", {.errors = {{"GBRTB", 7}}}, "GBRTB\rGBRTA\r", "07\rOKA,9600,8,N,1,N,0.00\r"},
                    WireCase{"ErrorOnWordBeforeComma", {.errors = {{"SBRTA", 12}}}, "SBRTA,9600,8,N,1,N\r", "12\r"},
                    WireCase{"CannedReply",
                             {.replies = {{"GBRTA", "OKA,9600,8,X,1,N,<b>0</b>"}}},
                             "GBRTA,1\rGBRTB\r",
                             "OKA,9600,8,X,1,N,<b>0</b>\rOKB,9600,8,N,1,N,0.00\r"},
                    WireCase{"ErrorZero", {.errors = {{"GINF", 0}}}, "GINF\r", "00\r"},
                    WireCase{"ErrorOnUnknownWord", {.errors = {{"HELLO", 42}}}, "HELLO\r", "42\r"},
                    WireCase{"ShortGinf", {.shortReplies = {"GINF"}}, "GINF\r", "OKTQ-73,TQ73-0001\r"},
                    WireCase{"ShortGbrt", {.shortReplies = {"GBRTA"}}, "GBRTA\r", "OKA,9600,8,N,1,N\r"},
                    WireCase{"ShortGxch", {.shortReplies = {"GXCHB"}}, "GXCHB\r", "OKB,11\r"},
                    WireCase{"ShortSbrt", {.shortReplies = {"SBRTA"}}, "SBRTA,200,8,N,1,N\r", "OKA,200,8,N,1,N\r"},
                    WireCase{"ShortOnlyThatWord", {.shortReplies = {"GBRTA"}}, "GBRTB\r", "OKB,9600,8,N,1,N,0.00\r"},
                    WireCase{"ShortOkStays", {.shortReplies = {"SXCHA"}}, "SXCHA,11,13\r", "OK\r"},
                    WireCase{"LongGinf", {.longReply = true}, "GINF\r", "OKTQ-73,TQ73-0001,123" + kFiller + "\r"},
                    WireCase{"LongOk", {.longReply = true}, "SXCHA,11,13\r", "OK" + kFiller + "\r"},
                    WireCase{"LongError", {.longReply = true}, "XYZ\r", "01" + kFiller + "\r"},
                    WireCase{"ShortLongAndLf",
                             {.trailingLf = true, .longReply = true, .shortReplies = {"GXCHA"}},
                             "GXCHA\r",
                             "OKA,11" + kFiller + "\r\n"}),
    [](const testing::TestParamInfo<WireCase>& info) { return info.param.name; });

TEST(DeviceWireTest, LineMayArriveInPieces) {
    Device device;
    EXPECT_EQ(device.Receive("GB"), "");
    EXPECT_EQ(device.Receive("RT"), "");
    EXPECT_EQ(device.Receive("A\r"), "OKA,9600,8,N,1,N,0.00\r");
}

TEST(DeviceWireTest, LongReplyIsLongerThan31BytesForEveryCommand) {
    Device device;
    device.SetFaults({.longReply = true});
    for (const char* command : {"GINF\r", "GBRTA\r", "GXCHA\r", "SBRTB,9600,8,N,1,N\r", "SXCHB,11,13\r", "X\r"}) {
        EXPECT_GT(device.Receive(command).find('\r'), 31u) << command;
    }
}

class DeviceTest : public testing::Test {
protected:
    Device m_device;
};

TEST_F(DeviceTest, SbrtAndSxchChangeTheSettingsSeenFromOutside) {
    m_device.Receive("SBRTA,38400,7,E,2,H\rSXCHA,05,0A\r");
    const PortSettings expected{
        .rate = 38400, .dataBits = '7', .parity = 'E', .stopBits = '2', .flow = 'H', .xon = 0x05, .xoff = 0x0A};
    EXPECT_EQ(m_device.settings(Port::A), expected);
    EXPECT_EQ(m_device.settings(Port::B), PortSettings{});
}

TEST_F(DeviceTest, SilentDeviceChangesNothing) {
    m_device.SetFaults({.silent = true});
    m_device.Receive("SBRTA,38400,7,E,2,H\r");
    EXPECT_EQ(m_device.settings(Port::A), PortSettings{});
}

TEST_F(DeviceTest, CommandAnsweredWithAnErrorHasNoEffect) {
    m_device.SetFaults({.errors = {{"SBRTB", 7}}});
    EXPECT_EQ(m_device.Receive("SBRTA,38400,8,N,1,N\rSBRTB,38400,8,N,1,N\r"), "OKA,38400,8,N,1,N,0.00\r07\r");
    EXPECT_EQ(m_device.settings(Port::A).rate, 38400);
    EXPECT_EQ(m_device.settings(Port::B).rate, 9600);
}

TEST_F(DeviceTest, ShortReplyStillTakesEffect) {
    m_device.SetFaults({.shortReplies = {"SBRTB"}});
    m_device.Receive("SBRTB,300,8,N,1,N\r");
    EXPECT_EQ(m_device.settings(Port::B).rate, 300);
}

TEST_F(DeviceTest, FaultsChangeBetweenCommands) {
    m_device.SetFaults({.errors = {{"GINF", 7}}});
    EXPECT_EQ(m_device.Receive("GINF\r"), "07\r");
    m_device.SetFaults({.byteDelay = 5ms, .trailingLf = true});
    EXPECT_EQ(m_device.faults().byteDelay, 5ms);
    EXPECT_EQ(m_device.Receive("GINF\r"), "OKTQ-73,TQ73-0001,123\r\n");
    m_device.SetFaults({});
    m_device.SetIdentity({.model = "TQ-74"});
    EXPECT_EQ(m_device.Receive("GINF\r"), "OKTQ-74,TQ73-0001,123\r");
}

TEST_F(DeviceTest, TranscriptHoldsCommandsAndExactReplies) {
    m_device.SetFaults({.trailingLf = true});
    m_device.Receive("GINF\rGX");
    m_device.Receive("CHA\r\n" + std::string(70, 'Z') + "\r");
    const Transcript expected{Received("GINF"),      Sent("OKTQ-73,TQ73-0001,123\r\n"), Received("GXCHA"),
                              Sent("OKA,11,13\r\n"), Received(std::string(64, 'Z')),    Sent("10\r\n")};
    EXPECT_EQ(m_device.transcript(), expected);
}

TEST_F(DeviceTest, SilentTranscriptHasCommandsOnly) {
    m_device.SetFaults({.silent = true});
    m_device.Receive("GINF\r");
    EXPECT_EQ(m_device.transcript(), Transcript{Received("GINF")});
}

TEST_F(DeviceTest, ClearedTranscriptStartsAgain) {
    m_device.Receive("GINF\r");
    m_device.ClearTranscript();
    m_device.Receive("GXCHB\r");
    EXPECT_EQ(m_device.transcript(), (Transcript{Received("GXCHB"), Sent("OKB,11,13\r")}));
}

TEST_F(DeviceTest, ListenerSeesEveryLineInOrder) {
    Transcript heard;
    m_device.SetListener([&heard](const tq73sim::WireLine& line) { heard.push_back(line); });
    m_device.Receive("GINF\rX\r");
    EXPECT_EQ(heard, m_device.transcript());
    EXPECT_EQ(heard.size(), 4u);
}

} // namespace
