#include "link/device_link.h"
#include "sim/device.h"
#include "sim/pseudo_terminal.h"
#include "sim/server.h"
#include "tests/support/long_run.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct Query {
    const char* command;
    const char* payload;
};

// The window's load after identification. Port B is set apart from port A first, so that an answer read for the
// wrong command shows.
constexpr Query kLoad[] = {
    {"GBRTA", "A,9600,8,N,1,N,0.00"}, {"GXCHA", "A,11,13"}, {"GBRTB", "B,38400,7,E,2,H,0.00"}, {"GXCHB", "B,01,7F"}};
const Strings kCommands = {"GINF", "GBRTA", "GXCHA", "GBRTB", "GXCHB"};

Strings Commands(const tq73sim::Transcript& transcript) {
    Strings commands;
    for (const tq73sim::WireLine& line : transcript) {
        if (line.direction == tq73sim::WireLine::Direction::Received) {
            commands.push_back(line.bytes);
        }
    }
    return commands;
}

// The link opened, loaded from and closed again many times over a real pseudo-terminal, the simulated TQ-73 on
// its other side.
TEST(LinkLongUse, OpenLoadAndCloseTenThousandTimes) {
    tq73sim::Device device;
    device.Receive("SBRTB,38400,7,E,2,H\rSXCHB,01,7F\r");
    device.ClearTranscript();
    tq73sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.isOpen());
    tq73sim::Server server{device, pty.masterFd()};
    const std::string port = pty.slavePath().substr(std::string("/dev/").size());
    RecordingReporter reporter;
    DeviceLink link{reporter};

    RunLong("link open, load and close", 10000, [&] {
        ASSERT_EQ(link.OpenPort(port), kResultOk);
        std::string firmware;
        EXPECT_EQ(link.Identify(firmware), kResultOk);
        EXPECT_EQ(firmware, "Firmware Version 1.23");
        for (const Query& query : kLoad) {
            ReplyBuffer reply{};
            EXPECT_EQ(link.SendCommand(reply, query.command), kResultOk) << query.command;
            EXPECT_EQ(Payload(reply), query.payload);
        }
        link.ClosePort();
        EXPECT_FALSE(link.IsConnected());
        EXPECT_EQ(reporter.messages, Strings{});
        // The device keeps a transcript of everything; emptied each cycle, it does not grow the process either.
        EXPECT_EQ(Commands(device.transcript()), kCommands);
        device.ClearTranscript();
    });
}

} // namespace
