#include "sim/escaped.h"
#include "sim/wire_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct EscapeCase {
    const char* name;
    std::string bytes;
    std::string text;
    friend void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }
};

class EscapedTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapedTest, ShowsEveryByteOnOneLine) {
    EXPECT_EQ(tq73sim::Escaped(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, EscapedTest,
    testing::Values(EscapeCase{"Printable", "OKA,9600 ~", "OKA,9600 ~"}, EscapeCase{"CrLf", "OK\r\n", "OK\\r\\n"},
                    EscapeCase{"Backslash", "a\\r", "a\\\\r"},
                    EscapeCase{"ControlAndHigh", std::string("\0\x1F\x7F\xFF", 4), "\\x00\\x1F\\x7F\\xFF"},
                    EscapeCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

TEST(WireLineTest, PrintsAsALogLine) {
    std::ostringstream os;
    os << tq73sim::Received("GINF") << '|' << tq73sim::Sent("OK\r");
    EXPECT_EQ(os.str(), "> GINF|< OK\\r");
}

} // namespace
