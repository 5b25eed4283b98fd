#include "tests/e2e/end_to_end.h"

#include "protocol/messages.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Strings = std::vector<std::string>;
using tq73sim::PortSettings;

std::string ExchangeFailed(int code) {
    return msg::Format(msg::kExchangeFailed, code);
}

const std::string kRange = "通信速度は 200 - 1000000 の範囲で設定してください。";

// Types into a field as the user does: everything selected, then the keys.
void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

class Apply : public EndToEnd {
protected:
    void Connect(bool realMessageBoxes = false) {
        OpenWindow(realMessageBoxes);
        ConnectButton()->click();
        ASSERT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
        device.ClearTranscript();
    }
};

TEST_F(Apply, WritesBothPortsInOrderAndShowsTheDevicesFigures) {
    Connect();
    Type(Panel(0).rate->lineEdit(), "38400");
    Panel(0).dataBits[1]->click();
    Panel(0).parity[2]->click();
    Panel(0).stopBits[1]->click();
    Panel(0).flow[1]->click();
    Type(Panel(0).xon, "a");
    Type(Panel(0).xoff, "1f");
    Type(Panel(1).rate->lineEdit(), "115200");
    Panel(1).flow[2]->click();
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps") << "typing a rate resets its figure";
    SetButton()->click();

    EXPECT_EQ(messages.messages, Strings{msg::kSettingsApplied});
    EXPECT_EQ(device.transcript(), (tq73sim::Transcript{
                                       tq73sim::Received("SBRTA,38400,7,E,2,H"),
                                       tq73sim::Sent("OKA,38400,7,E,2,H,0.00\r"),
                                       tq73sim::Received("SBRTB,115200,8,N,1,S"),
                                       tq73sim::Sent("OKB,115200,8,N,1,S,0.00\r"),
                                       tq73sim::Received("SXCHA,0A,1F"),
                                       tq73sim::Sent("OK\r"),
                                       tq73sim::Received("SXCHB,11,13"),
                                       tq73sim::Sent("OK\r"),
                                   }));
    EXPECT_EQ(device.settings(tq73sim::Port::A), (PortSettings{38400, '7', 'E', '2', 'H', 0x0A, 0x1F}));
    EXPECT_EQ(device.settings(tq73sim::Port::B), (PortSettings{115200, '8', 'N', '1', 'S', 0x11, 0x13}));
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps (0.00 %)");
    EXPECT_EQ(Panel(1).rateInfo->text(), "bps (0.00 %)");
    EXPECT_EQ(Panel(0).xon->text(), "a") << "the field keeps what the user typed";
    EXPECT_EQ(Panel(0).xoff->text(), "1f");
}

TEST_F(Apply, TheRateFiguresComeFromTheDevicesAnswer) {
    Connect();
    Type(Panel(1).rate->lineEdit(), "1000000");
    SetButton()->click();
    EXPECT_EQ(messages.messages, Strings{msg::kSettingsApplied});
    EXPECT_EQ(Panel(1).rateInfo->text(), "bps (-7.84 %)");
}

struct Refusal {
    const char* name;
    std::function<void(const PortPanel& a, const PortPanel& b)> edit;
    std::string message;
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }
};

class Refused : public Apply, public testing::WithParamInterface<Refusal> {};

TEST_P(Refused, ShowsItsMessageAndSendsNothing) {
    const Refusal& c = GetParam();
    Connect();
    c.edit(Panel(0), Panel(1));
    SetButton()->click();
    EXPECT_EQ(messages.messages, Strings{c.message});
    EXPECT_TRUE(device.transcript().empty());
    EXPECT_EQ(device.settings(tq73sim::Port::A), PortSettings{});
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect) << "a refusal keeps the connection";
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Refused,
    testing::Values(
        Refusal{"RateBelowRange", [](auto& a, auto&) { Type(a.rate->lineEdit(), "199"); }, kRange},
        Refusal{"PortBRateNotDigits", [](auto&, auto& b) { Type(b.rate->lineEdit(), "96a00"); }, msg::kRateNotDigits},
        Refusal{"XonNotHex", [](auto& a, auto&) { Type(a.xon, "g1"); }, msg::kFlowCharNotHex},
        Refusal{"LoadedXoffTooLarge", [](auto&, auto& b) { b.xoff->setText("100"); }, msg::kFlowCharOutOfRange},
        Refusal{"SevenNoneOne",
                [](auto& a, auto&) {
                    a.dataBits[1]->click();
                    a.parity[0]->click();
                    a.stopBits[0]->click();
                },
                msg::kSevenNoneOneRefused},
        Refusal{"FieldChecksBeforeSevenBitCheck",
                [](auto& a, auto& b) {
                    a.dataBits[1]->click();
                    Type(b.rate->lineEdit(), "100");
                },
                kRange}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST_F(Apply, AFailureHalfWayKeepsWhatTheDeviceAcceptedAndSendsNothingMore) {
    Connect();
    device.SetFaults({.errors = {{"SBRTB", 3}}});
    Type(Panel(0).rate->lineEdit(), "19200");
    SetButton()->click();

    EXPECT_EQ(messages.messages, Strings{ExchangeFailed(3)});
    EXPECT_EQ(Commands(), (Strings{"SBRTA,19200,8,N,1,N", "SBRTB,9600,8,N,1,N"}));
    EXPECT_EQ(device.settings(tq73sim::Port::A).rate, 19200);
    EXPECT_EQ(Panel(0).rateInfo->text(), "bps") << "no figure without a whole apply";
    EXPECT_EQ(Panel(1).rateInfo->text(), "bps (0.00 %)");
    EXPECT_EQ(ConnectButton()->text(), msg::kCaptionDisconnect);
    EXPECT_TRUE(PanelsEnabled());
}

TEST_F(Apply, AShortLineReplyIsReportedAfterAllFourCommands) {
    Connect();
    device.SetFaults({.shortReplies = {"SBRTB"}});
    SetButton()->click();
    EXPECT_EQ(messages.messages, Strings{msg::kUnsupportedDevice});
    EXPECT_EQ(Commands().size(), 4u);
}

TEST_F(Apply, UnplugWhileAnApplysMessageIsOpenDisconnectsAndSendsNothingMore) {
    Connect(/*realMessageBoxes=*/true);
    device.SetFaults({.errors = {{"SBRTA", 3}}});
    bool disconnectedWhileOpen = false;
    WhileNextMessageBoxIsOpen([&] {
        Unplug();
        disconnectedWhileOpen = ConnectButton()->text() == msg::kCaptionConnect && !PanelsEnabled();
    });
    SetButton()->click();

    EXPECT_EQ(boxTexts, Strings{ExchangeFailed(3)});
    EXPECT_TRUE(disconnectedWhileOpen);
    EXPECT_EQ(Commands(), Strings{"SBRTA,9600,8,N,1,N"});
}

} // namespace
