#include "ports/enumerate_ports.h"
#include "testbed/testbed.h"
#include "tests/ports/udev_descriptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Port = std::pair<std::string, std::string>; // label, port

std::vector<Port> Ports(const PortTable& table) {
    std::vector<Port> ports;
    for (std::size_t i = 0; i < table.Count(); ++i) {
        ports.emplace_back(table.At(i)->label, table.At(i)->port);
    }
    return ports;
}

struct EnumerateCase {
    const char* name;
    std::vector<FakeDevice> plugged;
    std::string description; // further devices, in umockdev-record's format
    std::vector<Port> ports;
    friend void PrintTo(const EnumerateCase& c, std::ostream* os) { *os << c.name; }
};

class EnumeratePortsTest : public testing::TestWithParam<EnumerateCase> {
protected:
    void SetUp() override { ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run"; }

    Testbed m_testbed;
};

TEST_P(EnumeratePortsTest, ListsTheRealPortsWithTheirLabels) {
    const EnumerateCase& c = GetParam();
    for (const FakeDevice device : c.plugged) {
        ASSERT_TRUE(m_testbed.Plug(device));
    }
    if (!c.description.empty()) {
        ASSERT_TRUE(m_testbed.Add(c.description));
    }
    PortTable table;
    ASSERT_TRUE(table.Add({"stale", "stale"}));

    EXPECT_EQ(EnumeratePorts(table), !c.ports.empty());
    EXPECT_EQ(Ports(table), c.ports);
}

const Port kTq73{"TQ-73 USB Serial Device (ttyACM0)", "ttyACM0"};
const Port kAdapter{"FT232 Serial (UART) IC USB Serial Device (ttyUSB0)", "ttyUSB0"};
const Port kSerialPort{"serial8250 (ttyS0)", "ttyS0"};

// A USB port whose parents have no driver: nothing names it but its bus.
const std::string kBareUsbPort = "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/tty/ttyACM1\n"
                                 "N: ttyACM1\nE: DEVNAME=/dev/ttyACM1\nE: SUBSYSTEM=tty\n\n"
                                 "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0\n"
                                 "E: DEVTYPE=usb_interface\nE: SUBSYSTEM=usb\n\n"
                                 "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3\n"
                                 "E: DEVTYPE=usb_device\nE: SUBSYSTEM=usb\n";

const std::string kUsbPortWithUdevModel = "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/tty/ttyACM1\n"
                                          "N: ttyACM1\nE: DEVNAME=/dev/ttyACM1\nE: SUBSYSTEM=tty\n"
                                          "E: ID_MODEL=Serial_Adapter_2\n\n"
                                          "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0\n"
                                          "E: DEVTYPE=usb_interface\nE: DRIVER=cdc_acm\nE: SUBSYSTEM=usb\n"
                                          "L: driver=../../../../../../bus/usb/drivers/cdc_acm\n\n"
                                          "P: /devices/pci0000:00/0000:00:14.0/usb1/1-3\n"
                                          "E: DEVTYPE=usb_device\nE: SUBSYSTEM=usb\n";

// Since Linux 6.5 serial-core hangs a controller and a port device of its own between the 8250 driver's
// device and each tty; ttyS1 is a phantom.
const std::string kSerialBasePorts =
    "P: /devices/platform/serial8250/serial8250:0/serial8250:0.0/tty/ttyS0\n"
    "N: ttyS0\nE: DEVNAME=/dev/ttyS0\nE: SUBSYSTEM=tty\nA: type=4\n\n"
    "P: /devices/platform/serial8250/serial8250:0/serial8250:0.1/tty/ttyS1\n"
    "N: ttyS1\nE: DEVNAME=/dev/ttyS1\nE: SUBSYSTEM=tty\nA: type=0\n\n"
    "P: /devices/platform/serial8250/serial8250:0/serial8250:0.0\n"
    "E: DEVTYPE=port\nE: DRIVER=port\nE: SUBSYSTEM=serial-base\n"
    "L: driver=../../../../../bus/serial-base/drivers/port\n\n"
    "P: /devices/platform/serial8250/serial8250:0/serial8250:0.1\n"
    "E: DEVTYPE=port\nE: DRIVER=port\nE: SUBSYSTEM=serial-base\n"
    "L: driver=../../../../../bus/serial-base/drivers/port\n\n"
    "P: /devices/platform/serial8250/serial8250:0\n"
    "E: DEVTYPE=ctrl\nE: DRIVER=ctrl\nE: SUBSYSTEM=serial-base\n"
    "L: driver=../../../../bus/serial-base/drivers/ctrl\n\n"
    "P: /devices/platform/serial8250\n"
    "E: DRIVER=serial8250\nE: SUBSYSTEM=platform\nL: driver=../../../bus/platform/drivers/serial8250\n";

const std::string k8250PortWithoutType = "P: /devices/platform/serial8250/tty/ttyS3\n"
                                         "N: ttyS3\nE: DEVNAME=/dev/ttyS3\nE: SUBSYSTEM=tty\n\n"
                                         "P: /devices/platform/serial8250\n"
                                         "E: DRIVER=serial8250\nE: SUBSYSTEM=platform\n"
                                         "L: driver=../../../bus/platform/drivers/serial8250\n";

const std::string kVirtualTerminal = "P: /devices/virtual/tty/tty7\nN: tty7\nE: DEVNAME=/dev/tty7\nE: SUBSYSTEM=tty\n";

const std::string kPortWithoutNode = "P: /devices/pnp0/00:20/tty/ttyS9\nE: SUBSYSTEM=tty\nA: type=4\n\n"
                                     "P: /devices/pnp0/00:20\nE: SUBSYSTEM=pnp\n";

INSTANTIATE_TEST_SUITE_P(
    Devices, EnumeratePortsTest,
    testing::Values(
        EnumerateCase{"Nothing", {}, "", {}}, EnumerateCase{"Tq73", {FakeDevice::Tq73}, "", {kTq73}},
        EnumerateCase{"UsbSerialAdapter", {FakeDevice::UsbSerialAdapter}, "", {kAdapter}},
        EnumerateCase{"SerialPort", {FakeDevice::SerialPort}, "", {kSerialPort}},
        EnumerateCase{"PhantomSerialPort", {FakeDevice::PhantomSerialPort}, "", {}},
        EnumerateCase{"InSysfsOrder",
                      {FakeDevice::SerialPort, FakeDevice::Tq73, FakeDevice::UsbSerialAdapter},
                      udev_descriptions::PnpPort(4),
                      {kAdapter, kTq73, kSerialPort, {"Serial Port (ttyS4)", "ttyS4"}}},
        EnumerateCase{"UsbPortWithoutModel", {}, kBareUsbPort, {{"USB Serial Device (ttyACM1)", "ttyACM1"}}},
        EnumerateCase{"UdevModelWithBlanks",
                      {},
                      kUsbPortWithUdevModel,
                      {{"Serial Adapter 2 USB Serial Device (ttyACM1)", "ttyACM1"}}},
        EnumerateCase{"DriverOfTheHardware", {}, udev_descriptions::PciPort(5), {{"serial (ttyS5)", "ttyS5"}}},
        EnumerateCase{"SerialCoreDevicesInBetween", {}, kSerialBasePorts, {kSerialPort}},
        EnumerateCase{"PhantomWithoutType", {}, k8250PortWithoutType, {}},
        EnumerateCase{"VirtualTerminal", {}, kVirtualTerminal, {}},
        EnumerateCase{"PortWithoutNode", {}, kPortWithoutNode, {}}),
    [](const testing::TestParamInfo<EnumerateCase>& info) { return info.param.name; });

class EnumerateManyPortsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run"; }

    Testbed m_testbed;
};

TEST_F(EnumerateManyPortsTest, KeepsTheFirstPortsThatFitTheTable) {
    // Nodes without a pseudo-terminal behind them, so that the testbed does not run out of them.
    std::string description;
    for (std::size_t i = 0; i <= PortTable::kCapacity; ++i) {
        const std::string tty = "ttyS" + std::to_string(100 + i);
        description += "P: /devices/pnp0/00:ff/tty/" + tty + "\nE: DEVNAME=/dev/" + tty + "\nE: SUBSYSTEM=tty\n\n";
    }
    description += "P: /devices/pnp0/00:ff\nE: SUBSYSTEM=pnp\n";
    ASSERT_TRUE(m_testbed.Add(description));

    PortTable table;
    EXPECT_TRUE(EnumeratePorts(table));
    ASSERT_EQ(table.Count(), PortTable::kCapacity);
    EXPECT_EQ(table.At(0)->port, "ttyS100");
    EXPECT_EQ(table.At(PortTable::kCapacity - 1)->port, "ttyS355");
}

} // namespace
