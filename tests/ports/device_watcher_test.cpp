#include "ports/device_watcher.h"
#include "testbed/testbed.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <chrono>
#include <optional>
#include <ostream>

void PrintTo(const DeviceChange& change, std::ostream* os) {
    *os << std::hex << "{event 0x" << change.event << ", device type " << change.deviceType << "}";
}

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kEventTimeout{5000};
// Long enough for an event that was going to come; only ever waited out when none is expected.
constexpr milliseconds kQuietTime{300};

constexpr DeviceChange kArrival{DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT};
constexpr DeviceChange kRemoval{DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_PORT};

struct WatchCase {
    const char* name;
    FakeDevice device;
    friend void PrintTo(const WatchCase& c, std::ostream* os) { *os << c.name; }
};

class WatcherFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run";
        ASSERT_GE(m_watcher.Fd(), 0);
    }

    // The next notification, reading past events that are none, as the window does each time the
    // descriptor is readable.
    std::optional<DeviceChange> NextChange(milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd fd{m_watcher.Fd(), POLLIN, 0};
            if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
                return std::nullopt;
            }
            if (std::optional<DeviceChange> change = m_watcher.ReadChange()) {
                return change;
            }
        }
    }

    Testbed m_testbed; // before the watcher, which must listen to it
    DeviceWatcher m_watcher;
};

class DeviceWatcherTest : public WatcherFixture, public testing::WithParamInterface<WatchCase> {};

TEST_P(DeviceWatcherTest, EachPlugIsOneArrivalAndEachUnplugOneRemoval) {
    ASSERT_TRUE(m_testbed.Plug(GetParam().device));
    EXPECT_EQ(NextChange(kEventTimeout), kArrival);
    EXPECT_EQ(NextChange(kQuietTime), std::nullopt);

    m_testbed.Unplug(GetParam().device);
    EXPECT_EQ(NextChange(kEventTimeout), kRemoval);
    EXPECT_EQ(NextChange(kQuietTime), std::nullopt);

    ASSERT_TRUE(m_testbed.Plug(GetParam().device));
    EXPECT_EQ(NextChange(kEventTimeout), kArrival);
}

INSTANTIATE_TEST_SUITE_P(Devices, DeviceWatcherTest,
                         testing::Values(WatchCase{"Tq73", FakeDevice::Tq73},
                                         WatchCase{"UsbSerialAdapter", FakeDevice::UsbSerialAdapter},
                                         WatchCase{"SerialPort", FakeDevice::SerialPort}),
                         [](const testing::TestParamInfo<WatchCase>& info) { return info.param.name; });

class DeviceWatcherQuietTest : public WatcherFixture {};

TEST_F(DeviceWatcherQuietTest, IgnoresVirtualTerminals) {
    ASSERT_TRUE(m_testbed.Add("P: /devices/virtual/tty/tty7\nN: tty7\nE: DEVNAME=/dev/tty7\nE: SUBSYSTEM=tty\n"));
    EXPECT_EQ(NextChange(kQuietTime), std::nullopt);
}

TEST_F(DeviceWatcherQuietTest, ReadsNothingWhenNothingIsPending) {
    EXPECT_EQ(m_watcher.ReadChange(), std::nullopt);
}

} // namespace
