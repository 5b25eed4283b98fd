#include "sim/server.h"

#include "tests/support/line_io.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <optional>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// The device behind a fake /dev/ttyACM0, the way the end-to-end harness serves it: umockdev hands over the pty
// master, which reads EIO until the node is opened and again after every close.
class UmockdevServerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(umockdev_in_mock_environment()) << "run under umockdev-wrapper";
        GError* error = nullptr;
        ASSERT_TRUE(umockdev_testbed_add_from_string(m_testbed,
                                                     "P: /devices/pci0000:00/usb1/1-1/1-1:1.0/tty/ttyACM0\n"
                                                     "N: ttyACM0\n"
                                                     "E: SUBSYSTEM=tty\n"
                                                     "E: DEVNAME=/dev/ttyACM0\n",
                                                     &error));
        const int master = umockdev_testbed_get_dev_fd(m_testbed, "/dev/ttyACM0");
        ASSERT_GE(master, 0);
        m_server.emplace(m_device, master);
    }

    void TearDown() override {
        m_server.reset();
        g_object_unref(m_testbed);
    }

    UMockdevTestbed* m_testbed = umockdev_testbed_new();
    tq73sim::Device m_device;
    std::optional<tq73sim::Server> m_server;
};

TEST_F(UmockdevServerTest, ServesTheFakeNodeAcrossReopens) {
    for (int round = 0; round < 3; ++round) {
        const int host = line_io::OpenRaw("/dev/ttyACM0");
        ASSERT_GE(host, 0);
        EXPECT_EQ(line_io::Exchange(host, "GINF"), "OKTQ-73,TQ73-0001,123\r") << "round " << round;
        EXPECT_EQ(line_io::Exchange(host, "GXCHB"), "OKB,11,13\r") << "round " << round;
        close(host);
        std::this_thread::sleep_for(100ms);
    }
}

} // namespace
