#include "tests/e2e/end_to_end.h"

namespace {

TEST_F(EndToEnd, TheSimulatedTq73IsListedAndFollowsUnplugAndPlug) {
    OpenWindow();
    ASSERT_EQ(PortList()->count(), 1);
    EXPECT_EQ(PortList()->currentText(), "TQ-73 USB Serial Device (ttyACM0)");
    EXPECT_TRUE(PortList()->isEnabled());

    Unplug();
    EXPECT_EQ(PortList()->count(), 0);
    EXPECT_FALSE(PortList()->isEnabled());
    EXPECT_TRUE(ConnectButton()->isEnabled());

    Plug(FakeDevice::SerialPort);
    Plug();
    EXPECT_EQ(PortList()->currentText(), "TQ-73 USB Serial Device (ttyACM0)") << "USB is preferred";
    EXPECT_TRUE(PortList()->isEnabled());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
