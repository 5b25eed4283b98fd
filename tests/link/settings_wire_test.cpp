#include "tests/link/simulated_device.h"

#include "protocol/apply_settings.h"
#include "protocol/messages.h"
#include "protocol/port_settings.h"

namespace {

struct ApplyCase {
    const char* name;
    PanelInput a;
    PanelInput b;
    tq73sim::PortSettings deviceA;
    tq73sim::PortSettings deviceB;
    friend void PrintTo(const ApplyCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsOverTheWire : public SimulatedDevice, public testing::WithParamInterface<ApplyCase> {};

// Reads a panel back the way the window's load does.
PanelInput ReadBack(std::string_view line, std::string_view characters) {
    const auto settings = ParseLineSettings(line);
    const auto chars = ParseFlowCharacters(characters);
    EXPECT_TRUE(settings && chars);
    if (!settings || !chars) {
        return {};
    }
    return PanelInput{settings->rate,
                      CodeIndex(kDataBitsCodes, settings->dataBits),
                      CodeIndex(kParityCodes, settings->parity),
                      CodeIndex(kStopBitsCodes, settings->stopBits),
                      CodeIndex(kFlowCodes, settings->flow),
                      chars->xon,
                      chars->xoff};
}

TEST_P(SettingsOverTheWire, EveryBuiltCommandIsAcceptedAndReadsBackTheSame) {
    const ApplyCase& c = GetParam();
    const ApplyPlan plan = PlanApply({c.a, c.b});
    ASSERT_FALSE(plan.Refused()) << plan.refusal;

    const std::string lineA = Payload(plan.commands.line[0]);
    const std::string lineB = Payload(plan.commands.line[1]);
    EXPECT_EQ(Payload(plan.commands.characters[0]), "");
    EXPECT_EQ(Payload(plan.commands.characters[1]), "");
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(device.settings(tq73sim::Port::A), c.deviceA);
    EXPECT_EQ(device.settings(tq73sim::Port::B), c.deviceB);

    // The reply to a line command carries the rate error in field 6, as the read command does.
    const std::string readA = Payload(LineSettingsQuery(0));
    ASSERT_TRUE(ParseLineSettings(lineA) && ParseLineSettings(lineB));
    EXPECT_EQ(ParseLineSettings(lineA)->rateError, ParseLineSettings(readA)->rateError);

    const PanelInput backA = ReadBack(readA, Payload(FlowCharactersQuery(0)));
    const PanelInput backB = ReadBack(Payload(LineSettingsQuery(1)), Payload(FlowCharactersQuery(1)));
    // What was read back plans exactly the same commands again.
    const ApplyPlan again = PlanApply({backA, backB});
    ASSERT_FALSE(again.Refused()) << again.refusal;
    EXPECT_EQ(again.commands.characters, plan.commands.characters);
    EXPECT_EQ(backA.dataBits, c.a.dataBits);
    EXPECT_EQ(backB.flow, c.b.flow);
}

INSTANTIATE_TEST_SUITE_P(
    Applies, SettingsOverTheWire,
    testing::Values(ApplyCase{"Defaults", {"9600", 0, 0, 0, 0, "11", "13"}, {"9600", 0, 0, 0, 0, "11", "13"}, {}, {}},
                    ApplyCase{"EveryCodeChanged",
                              {"38400", 1, 2, 1, 1, "a", "1f"},
                              {"115200", 0, 1, 0, 2, "00", "FF"},
                              {38400, '7', 'E', '2', 'H', 0x0A, 0x1F},
                              {115200, '8', 'O', '1', 'S', 0x00, 0xFF}},
                    ApplyCase{"Limits",
                              {"200", 1, 0, 1, 0, "", " 5 "},
                              {"1000000", 0, 0, 1, 0, "7f", "80"},
                              {200, '7', 'N', '2', 'N', 0x00, 0x05},
                              {1000000, '8', 'N', '2', 'N', 0x7F, 0x80}},
                    ApplyCase{"PaddedRates",
                              {" 9600 ", 0, 0, 0, 0, "11", "13"},
                              {"0019200", 0, 0, 0, 0, "11", "13"},
                              {},
                              {19200, '8', 'N', '1', 'N', 0x11, 0x13}}),
    [](const testing::TestParamInfo<ApplyCase>& info) { return info.param.name; });

TEST_F(SimulatedDevice, ALoadReadsBothPortsInOrder) {
    for (int panel = 0; panel < 2; ++panel) {
        const auto line = ParseLineSettings(Payload(LineSettingsQuery(panel)));
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(line->rate, "9600");
        EXPECT_EQ(CodeIndex(kParityCodes, line->parity), 0);
        EXPECT_EQ(line->rateError, "0.00");
        const auto chars = ParseFlowCharacters(Payload(FlowCharactersQuery(panel)));
        ASSERT_TRUE(chars.has_value());
        EXPECT_EQ(chars->xon, "11");
        EXPECT_EQ(chars->xoff, "13");
    }
    EXPECT_EQ(device.transcript().size(), 8u);
}

TEST_F(SimulatedDevice, ACommandWithAnUncheckedGroupIsRefusedByTheDeviceAndChangesNothing) {
    const ApplyPlan plan =
        PlanApply({PanelInput{"38400", 0, -1, 0, 0, "11", "13"}, PanelInput{"9600", 0, 0, 0, 0, "11", "13"}});
    ASSERT_FALSE(plan.Refused());
    ReplyBuffer reply{};
    EXPECT_EQ(link.SendCommand(reply, plan.commands.line[0]), kResultFail);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find("code: "), std::string::npos);
    EXPECT_EQ(device.settings(tq73sim::Port::A), tq73sim::PortSettings{});
}

} // namespace
