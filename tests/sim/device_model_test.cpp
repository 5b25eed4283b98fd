#include "sim/device_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using tq73sim::DeviceModel;

struct ModelCase {
    const char* name;
    // Commands run first, whose replies are not checked.
    std::vector<std::string> before;
    std::string command;
    std::string reply;
    friend void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }
};

class DeviceModelTest : public testing::TestWithParam<ModelCase> {};

TEST_P(DeviceModelTest, AnswersCommand) {
    const ModelCase& c = GetParam();
    DeviceModel model;
    for (const std::string& command : c.before) {
        model.Execute(command);
    }
    EXPECT_EQ(model.Execute(c.command), c.reply);
}

INSTANTIATE_TEST_SUITE_P(Identification, DeviceModelTest,
                         testing::Values(ModelCase{"Ginf", {}, "GINF", "OKTQ-73,TQ73-0001,123"},
                                         ModelCase{"GinfWithField", {}, "GINF,1", "02"},
                                         ModelCase{"GinfTrailingComma", {}, "GINF,", "02"},
                                         ModelCase{"LowerCase", {}, "ginf", "01"},
                                         ModelCase{"TrailingBlank", {}, "GINF ", "01"},
                                         ModelCase{"Empty", {}, "", "01"}, ModelCase{"Unknown", {}, "XYZ", "01"}),
                         [](const testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Reading, DeviceModelTest,
    testing::Values(ModelCase{"GbrtaStart", {}, "GBRTA", "OKA,9600,8,N,1,N,0.00"},
                    ModelCase{"GbrtbStart", {}, "GBRTB", "OKB,9600,8,N,1,N,0.00"},
                    ModelCase{"GxchaStart", {}, "GXCHA", "OKA,11,13"},
                    ModelCase{"GxchbStart", {}, "GXCHB", "OKB,11,13"}, ModelCase{"GbrtWithField", {}, "GBRTA,1", "02"},
                    ModelCase{"GxchWithField", {}, "GXCHB,", "02"}, ModelCase{"PortC", {}, "GBRTC", "01"},
                    ModelCase{"LowerPortLetter", {}, "GBRTa", "01"}, ModelCase{"NoPortLetter", {}, "GBRT", "01"},
                    ModelCase{"TwoPortLetters", {}, "GXCHAB", "01"}, ModelCase{"LowerCaseCommand", {}, "gbrta", "01"}),
    [](const testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    LineSettings, DeviceModelTest,
    testing::Values(
        ModelCase{"Sbrt", {}, "SBRTA,38400,7,E,2,H", "OKA,38400,7,E,2,H,0.00"},
        ModelCase{"SbrtOtherCodes", {}, "SBRTB,200,8,O,1,S", "OKB,200,8,O,1,S,0.00"},
        ModelCase{"SbrtRateError", {}, "SBRTA,1000000,8,N,1,N", "OKA,1000000,8,N,1,N,-7.84"},
        ModelCase{"SbrtSevenNoneTwo", {}, "SBRTA,9600,7,N,2,N", "OKA,9600,7,N,2,N,0.00"},
        ModelCase{"SbrtLeadingZeros", {}, "SBRTA,009600,8,N,1,N", "OKA,9600,8,N,1,N,0.00"},
        ModelCase{"SbrtBlanksAroundRate", {}, "SBRTA, 9600 ,8,N,1,N", "OKA,9600,8,N,1,N,0.00"},
        ModelCase{"ReadBack", {"SBRTA,38400,7,E,2,H"}, "GBRTA", "OKA,38400,7,E,2,H,0.00"},
        ModelCase{"OtherPortKept", {"SBRTA,38400,7,E,2,H"}, "GBRTB", "OKB,9600,8,N,1,N,0.00"},
        ModelCase{"TooFewFields", {}, "SBRTA,9600,8,N,1", "02"},
        ModelCase{"TooManyFields", {}, "SBRTA,9600,8,N,1,N,0", "02"}, ModelCase{"NoValues", {}, "SBRTA", "02"},
        ModelCase{"RateBelow", {}, "SBRTA,199,8,N,1,N", "03"},
        ModelCase{"RateAbove", {}, "SBRTA,1000001,8,N,1,N", "03"},
        ModelCase{"RateOverflows", {}, "SBRTA,99999999999,8,N,1,N", "03"},
        ModelCase{"RateEmpty", {}, "SBRTA,,8,N,1,N", "03"}, ModelCase{"RateBlank", {}, "SBRTA, ,8,N,1,N", "03"},
        ModelCase{"RateNotDigits", {}, "SBRTA,96a00,8,N,1,N", "03"},
        ModelCase{"RateSigned", {}, "SBRTA,+9600,8,N,1,N", "03"}, ModelCase{"DataBits", {}, "SBRTA,9600,9,N,1,N", "04"},
        ModelCase{"DataBitsTwoChars", {}, "SBRTA,9600,88,N,1,N", "04"},
        ModelCase{"Parity", {}, "SBRTA,9600,8,X,1,N", "05"},
        ModelCase{"ParityLowerCase", {}, "SBRTA,9600,8,e,1,N", "05"},
        ModelCase{"StopBits", {}, "SBRTA,9600,8,N,0,N", "06"}, ModelCase{"Flow", {}, "SBRTA,9600,8,N,1,R", "07"},
        ModelCase{"FlowEmpty", {}, "SBRTA,9600,8,N,1,", "07"},
        ModelCase{"SevenNoneOne", {}, "SBRTB,9600,7,N,1,N", "09"},
        ModelCase{"FirstErrorInFieldOrder", {}, "SBRTA,199,7,N,1,N", "03"},
        ModelCase{"RefusedChangesNothing", {"SBRTA,9600,7,N,1,H"}, "GBRTA", "OKA,9600,8,N,1,N,0.00"},
        ModelCase{"RefusedRateChangesNothing", {"SBRTA,199,7,E,1,H"}, "GBRTA", "OKA,9600,8,N,1,N,0.00"}),
    [](const testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    FlowCharacters, DeviceModelTest,
    testing::Values(ModelCase{"Sxch", {}, "SXCHA,0A,FF", "OK"},
                    ModelCase{"ReadBack", {"SXCHB,05,0A"}, "GXCHB", "OKB,05,0A"},
                    ModelCase{"OtherPortKept", {"SXCHB,05,0A"}, "GXCHA", "OKA,11,13"},
                    ModelCase{"Zero", {"SXCHA,00,00"}, "GXCHA", "OKA,00,00"},
                    ModelCase{"LowerCaseHex", {}, "SXCHA,0a,FF", "08"}, ModelCase{"OneDigit", {}, "SXCHA,A,FF", "08"},
                    ModelCase{"ThreeDigits", {}, "SXCHA,100,FF", "08"}, ModelCase{"NotHex", {}, "SXCHA,11,G1", "08"},
                    ModelCase{"Empty", {}, "SXCHA,,13", "08"}, ModelCase{"TooFewFields", {}, "SXCHA,11", "02"},
                    ModelCase{"TooManyFields", {}, "SXCHA,11,13,15", "02"},
                    ModelCase{"RefusedChangesNothing", {"SXCHA,05,ZZ"}, "GXCHA", "OKA,11,13"}),
    [](const testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

TEST(DeviceModelIdentityTest, GinfReportsTheIdentityGiven) {
    DeviceModel model({.model = "TQ-74", .hardwareId = "HW-9", .firmwareVersion = 5});
    EXPECT_EQ(model.Execute("GINF"), "OKTQ-74,HW-9,5");
    model.SetIdentity({.model = "", .hardwareId = "X", .firmwareVersion = 1000});
    EXPECT_EQ(model.Execute("GINF"), "OK,X,1000");
}

TEST(DeviceModelSettingsTest, SettingsShowWhatSbrtAndSxchSet) {
    DeviceModel model;
    model.Execute("SBRTB,57600,7,O,2,S");
    model.Execute("SXCHB,05,FE");
    const tq73sim::PortSettings expected{
        .rate = 57600, .dataBits = '7', .parity = 'O', .stopBits = '2', .flow = 'S', .xon = 0x05, .xoff = 0xFE};
    EXPECT_EQ(model.settings(tq73sim::Port::B), expected);
    EXPECT_EQ(model.settings(tq73sim::Port::A), tq73sim::PortSettings{});
}

} // namespace
