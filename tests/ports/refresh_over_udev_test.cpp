#include "ports/enumerate_ports.h"
#include "ports/refresh_port_list.h"
#include "testbed/testbed.h"
#include "tests/ports/fake_port_list.h"
#include "tests/ports/udev_descriptions.h"

#include <gtest/gtest.h>

namespace {

class RefreshOverUdevTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run"; }

    void Refresh() { RefreshPortList(m_table, m_list, EnumeratePorts); }

    Testbed m_testbed;
    PortTable m_table;
    FakePortList m_list;
};

TEST_F(RefreshOverUdevTest, PrefersTheFirstUsbPortOverTheChosenOne) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    Refresh();
    EXPECT_EQ(m_list.SelectedLabel(), "TQ-73 USB Serial Device (ttyACM0)");

    m_list.Select(1);
    ASSERT_EQ(m_list.SelectedLabel(), "serial8250 (ttyS0)");
    // The adapter sorts before the TQ-73.
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::UsbSerialAdapter));
    Refresh();
    EXPECT_EQ(m_list.SelectedLabel(), "FT232 Serial (UART) IC USB Serial Device (ttyUSB0)");
}

TEST_F(RefreshOverUdevTest, SelectsTheTq73AgainWhenPluggedBackIn) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    Refresh();
    ASSERT_EQ(m_list.SelectedLabel(), "TQ-73 USB Serial Device (ttyACM0)");

    m_testbed.Unplug(FakeDevice::Tq73);
    Refresh();
    EXPECT_EQ(m_list.Items(), std::vector<std::string>{"serial8250 (ttyS0)"});
    EXPECT_EQ(m_list.SelectedIndex(), 0u);

    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    Refresh();
    EXPECT_EQ(m_list.SelectedLabel(), "TQ-73 USB Serial Device (ttyACM0)");
}

TEST_F(RefreshOverUdevTest, KeepsTheChosenPortWhenItMoves) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    ASSERT_TRUE(m_testbed.Add(udev_descriptions::PnpPort(4)));
    Refresh();
    m_list.Select(1);
    ASSERT_EQ(m_list.SelectedLabel(), "Serial Port (ttyS4)");

    ASSERT_TRUE(m_testbed.Add(udev_descriptions::PciPort(5)));
    Refresh();
    EXPECT_EQ(m_list.Items().size(), 3u);
    EXPECT_EQ(m_list.SelectedIndex(), 2u);
    EXPECT_EQ(m_list.SelectedLabel(), "Serial Port (ttyS4)");
}

TEST_F(RefreshOverUdevTest, SelectsTheFirstPortWhenTheChosenOneIsGone) {
    ASSERT_TRUE(m_testbed.Add(udev_descriptions::PciPort(5)));
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    ASSERT_TRUE(m_testbed.Add(udev_descriptions::PnpPort(4)));
    Refresh();
    m_list.Select(1);
    ASSERT_EQ(m_list.SelectedLabel(), "serial8250 (ttyS0)");

    m_testbed.Unplug(FakeDevice::SerialPort);
    Refresh();
    EXPECT_EQ(m_list.Items(), (std::vector<std::string>{"serial (ttyS5)", "Serial Port (ttyS4)"}));
    EXPECT_EQ(m_list.SelectedIndex(), 0u);
}

TEST_F(RefreshOverUdevTest, DisablesTheListWhenOnlyPhantomsRemain) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::PhantomSerialPort));
    Refresh();
    ASSERT_EQ(m_list.Enabled(), true);

    m_testbed.Unplug(FakeDevice::Tq73);
    Refresh();
    EXPECT_EQ(m_list.Enabled(), false);
    EXPECT_TRUE(m_list.Items().empty());
}

} // namespace
