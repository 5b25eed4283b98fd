#include "protocol/fields.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    std::string payload;
    CodePage codePage;
    FieldList fields;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class SplitFieldsTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldsTest, CutsAtCommasOnCharacterBoundaries) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitFields(c.payload, c.codePage), c.fields);
}

// 0x82 0xA0 is a Shift-JIS character; 0x81 0x2C is a lead byte whose second byte happens to be a comma.
INSTANTIATE_TEST_SUITE_P(
    Payloads, SplitFieldsTest,
    testing::Values(SplitCase{"Empty", "", CodePage::Utf8, {""}},
                    SplitCase{"EmptyMiddle", "a,,b", CodePage::Utf8, {"a", "", "b"}},
                    SplitCase{"TrailingComma", "a,b,", CodePage::Utf8, {"a", "b", ""}},
                    SplitCase{"LeadingComma", ",x", CodePage::Utf8, {"", "x"}},
                    SplitCase{"OnlyCommas", ",,", CodePage::Utf8, {"", "", ""}},
                    SplitCase{"NoComma", "TQ-73", CodePage::Utf8, {"TQ-73"}},
                    SplitCase{
                        "Reply", "A,9600,8,N,1,N,0.16", CodePage::Utf8, {"A", "9600", "8", "N", "1", "N", "0.16"}},
                    SplitCase{"Utf8Japanese", "ポート,B", CodePage::Utf8, {"ポート", "B"}},
                    SplitCase{"Cp932CommaAfterLeadByteStays", "a\x81,b,c", CodePage::Cp932, {"a\x81,b", "c"}},
                    SplitCase{"Utf8CommaAfterCp932LeadByteSplits", "a\x81,b", CodePage::Utf8, {"a\x81", "b"}},
                    SplitCase{"Cp932HighLeadByte", "\xE0,x,y", CodePage::Cp932, {"\xE0,x", "y"}},
                    SplitCase{"Cp932DoubleByteThenComma", "\x82\xA0,z", CodePage::Cp932, {"\x82\xA0", "z"}},
                    SplitCase{"Cp932HalfWidthKatakanaIsSingleByte", "\xB1,z", CodePage::Cp932, {"\xB1", "z"}},
                    SplitCase{"Cp932LeadByteAtEnd", "a,\x81", CodePage::Cp932, {"a", "\x81"}},
                    SplitCase{"Cp932LeadByteAlone", "\x9F", CodePage::Cp932, {"\x9F"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

} // namespace
