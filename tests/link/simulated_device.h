#pragma once

#include "link/device_link.h"
#include "sim/device.h"
#include "sim/pseudo_terminal.h"
#include "sim/server.h"
#include "tests/support/recording_reporter.h"

#include <gtest/gtest.h>

// The link connected to the simulated TQ-73 over a real pseudo-terminal.
class SimulatedDevice : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.isOpen());
        ASSERT_EQ(link.OpenPort(pty.slavePath().substr(std::string("/dev/").size())), kResultOk);
    }

    // Sends a command that must succeed; its payload.
    std::string Payload(std::string_view command) {
        ReplyBuffer reply{};
        EXPECT_EQ(link.SendCommand(reply, command), kResultOk) << command;
        return std::string(::Payload(reply));
    }

    tq73sim::Device device;
    tq73sim::PseudoTerminal pty;
    tq73sim::Server server{device, pty.masterFd()};
    RecordingReporter reporter;
    DeviceLink link{reporter};
};
