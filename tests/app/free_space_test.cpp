#include "app/free_space.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

struct WidenCase {
    const char* name;
    QRect control;
    int neededWidth;
    std::vector<QRect> others;
    int areaWidth;
    QRect expected;
    friend void PrintTo(const WidenCase& c, std::ostream* os) { *os << c.name; }
};

class WidenIntoFreeSpaceTest : public ::testing::TestWithParam<WidenCase> {};

TEST_P(WidenIntoFreeSpaceTest, GivesRoomWithoutCoveringOthers) {
    const WidenCase& c = GetParam();
    const QRect widened = WidenIntoFreeSpace(c.control, c.neededWidth, c.others, c.areaWidth);
    EXPECT_EQ(widened, c.expected);
    for (const QRect& other : c.others) {
        if (!other.intersects(c.control)) {
            EXPECT_FALSE(widened.intersects(other)) << "covers " << other.x() << "," << other.y();
        }
    }
}

// A label at x 50 on the row y 100..112 (height 13), with a field at x 140 on the same row.
const QRect kLabel(50, 100, 60, 13);
const QRect kFieldRight(140, 98, 40, 20);

INSTANTIATE_TEST_SUITE_P(
    Cases, WidenIntoFreeSpaceTest,
    ::testing::Values(
        WidenCase{"fits", kLabel, 60, {kFieldRight}, 400, kLabel},
        WidenCase{"narrower than its layout keeps the layout", kLabel, 20, {kFieldRight}, 400, kLabel},
        WidenCase{"extends right into free space", kLabel, 70, {kFieldRight}, 400, QRect(50, 100, 70, 13)},
        WidenCase{"reaches up to the next control", kLabel, 90, {kFieldRight}, 400, QRect(50, 100, 90, 13)},
        WidenCase{"moves left when the right is too short", kLabel, 95, {kFieldRight}, 400, QRect(45, 100, 95, 13)},
        WidenCase{"stops at a control on the left",
                  kLabel,
                  120,
                  {kFieldRight, QRect(0, 105, 40, 20)},
                  400,
                  QRect(40, 100, 100, 13)},
        WidenCase{"stops at the area's right edge", kLabel, 90, {}, 130, QRect(40, 100, 90, 13)},
        WidenCase{"ignores controls above and below",
                  kLabel,
                  200,
                  {QRect(60, 80, 300, 20), QRect(60, 113, 300, 20)},
                  400,
                  QRect(50, 100, 200, 13)},
        WidenCase{"a control sharing one pixel row blocks",
                  kLabel,
                  100,
                  {QRect(120, 112, 30, 10)},
                  400,
                  QRect(20, 100, 100, 13)}),
    [](const ::testing::TestParamInfo<WidenCase>& info) { return std::to_string(info.index); });

} // namespace
