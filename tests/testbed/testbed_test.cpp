#include "testbed/testbed.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

constexpr int kTimeoutMs = 5000;

// Reads what is there within the time-out, waiting for the first byte only.
std::string ReadSome(int fd) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, kTimeoutMs) != 1) {
        return {};
    }
    char buffer[64];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
}

class TestbedTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run"; }

    void TearDown() override {
        if (m_node >= 0) {
            close(m_node);
        }
    }

    // Opens the node as the program does and checks that it and the master reach each other.
    void ExpectConnected(FakeDevice device, const char* path) {
        m_node = open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(m_node, 0) << path << ": " << errno;
        const int master = m_testbed.MasterFd(device);
        ASSERT_EQ(write(m_node, "GINF\r", 5), 5);
        EXPECT_EQ(ReadSome(master), "GINF\r");
        ASSERT_EQ(write(master, "OK,TQ-73\r", 9), 9);
        EXPECT_EQ(ReadSome(m_node), "OK,TQ-73\r");
        close(m_node);
        m_node = -1;
    }

    Testbed m_testbed;
    int m_node = -1;
};

TEST_F(TestbedTest, TheMasterTalksToTheNode) {
    EXPECT_EQ(m_testbed.MasterFd(FakeDevice::Tq73), -1);
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    ExpectConnected(FakeDevice::Tq73, "/dev/ttyACM0");
    EXPECT_NE(fcntl(m_testbed.MasterFd(FakeDevice::Tq73), F_GETFD) & FD_CLOEXEC, 0);
}

TEST_F(TestbedTest, PlugsInAgainOnTheSameMaster) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    const int master = m_testbed.MasterFd(FakeDevice::Tq73);
    m_testbed.Unplug(FakeDevice::Tq73);
    EXPECT_EQ(open("/dev/ttyACM0", O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC), -1);
    EXPECT_EQ(errno, ENOENT);

    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    EXPECT_EQ(m_testbed.MasterFd(FakeDevice::Tq73), master);
    ExpectConnected(FakeDevice::Tq73, "/dev/ttyACM0");
}

TEST_F(TestbedTest, UnplugHangsUpAnOpenNodeAndPlugStartsWithAnEmptyLine) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    const int master = m_testbed.MasterFd(FakeDevice::Tq73);
    m_node = open("/dev/ttyACM0", O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(m_node, 0);
    ASSERT_EQ(write(m_node, "GBR", 3), 3);
    ASSERT_EQ(write(master, "OKA,96", 6), 6);
    ASSERT_EQ(ReadSome(master), "GBR");
    ASSERT_EQ(write(m_node, "TA\r", 3), 3);

    m_testbed.Unplug(FakeDevice::Tq73);
    pollfd ready{m_node, POLLIN, 0};
    ASSERT_EQ(poll(&ready, 1, kTimeoutMs), 1);
    EXPECT_NE(ready.revents & POLLHUP, 0);
    char byte;
    EXPECT_EQ(read(m_node, &byte, 1), 0) << "what the device sent before is gone with it";
    EXPECT_EQ(write(m_node, "G", 1), -1);
    EXPECT_EQ(errno, EIO);
    close(m_node);
    m_node = -1;

    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    ExpectConnected(FakeDevice::Tq73, "/dev/ttyACM0");
}

TEST_F(TestbedTest, RefusesAPlaceThatIsTaken) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    EXPECT_FALSE(m_testbed.Plug(FakeDevice::SerialPort));
    EXPECT_FALSE(m_testbed.Plug(FakeDevice::PhantomSerialPort));
    m_testbed.Unplug(FakeDevice::Tq73);
    ExpectConnected(FakeDevice::SerialPort, "/dev/ttyS0");
}

TEST_F(TestbedTest, RejectsAnInvalidDescription) {
    EXPECT_FALSE(m_testbed.Add("X: nothing\n"));
    EXPECT_FALSE(m_testbed.Add("P: /devices/platform/nowhere\nE: DEVNAME=/dev/ttyZ0\n"));
}

} // namespace
