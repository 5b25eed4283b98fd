#include "tests/app/panel_widgets.h"
#include "tests/e2e/end_to_end.h"

#include "link/device_link.h"
#include "protocol/messages.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

using Strings = std::vector<std::string>;

const Strings kLoad = {"GINF", "GBRTA", "GXCHA", "GBRTB", "GXCHB"};

std::string ExchangeFailed(int code) {
    return msg::Format(msg::kExchangeFailed, code);
}

// Another program opening the port: succeeds only when the window let go of it.
bool AnotherProgramCanOpenThePort() {
    RecordingReporter quiet;
    DeviceLink other{quiet};
    return other.OpenPort("ttyACM0") == kResultOk;
}

class Connect : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        // Port B differs from port A, so that a mix-up of the panels shows.
        device.Receive("SBRTB,38400,7,E,2,H\rSXCHB,01,7F\r");
        device.ClearTranscript();
    }

    void ExpectDisconnected() {
        EXPECT_EQ(ConnectButton()->text(), msg::kCaptionConnect);
        EXPECT_FALSE(PanelsEnabled());
        EXPECT_EQ(FirmwareText()->text(), "");
    }
};

TEST_F(Connect, LoadsBothPortsAndShowsTheConnectedState) {
    OpenWindow();
    ConnectButton()->click();

    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Commands(), kLoad);
    EXPECT_EQ(FirmwareText()->text(), "Firmware Version 1.23");
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
    EXPECT_TRUE(PanelsEnabled());

    EXPECT_EQ(Panel(0).rate->currentText(), "9600");
    EXPECT_EQ(Checked(Panel(0).dataBits), (std::vector<bool>{true, false}));
    EXPECT_EQ(Checked(Panel(0).parity), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Checked(Panel(0).flow), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps (0.00 %)");
    EXPECT_EQ(Panel(0).xon->text(), "11");
    EXPECT_EQ(Panel(0).xoff->text(), "13");

    EXPECT_EQ(Panel(1).rate->currentText(), "38400");
    EXPECT_EQ(Checked(Panel(1).dataBits), (std::vector<bool>{false, true}));
    EXPECT_EQ(Checked(Panel(1).parity), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Checked(Panel(1).stopBits), (std::vector<bool>{false, true}));
    EXPECT_EQ(Checked(Panel(1).flow), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Panel(1).xon->text(), "01");
    EXPECT_EQ(Panel(1).xoff->text(), "7F");
    EXPECT_FALSE(AnotherProgramCanOpenThePort()) << "the window holds the port exclusively";
}

TEST_F(Connect, DisconnectKeepsThePanelValuesButShowsNothingOfTheDevice) {
    OpenWindow();
    ConnectButton()->click();
    ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
    ConnectButton()->click();

    ExpectDisconnected();
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps");
    EXPECT_EQ(Panel(1).rateInfo->text(), "bps");
    EXPECT_EQ(Panel(1).rate->currentText(), "38400");
    EXPECT_TRUE(Panel(1).parity[2]->isChecked());
    EXPECT_EQ(Panel(1).xoff->text(), "7F");
    EXPECT_TRUE(AnotherProgramCanOpenThePort());
    EXPECT_EQ(Commands(), kLoad) << "disconnecting sends nothing";
}

struct LoadFailure {
    const char* name;
    tq73sim::Faults faults;
    tq73sim::Identity identity;
    std::string message;
    Strings commands;
    friend void PrintTo(const LoadFailure& c, std::ostream* os) { *os << c.name; }
};

class FailedLoad : public Connect, public testing::WithParamInterface<LoadFailure> {};

TEST_P(FailedLoad, IsReportedOnceAndEndsDisconnectedWithThePortClosed) {
    const LoadFailure& c = GetParam();
    device.SetFaults(c.faults);
    device.SetIdentity(c.identity);
    OpenWindow();
    ConnectButton()->click();

    EXPECT_EQ(messages.messages, Strings{c.message});
    EXPECT_EQ(Commands(), c.commands);
    ExpectDisconnected();
    EXPECT_TRUE(AnotherProgramCanOpenThePort());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedLoad,
    testing::Values(
        LoadFailure{"OtherModel", {}, {.model = "TQ-74"}, msg::kUnsupportedDevice, {"GINF"}},
        LoadFailure{"Silent", {.silent = true}, {}, msg::kNothingReceived, {"GINF"}},
        LoadFailure{"ErrorOnGinf", {.errors = {{"GINF", 1}}}, {}, ExchangeFailed(1), {"GINF"}},
        LoadFailure{"ShortLineSettings", {.shortReplies = {"GBRTA"}}, {}, msg::kUnsupportedDevice, {"GINF", "GBRTA"}},
        LoadFailure{"ShortCharacters", {.shortReplies = {"GXCHB"}}, {}, msg::kUnsupportedDevice, kLoad},
        LoadFailure{"LongReply", {.longReply = true}, {}, ExchangeFailed(1002), {"GINF"}},
        LoadFailure{
            "TrailingLineFeed", {.trailingLf = true}, {}, ExchangeFailed(10 * '\n' + 'O' - 528), {"GINF", "GBRTA"}}),
    [](const testing::TestParamInfo<LoadFailure>& info) { return info.param.name; });

TEST_F(Connect, AFailureAfterPortALeavesPanelAFilledAndTheFirmwareLineEmpty) {
    device.SetFaults({.errors = {{"GBRTB", 7}}});
    OpenWindow();
    ConnectButton()->click();

    EXPECT_EQ(messages.messages, Strings{ExchangeFailed(7)});
    EXPECT_EQ(Commands(), (Strings{"GINF", "GBRTA", "GXCHA", "GBRTB"}));
    ExpectDisconnected();
    EXPECT_EQ(Panel(0).rate->currentText(), "9600");
    EXPECT_EQ(Panel(0).xon->text(), "11");
    EXPECT_EQ(Panel(1).rate->currentText(), "");
}

TEST_F(Connect, ACodeOutsideTheTableChecksNoButtonAndDeviceTextStaysPlain) {
    device.SetFaults({.replies = {{"GBRTA", "OKA,9600,8,X,1,N,<b>0.16</b>"}, {"GXCHA", "OKA,<i>1</i>,FFFFFFFF"}}});
    OpenWindow();
    ConnectButton()->click();

    ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
    EXPECT_EQ(Checked(Panel(0).parity), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Panel(0).rateInfo->textFormat(), Qt::PlainText);
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps (<b>0.16</b> %)");
    EXPECT_EQ(Panel(0).xon->text(), "<i>1</i>");
    EXPECT_EQ(Panel(0).xoff->text(), "FFFFFFFF") << "text from the device is set whole";
}

TEST_F(Connect, UnplugWhileConnectedDisconnectsAndReplugSelectsTheDeviceAgain) {
    OpenWindow();
    ConnectButton()->click();
    ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);

    Unplug();
    ExpectDisconnected();
    EXPECT_EQ(PortList()->count(), 0);
    EXPECT_TRUE(messages.messages.empty());

    Plug();
    EXPECT_EQ(PortList()->currentText(), "TQ-73 USB Serial Device (ttyACM0)");
    ConnectButton()->click();
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
}

TEST_F(Connect, AnUnrelatedPortArrivingKeepsTheConnectionButOneLeavingEndsIt) {
    OpenWindow();
    ConnectButton()->click();
    ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);

    Plug(FakeDevice::SerialPort);
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
    EXPECT_TRUE(PanelsEnabled());
    EXPECT_EQ(PortList()->count(), 2);

    Unplug(FakeDevice::SerialPort);
    ExpectDisconnected();
    EXPECT_EQ(PortList()->currentText(), "TQ-73 USB Serial Device (ttyACM0)");
}

TEST_F(Connect, UnplugWhileTheLoadsFailureMessageIsOpenDisconnectsAtOnce) {
    device.SetFaults({.errors = {{"GXCHA", 9}}});
    OpenWindow(/*realMessageBoxes=*/true);
    bool disconnectedWhileOpen = false;
    WhileNextMessageBoxIsOpen([&] {
        Unplug();
        disconnectedWhileOpen = ConnectButton()->text() == msg::kCaptionConnect && FirmwareText()->text().isEmpty() &&
                                Panel(0).rateInfo->text() == "bps" && !PanelsEnabled();
    });
    ConnectButton()->click();

    EXPECT_EQ(boxTexts, Strings{ExchangeFailed(9)});
    EXPECT_TRUE(disconnectedWhileOpen);
    ExpectDisconnected();
    EXPECT_EQ(Commands(), (Strings{"GINF", "GBRTA", "GXCHA"})) << "the load ends without another command";

    Plug();
    device.SetFaults({});
    ConnectButton()->click();
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect) << "the port was closed cleanly";
}

} // namespace
