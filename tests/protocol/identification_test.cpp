#include "protocol/identification.h"

#include <gtest/gtest.h>

namespace {

using Status = Identification::Status;

struct IdentificationCase {
    const char* name;
    std::string payload;
    Status status;
    std::string firmwareText;
    friend void PrintTo(const IdentificationCase& c, std::ostream* os) { *os << c.name; }
};

class CheckIdentificationTest : public testing::TestWithParam<IdentificationCase> {};

TEST_P(CheckIdentificationTest, ChecksModelAndFormsFirmwareText) {
    const IdentificationCase& c = GetParam();
    const Identification id = CheckIdentification(c.payload);
    EXPECT_EQ(id.status, c.status);
    EXPECT_EQ(id.firmwareText, c.firmwareText);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, CheckIdentificationTest,
    testing::Values(
        IdentificationCase{"Typical", "TQ-73,anything,250", Status::Supported, "Firmware Version 2.50"},
        IdentificationCase{"Hundredths", "TQ-73,x,123", Status::Supported, "Firmware Version 1.23"},
        IdentificationCase{"Small", "TQ-73,x,5", Status::Supported, "Firmware Version 0.05"},
        IdentificationCase{"Large", "TQ-73,x,1000", Status::Supported, "Firmware Version 10.00"},
        IdentificationCase{"ExtraFieldsIgnored", "TQ-73,x,101,more,fields", Status::Supported, "Firmware Version 1.01"},
        IdentificationCase{"EmptyVersionIsZero", "TQ-73,x,", Status::Supported, "Firmware Version 0.00"},
        IdentificationCase{"LeadingBlankAndTail", "TQ-73,x, 250beta", Status::Supported, "Firmware Version 2.50"},
        IdentificationCase{"HugeIsClamped", "TQ-73,x,99999999999", Status::Supported, "Firmware Version 21474836.47"},
        IdentificationCase{"NegativeSignOnce", "TQ-73,x,-123", Status::Supported, "Firmware Version -1.23"},
        IdentificationCase{"MostNegative", "TQ-73,x,-99999999999", Status::Supported, "Firmware Version -21474836.48"},
        IdentificationCase{"LowerCase", "tq-73,x,250", Status::OtherModel, ""},
        IdentificationCase{"TrailingBlank", "TQ-73 ,x,250", Status::OtherModel, ""},
        IdentificationCase{"OtherModel", "TQ-74,x,250", Status::OtherModel, ""},
        IdentificationCase{"EmptyPayload", "", Status::OtherModel, ""},
        IdentificationCase{"WrongModelAndShort", "XX", Status::OtherModel, ""},
        IdentificationCase{"ModelOnly", "TQ-73", Status::TooFewFields, ""},
        IdentificationCase{"TwoFields", "TQ-73,x", Status::TooFewFields, ""}),
    [](const testing::TestParamInfo<IdentificationCase>& info) { return info.param.name; });

} // namespace
