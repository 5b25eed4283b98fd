#include "sim/rate_error.h"

#include <gtest/gtest.h>

namespace {

struct RateCase {
    int rate;
    std::string text;
    friend void PrintTo(const RateCase& c, std::ostream* os) { *os << c.rate; }
};

class RateErrorTest : public testing::TestWithParam<RateCase> {};

TEST_P(RateErrorTest, FollowsTheUartClock) {
    EXPECT_EQ(tq73sim::RateErrorText(GetParam().rate), GetParam().text);
}

// 203 is 0.002 % slow: a negative error that rounds to nothing must not show as "-0.00". At 368640 the divisor
// 2.5 rounds up to 3.
INSTANTIATE_TEST_SUITE_P(Rates, RateErrorTest,
                         testing::Values(RateCase{9600, "0.00"}, RateCase{200, "0.00"}, RateCase{115200, "0.00"},
                                         RateCase{921600, "0.00"}, RateCase{1000, "-0.04"}, RateCase{1500, "0.07"},
                                         RateCase{5000, "0.17"}, RateCase{31250, "1.69"}, RateCase{203, "0.00"},
                                         RateCase{368640, "-16.67"}, RateCase{1000000, "-7.84"}),
                         [](const testing::TestParamInfo<RateCase>& info) { return std::to_string(info.param.rate); });

} // namespace
