#include "protocol/code_page.h"

#include <gtest/gtest.h>

namespace {

constexpr auto npos = std::string_view::npos;

struct FindCase {
    const char* name;
    std::string_view text;
    std::string_view needle;
    CodePage codePage;
    std::size_t found;
    friend void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }
};

class FindInCodePageTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindInCodePageTest, MatchesOnlyAtCharacterStarts) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindInCodePage(c.text, c.needle, c.codePage), c.found);
}

// In "\x83USB" the 'U' is the second byte of a Shift-JIS character, so the first real match is later.
INSTANTIATE_TEST_SUITE_P(Texts, FindInCodePageTest,
                         testing::Values(FindCase{"Plain", "USB Serial", "USB", CodePage::Utf8, 0},
                                         FindCase{"Absent", "usb serial", "USB", CodePage::Utf8, npos},
                                         FindCase{"Utf8IgnoresLeadBytes", "\x83USB", "USB", CodePage::Utf8, 1},
                                         FindCase{"Cp932SkipsSecondByte", "\x83USB", "USB", CodePage::Cp932, npos},
                                         FindCase{"Cp932LaterMatch", "\x83USB USB", "USB", CodePage::Cp932, 5},
                                         FindCase{"Cp932NeedlePastEnd", "ab(CO", "(COM", CodePage::Cp932, npos},
                                         FindCase{"Cp932LeadByteAtEnd", "ab\x81", ")", CodePage::Cp932, npos}),
                         [](const testing::TestParamInfo<FindCase>& info) { return info.param.name; });

TEST(FindInCodePage, StartsAtTheGivenPosition) {
    EXPECT_EQ(FindInCodePage("a,b,c", ",", CodePage::Cp932, 2), 3u);
    EXPECT_EQ(FindInCodePage("a,b,c", ",", CodePage::Utf8, 4), npos);
}

} // namespace
