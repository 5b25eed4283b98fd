#include "protocol/port_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseLineSettings, TakesFieldsOneToSixAsTheyCome) {
    const auto s = ParseLineSettings("A,38400,7,E,2,H,0.16");
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->rate, "38400");
    EXPECT_EQ(s->dataBits, "7");
    EXPECT_EQ(s->parity, "E");
    EXPECT_EQ(s->stopBits, "2");
    EXPECT_EQ(s->flow, "H");
    EXPECT_EQ(s->rateError, "0.16");
}

TEST(ParseLineSettings, KeepsUnknownCodesAndIgnoresExtraFields) {
    const auto s = ParseLineSettings("B, 9600 ,x,X,,n,<b>1</b>,extra");
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->rate, " 9600 ");
    EXPECT_EQ(s->parity, "X");
    EXPECT_EQ(s->stopBits, "");
    EXPECT_EQ(s->rateError, "<b>1</b>");
}

TEST(ParseReplies, FailWithFewerFieldsThanTheReplyCarries) {
    for (const char* payload : {"", "A", "A,9600,8,N,1,N"}) {
        EXPECT_FALSE(ParseLineSettings(payload).has_value()) << payload;
    }
    for (const char* payload : {"", "A", "A,11"}) {
        EXPECT_FALSE(ParseFlowCharacters(payload).has_value()) << payload;
    }
}

TEST(ParseFlowCharacters, TakesFieldsOneAndTwoWhole) {
    const auto c = ParseFlowCharacters("A,11,FFFFFFFF,ignored");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->xon, "11");
    EXPECT_EQ(c->xoff, "FFFFFFFF");
}

TEST(CodeIndex, MatchesExactlyAndCaseSensitively) {
    EXPECT_EQ(CodeIndex(kParityCodes, "N"), 0);
    EXPECT_EQ(CodeIndex(kParityCodes, "O"), 1);
    EXPECT_EQ(CodeIndex(kParityCodes, "E"), 2);
    EXPECT_EQ(CodeIndex(kParityCodes, "e"), -1);
    EXPECT_EQ(CodeIndex(kParityCodes, "X"), -1);
    EXPECT_EQ(CodeIndex(kParityCodes, "N "), -1);
    EXPECT_EQ(CodeIndex(kParityCodes, ""), -1);
    EXPECT_EQ(CodeIndex(kFlowCodes, "S"), 2);
    EXPECT_EQ(CodeIndex(kDataBitsCodes, "7"), 1);
    EXPECT_EQ(CodeIndex(kStopBitsCodes, "2"), 1);
}

TEST(RateInfoText, ShowsTheFigureAfterTheUnit) {
    EXPECT_EQ(RateInfoText("0.16"), "bps (0.16 %)");
}

TEST(Queries, NameThePortByLetter) {
    EXPECT_EQ(LineSettingsQuery(0), "GBRTA");
    EXPECT_EQ(LineSettingsQuery(1), "GBRTB");
    EXPECT_EQ(FlowCharactersQuery(0), "GXCHA");
    EXPECT_EQ(FlowCharactersQuery(1), "GXCHB");
}

} // namespace
