#include "app/CTQ73setDlg.h"
#include "ports/device_change.h"
#include "testbed/testbed.h"
#include "tests/app/qt_print.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace {

constexpr int kEventTimeoutMs = 5000;

const QString kTq73 = QStringLiteral("TQ-73 USB Serial Device (ttyACM0)");
const QString kSerialPort = QStringLiteral("serial8250 (ttyS0)");

// The window over a umockdev testbed, which it sees instead of the machine's ports, with the real enumeration
// and the real udev events.
class WindowOverUdev : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Testbed::Active()) << "run under testbed/umockdev-run"; }

    // The window listens to the testbed only if it starts after it.
    void OpenWindow() { m_dialog = std::make_unique<CTQ73setDlg>(); }

    QComboBox* PortList() const { return m_dialog->findChild<QComboBox*>(QStringLiteral("1000")); }

    // Lets the window handle events until the list shows `ports`, or the time-out passed.
    bool WaitForPorts(const QStringList& ports) const {
        QDeadlineTimer deadline(kEventTimeoutMs);
        while (Ports() != ports && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        return Ports() == ports;
    }

    QStringList Ports() const {
        QStringList items;
        for (int i = 0; i < PortList()->count(); ++i) {
            items << PortList()->itemText(i);
        }
        return items;
    }

    Testbed m_testbed;
    std::unique_ptr<CTQ73setDlg> m_dialog;
};

TEST_F(WindowOverUdev, OpensWithAnEmptyDisabledListWhenThereIsNoPort) {
    OpenWindow();
    EXPECT_EQ(Ports(), QStringList());
    EXPECT_FALSE(PortList()->isEnabled());
    EXPECT_EQ(PortList()->currentIndex(), -1);
}

TEST_F(WindowOverUdev, ListsAndSelectsATq73PresentAtStart) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    OpenWindow();
    EXPECT_EQ(Ports(), (QStringList{kTq73, kSerialPort}));
    EXPECT_TRUE(PortList()->isEnabled());
    EXPECT_EQ(PortList()->currentText(), kTq73);
}

TEST_F(WindowOverUdev, FollowsThePortsBeingPluggedInAndRemoved) {
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::SerialPort));
    OpenWindow();
    ASSERT_EQ(Ports(), QStringList{kSerialPort});

    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    EXPECT_TRUE(WaitForPorts({kTq73, kSerialPort})) << Ports().join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(PortList()->currentText(), kTq73);

    m_testbed.Unplug(FakeDevice::Tq73);
    EXPECT_TRUE(WaitForPorts({kSerialPort})) << Ports().join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(PortList()->currentText(), kSerialPort);

    m_testbed.Unplug(FakeDevice::SerialPort);
    EXPECT_TRUE(WaitForPorts({})) << Ports().join(QStringLiteral(", ")).toStdString();
    EXPECT_FALSE(PortList()->isEnabled());
}

struct ChangeCase {
    const char* name;
    DeviceChange change;
    bool refreshes;
    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
};

class DeviceChangeTest : public WindowOverUdev, public ::testing::WithParamInterface<ChangeCase> {};

// The testbed's own events are left pending: only the notification under test reaches the window.
TEST_P(DeviceChangeTest, RefreshesTheListOnPortArrivalAndRemovalOnly) {
    OpenWindow();
    ASSERT_TRUE(m_testbed.Plug(FakeDevice::Tq73));
    m_dialog->OnDeviceChange(GetParam().change.event, GetParam().change.deviceType);
    EXPECT_EQ(Ports(), GetParam().refreshes ? QStringList{kTq73} : QStringList());
}

constexpr std::uint32_t DBT_DEVICEQUERYREMOVE = 0x8001;
constexpr std::uint32_t DBT_DEVTYP_VOLUME = 2;

INSTANTIATE_TEST_SUITE_P(
    Notifications, DeviceChangeTest,
    ::testing::Values(ChangeCase{"PortArrival", {DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT}, true},
                      ChangeCase{"PortRemoval", {DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_PORT}, true},
                      ChangeCase{"VolumeArrival", {DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME}, false},
                      ChangeCase{"VolumeRemoval", {DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME}, false},
                      ChangeCase{"PortQueryRemove", {DBT_DEVICEQUERYREMOVE, DBT_DEVTYP_PORT}, false}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

} // namespace
