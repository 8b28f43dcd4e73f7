#include "app/ControlRules.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

using namespace pav::app;

TEST(Rounding, HalvesGoToEven) {
    const std::vector<std::pair<double, double>> cases = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {124.5, 124}, {9.5, 10}, {8.5, 8}, {7.0, 7},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(Conversion, SixteenBitOverflowIsAnError) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // rounds to the even -32768
    EXPECT_EQ(toInt16(2184 * 15), 32760);
    for (double bad : {32767.5, 32768.0, 2185.0 * 15, -32769.0, std::nan("")}) {
        try {
            toInt16(bad);
            ADD_FAILURE() << bad << " converted";
        } catch (const StatementError& e) {
            EXPECT_EQ(e.fault(), StatementFault::Overflow) << bad;
        }
    }
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483647.5), StatementError);
}

TEST(Conversion, FifteenTwipsToThePixel) {
    EXPECT_EQ(pixelsToTwips(117), 1755);
    EXPECT_EQ(twipsToPixels(9000), 600);
    EXPECT_EQ(twipsToPixels(6930), 462);
}

struct BarFixture : ::testing::Test {
    ScrollBar bar{16, 230, 10, 1, 132};
    std::vector<int> seen;  // the value at every run of the change handler
    void SetUp() override {
        bar.onChange([this] { seen.push_back(bar.Value()); });
    }
};

TEST_F(BarFixture, HandlerRunsOnlyWhenTheValueReallyChanges) {
    bar.setValue(132);
    bar.setValue(117);
    bar.setValue(117.4);  // rounds to the same value
    bar.scrollTo(120);    // a drag of the thumb does what a change does
    bar.scrollTo(120);
    EXPECT_EQ(seen, (std::vector<int>{117, 120}));
}

TEST_F(BarFixture, ValueOutsideTheRangeIsAnErrorAndChangesNothing) {
    for (double bad : {15.0, 231.0, 40000.0}) EXPECT_THROW(bar.setValue(bad), StatementError) << bad;
    EXPECT_EQ(bar.Value(), 132);
    EXPECT_TRUE(seen.empty());
    bar.setValue(230.5);  // rounds to 230, the Max
    EXPECT_EQ(seen, (std::vector<int>{230}));
}

TEST_F(BarFixture, UserScrollingStaysInsideTheRange) {
    bar.scrollTo(1000);
    bar.stepBy(+1, true);  // already at Max
    bar.stepBy(-1, true);
    bar.stepBy(-1, false);
    bar.scrollTo(-5);
    EXPECT_EQ(seen, (std::vector<int>{230, 220, 219, 16}));
}

TEST_F(BarFixture, NewLimitsPullTheValueIntoRangeAsAChange) {
    bar.setMax(100);
    EXPECT_EQ(bar.Value(), 100);
    bar.setMin(16);  // value already inside
    bar.setMin(150);  // Min above Max: the range is 100..150 and the bar runs backwards
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_NO_THROW(bar.setValue(140));
    EXPECT_EQ(seen, (std::vector<int>{100, 140}));
    EXPECT_THROW(bar.setMax(40000), StatementError);
    EXPECT_EQ(bar.Max(), 100);
}

TEST_F(BarFixture, StepSizesMustBePositive) {
    EXPECT_THROW(bar.setLargeChange(0), StatementError);
    EXPECT_THROW(bar.setSmallChange(-1), StatementError);
    bar.setLargeChange(594.5);  // half to even
    EXPECT_EQ(bar.LargeChange(), 594);
    EXPECT_THROW(bar.setLargeChange(32768), StatementError);
}

TEST(Attempt, SkipsOnlyTheFailingStatement) {
    ScrollBar bar{16, 250, 10, 1, 132};
    int reached = 0;
    EXPECT_FALSE(attempt([&] { bar.setValue(400); }));
    EXPECT_TRUE(attempt([&] { ++reached; }));
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(bar.Value(), 132);
}
