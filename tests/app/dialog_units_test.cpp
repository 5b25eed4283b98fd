#include "app/dialog_units.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

enum class Axis { X, Y };

struct ConversionCase {
    Axis axis;
    int base;
    int dialogUnits;
    int pixels;
    friend void PrintTo(const ConversionCase& c, std::ostream* os) {
        *os << (c.axis == Axis::X ? "x " : "y ") << c.dialogUnits << " dlu, base " << c.base;
    }
};

class DialogUnitsConversion : public ::testing::TestWithParam<ConversionCase> {};

// x px = dlu * base x / 4 and y px = dlu * base y / 8, rounded to nearest with halves away from zero.
TEST_P(DialogUnitsConversion, RoundsLikeMulDiv) {
    const ConversionCase& c = GetParam();
    if (c.axis == Axis::X) {
        EXPECT_EQ(DialogUnits(c.base, 13).ToPixelsX(c.dialogUnits), c.pixels);
    } else {
        EXPECT_EQ(DialogUnits(7, c.base).ToPixelsY(c.dialogUnits), c.pixels);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogUnitsConversion,
                         ::testing::Values(ConversionCase{Axis::X, 7, 0, 0},      // nothing
                                           ConversionCase{Axis::X, 7, 4, 7},      // exact
                                           ConversionCase{Axis::X, 7, 239, 418},  // 418.25
                                           ConversionCase{Axis::X, 7, 42, 74},    // 73.5
                                           ConversionCase{Axis::X, 7, 1, 2},      // 1.75
                                           ConversionCase{Axis::X, 7, -2, -4},    // -3.5
                                           ConversionCase{Axis::X, 6, 239, 359},  // 358.5
                                           ConversionCase{Axis::Y, 13, 8, 13},    // exact
                                           ConversionCase{Axis::Y, 13, 358, 582}, // 581.75
                                           ConversionCase{Axis::Y, 13, 92, 150},  // 149.5
                                           ConversionCase{Axis::Y, 13, 170, 276}, // 276.25
                                           ConversionCase{Axis::Y, 12, 358, 537}));

TEST(DialogUnitsRect, ConvertsLeftAndRightAsXTopAndBottomAsY) {
    EXPECT_EQ(DialogUnits(7, 13).ToPixels(QRect(10, 12, 62, 8)), QRect(18, 20, 108, 13));
}

// Converted one by one, 110 + 30 and 140 would round to 193 + 53 and 245: one pixel of overlap.
TEST(DialogUnitsRect, NeighboursStayNeighbours) {
    const DialogUnits units(7, 13);
    const QRect left = units.ToPixels(QRect(110, 125, 30, 10));
    const QRect right = units.ToPixels(QRect(140, 125, 30, 10));
    EXPECT_FALSE(left.intersects(right));
    EXPECT_EQ(left.right() + 1, right.left());
}

struct BaseXCase {
    int alphabetWidth;
    int baseX;
    friend void PrintTo(const BaseXCase& c, std::ostream* os) { *os << c.alphabetWidth << " px"; }
};

class DialogUnitsBaseX : public ::testing::TestWithParam<BaseXCase> {};

// Half the average letter width, where the average is truncated and the halving rounds up.
TEST_P(DialogUnitsBaseX, FollowsWindowsRounding) {
    EXPECT_EQ(DialogUnits::BaseXFromAlphabetWidth(GetParam().alphabetWidth), GetParam().baseX);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogUnitsBaseX,
                         ::testing::Values(BaseXCase{369, 7}, BaseXCase{364, 7}, BaseXCase{363, 7}, BaseXCase{337, 6},
                                           BaseXCase{389, 7}, BaseXCase{390, 8}, BaseXCase{0, 0}));

} // namespace
