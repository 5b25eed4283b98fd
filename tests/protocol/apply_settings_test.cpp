#include "protocol/apply_settings.h"

#include "protocol/messages.h"

#include <gtest/gtest.h>

namespace {

const std::string kNotDigits = msg::kRateNotDigits;
const std::string kRange = "通信速度は 200 - 1000000 の範囲で設定してください。";
const std::string kNotHex = msg::kFlowCharNotHex;
const std::string kHexRange = msg::kFlowCharOutOfRange;
const std::string k7N1 = msg::kSevenNoneOneRefused;

// 9600 8N1, no flow control, XON 11, XOFF 13: the device's own start values.
PanelInput Good() {
    return PanelInput{"9600", 0, 0, 0, 0, "11", "13"};
}

ApplyPlan Plan(const PanelInput& a, const PanelInput& b = Good()) {
    return PlanApply({a, b});
}

struct RateCase {
    const char* name;
    std::string rateText;
    std::string refusal;
    friend void PrintTo(const RateCase& c, std::ostream* os) { *os << c.name; }
};

class RateCheck : public testing::TestWithParam<RateCase> {};

TEST_P(RateCheck, RefusesWithTheFirstFailingCheckOnEitherPanel) {
    const RateCase& c = GetParam();
    PanelInput input = Good();
    input.rateText = c.rateText;
    EXPECT_EQ(Plan(input).refusal, c.refusal);
    EXPECT_EQ(Plan(Good(), input).refusal, c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RateCheck,
    testing::Values(
        RateCase{"BelowMinimum", "199", kRange}, RateCase{"Minimum", "200", ""}, RateCase{"Maximum", "1000000", ""},
        RateCase{"AboveMaximum", "1000001", kRange}, RateCase{"Beyond32Bits", "99999999999", kRange},
        RateCase{"FarBeyond64Bits", "99999999999999999999999999", kRange}, RateCase{"LeadingZeros", "009600", ""},
        RateCase{"Blanks", " 9600 ", ""}, RateCase{"Empty", "", kRange}, RateCase{"OnlyBlanks", "   ", kRange},
        RateCase{"LetterInside", "96a00", kNotDigits}, RateCase{"LetterFirst", "x9600", kNotDigits},
        RateCase{"Sign", "+9600", kNotDigits}, RateCase{"InnerBlank", "96 00", kNotDigits},
        RateCase{"FullWidthDigits", "９６００", kNotDigits}, RateCase{"IdeographicBlank", "9600　", kNotDigits},
        RateCase{"TrailingTab", "9600\t", kNotDigits}, RateCase{"LeadingCr", "\r9600", kNotDigits},
        RateCase{"InnerLineFeed", "96\n00", kNotDigits}, RateCase{"LongestThatFits", "0000000000009600", ""},
        RateCase{"TooLongForTheLine", "00000000000009600", kRange},
        RateCase{"BlanksTooLongForTheLine", "         9600    ", kRange}),
    [](const testing::TestParamInfo<RateCase>& info) { return info.param.name; });

struct FlowCharCase {
    const char* name;
    std::string text;
    std::string refusal;
    std::string sent;
    friend void PrintTo(const FlowCharCase& c, std::ostream* os) { *os << c.name; }
};

class FlowCharCheck : public testing::TestWithParam<FlowCharCase> {};

TEST_P(FlowCharCheck, NormalisesToTwoUpperCaseDigitsOrRefuses) {
    const FlowCharCase& c = GetParam();
    PanelInput xon = Good();
    xon.xonText = c.text;
    PanelInput xoff = Good();
    xoff.xoffText = c.text;
    const ApplyPlan byXon = Plan(Good(), xon);
    const ApplyPlan byXoff = Plan(xoff);
    EXPECT_EQ(byXon.refusal, c.refusal);
    EXPECT_EQ(byXoff.refusal, c.refusal);
    if (c.refusal.empty()) {
        EXPECT_EQ(byXon.commands.characters[1], "SXCHB," + c.sent + ",13");
        EXPECT_EQ(byXoff.commands.characters[0], "SXCHA,11," + c.sent);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FlowCharCheck,
    testing::Values(FlowCharCase{"Typical", "11", "", "11"}, FlowCharCase{"LowerSingle", "a", "", "0A"},
                    FlowCharCase{"Five", "5", "", "05"}, FlowCharCase{"Empty", "", "", "00"},
                    FlowCharCase{"Blanks", " f ", "", "0F"}, FlowCharCase{"Max", "ff", "", "FF"},
                    FlowCharCase{"LeadingZeros", "000A", "", "0A"}, FlowCharCase{"BadFirst", "g1", kNotHex, ""},
                    FlowCharCase{"BadLast", "1g", kNotHex, ""}, FlowCharCase{"Prefix", "0x11", kNotHex, ""},
                    FlowCharCase{"Over", "100", kHexRange, ""},
                    FlowCharCase{"ThirtyTwoBits", "FFFFFFFF", kHexRange, ""},
                    FlowCharCase{"Beyond32Bits", "100000000", kHexRange, ""},
                    FlowCharCase{"ManyDigits", "FFFFFFFFFFFFFFFFFFFFFFFFFFFF", kHexRange, ""}),
    [](const testing::TestParamInfo<FlowCharCase>& info) { return info.param.name; });

TEST(PlanApply, BuildsTheFourCommandsOfATypicalApply) {
    const PanelInput a{"38400", 1, 2, 1, 1, "11", "13"};
    const PanelInput b{"115200", 0, 0, 0, 2, "a", "1f"};
    const ApplyPlan plan = Plan(a, b);
    ASSERT_FALSE(plan.Refused()) << plan.refusal;
    EXPECT_EQ(plan.commands.line[0], "SBRTA,38400,7,E,2,H");
    EXPECT_EQ(plan.commands.line[1], "SBRTB,115200,8,N,1,S");
    EXPECT_EQ(plan.commands.characters[0], "SXCHA,11,13");
    EXPECT_EQ(plan.commands.characters[1], "SXCHB,0A,1F");
}

TEST(PlanApply, SendsTheRateTextAsTheFieldHoldsIt) {
    EXPECT_EQ(Plan({"009600", 0, 0, 0, 0, "11", "13"}).commands.line[0], "SBRTA,009600,8,N,1,N");
    EXPECT_EQ(Plan({" 9600 ", 0, 0, 0, 0, "11", "13"}).commands.line[0], "SBRTA, 9600 ,8,N,1,N");
}

TEST(PlanApply, AGroupWithoutACheckedButtonAddsNothing) {
    EXPECT_EQ(Plan({"9600", -1, 0, 0, 0, "11", "13"}).commands.line[0], "SBRTA,9600,N,1,N");
    EXPECT_EQ(Plan({"9600", 0, 1, -1, 2, "11", "13"}).commands.line[0], "SBRTA,9600,8,O,S");
    EXPECT_EQ(Plan({"9600", 0, 0, 0, -1, "11", "13"}).commands.line[0], "SBRTA,9600,8,N,1,");
    EXPECT_EQ(Plan({"9600", -1, -1, -1, -1, "11", "13"}).commands.line[0], "SBRTA,9600,");
}

TEST(PlanApply, RefusesSevenBitsNoParityOneStopBitOnEitherPort) {
    const PanelInput sevenN1{"9600", 1, 0, 0, 0, "11", "13"};
    EXPECT_EQ(Plan(sevenN1).refusal, k7N1);
    EXPECT_EQ(Plan(Good(), sevenN1).refusal, k7N1);

    const PanelInput sevenN2{"9600", 1, 0, 1, 0, "11", "13"};
    const ApplyPlan plan = Plan(sevenN2);
    EXPECT_FALSE(plan.Refused());
    EXPECT_EQ(plan.commands.line[0], "SBRTA,9600,7,N,2,N");
}

TEST(PlanApply, FieldChecksOfBothPanelsComeBeforeTheSevenBitCheck) {
    const PanelInput sevenN1{"9600", 1, 0, 0, 0, "11", "13"};
    PanelInput slowB = Good();
    slowB.rateText = "100";
    EXPECT_EQ(Plan(sevenN1, slowB).refusal, kRange);
}

TEST(PlanApply, ChecksRateThenXonThenXoffWithinAPanelAndPanelABeforeB) {
    EXPECT_EQ(Plan({"x", 0, 0, 0, 0, "zz", "zz"}).refusal, kNotDigits);
    EXPECT_EQ(Plan({"9600", 0, 0, 0, 0, "100", "zz"}).refusal, kHexRange);
    EXPECT_EQ(Plan({"9600", 0, 0, 0, 0, "11", "zz"}).refusal, kNotHex);
    EXPECT_EQ(Plan({"9600", 0, 0, 0, 0, "11", "100"}, {"x", 0, 0, 0, 0, "11", "13"}).refusal, kHexRange);
}

TEST(PlanApply, ARefusalBuildsNoCommands) {
    PanelInput badB = Good();
    badB.rateText = "1000001";
    const ApplyPlan plan = Plan(Good(), badB);
    EXPECT_TRUE(plan.Refused());
    EXPECT_TRUE(plan.commands.line[0].empty());
    EXPECT_TRUE(plan.commands.characters[0].empty());
}

TEST(PlanApply, NoBuiltCommandExceedsTheLine) {
    const ApplyPlan plan = Plan({"0000000000009600", 0, 0, 0, 0, "11", "13"});
    ASSERT_FALSE(plan.Refused());
    EXPECT_EQ(plan.commands.line[0].size(), kMaxCommandLength);
}

} // namespace
