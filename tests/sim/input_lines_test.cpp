#include "sim/input_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using tq73sim::InputLines;

TEST(InputLinesTest, LinesComeWhenTheirLfDoesAcrossReads) {
    InputLines input;
    EXPECT_THAT(input.Push("unp"), IsEmpty());
    EXPECT_THAT(input.Push("lug\nsilent on\n\npl"), ElementsAre("unplug", "silent on", ""));
    EXPECT_THAT(input.Push("ug\n"), ElementsAre("plug"));
    EXPECT_EQ(input.Finish(), "");
}

TEST(InputLinesTest, AnUnendedLastLineIsGivenAtTheEnd) {
    InputLines input;
    EXPECT_THAT(input.Push("help\nquit"), ElementsAre("help"));
    EXPECT_EQ(input.Finish(), "quit");
    EXPECT_EQ(input.Finish(), "");
}

TEST(InputLinesTest, AnOverlongLineKeepsItsStartOnly) {
    InputLines input;
    const std::string start(InputLines::kMaxLength - 1, 'x');
    EXPECT_THAT(input.Push(start), IsEmpty());
    EXPECT_THAT(input.Push("yz"), IsEmpty());
    for (int i = 0; i < 1000; ++i) {
        EXPECT_THAT(input.Push(std::string(4096, 'z')), IsEmpty());
    }
    EXPECT_THAT(input.Push("z\nquit\n"), ElementsAre(start + "y", "quit"));
}

} // namespace
