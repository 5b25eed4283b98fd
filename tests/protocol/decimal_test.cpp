#include "protocol/decimal.h"

#include <gtest/gtest.h>

namespace {

struct DecimalCase {
    std::string_view text;
    std::int32_t value;
    friend void PrintTo(const DecimalCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ParseDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTest, ReadsLikeAtoiButClamps) {
    EXPECT_EQ(ParseDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalTest,
                         testing::Values(DecimalCase{"123", 123}, DecimalCase{"", 0}, DecimalCase{"abc", 0},
                                         DecimalCase{" \t\n42", 42}, DecimalCase{"+7", 7}, DecimalCase{"-5", -5},
                                         DecimalCase{"12ab", 12}, DecimalCase{"- 5", 0}, DecimalCase{"0009", 9},
                                         DecimalCase{"2147483647", 2147483647}, DecimalCase{"2147483648", 2147483647},
                                         DecimalCase{"99999999999999999999999", 2147483647},
                                         DecimalCase{"-2147483648", -2147483647 - 1},
                                         DecimalCase{"-99999999999999999999", -2147483647 - 1}));

} // namespace
