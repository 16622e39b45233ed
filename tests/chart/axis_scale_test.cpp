// The axis arithmetic by numbers: how the scale hands its range and pixel
// ends to the value-to-pixel map (whose rows tests/model checks), rounding,
// label steps, label values, minor ticks and the plot rectangle margins.

#include "axis_scale.h"
#include "chart_rect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace morvane {
namespace {

TEST(AxisScale, OrientationOfEachKind)
{
    struct Row {
        bool horizontal;
        bool inverted;
        int pixelOfMinimum;
        int pixelOfMaximum;
    };
    const Row table[] = {{false, false, 385, 40}, {false, true, 40, 385},
                         {true, false, 40, 385},  {true, true, 385, 40}};
    for (const Row& row : table) {
        AxisScale scale;
        scale.horizontal = row.horizontal;
        scale.inverted = row.inverted;
        scale.setRange(0, 600);
        scale.setPixelEnds(40, 385);
        EXPECT_EQ(scale.pixelOf(0), row.pixelOfMinimum);
        EXPECT_EQ(scale.pixelOf(600), row.pixelOfMaximum);
        // Back from a whole pixel: within one pixel's worth of value.
        EXPECT_NEAR(scale.valueAt(scale.pixelOf(150)), 150, 600.0 / 345)
            << row.horizontal << row.inverted;
    }
}

TEST(AxisScale, BeforeLayoutEveryConversionIsZero)
{
    AxisScale scale;
    scale.inverted = true;
    scale.setRange(0, 600);  // a range, but no pixel ends yet
    for (double value : {0.0, 165.0, -12.5, 1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(scale.pixelOf(value), 0) << value;
        EXPECT_EQ(scale.pixelLengthOf(value), 0) << value;
    }
}

TEST(AxisScale, ZeroRangeGivesTheCentre)
{
    AxisScale scale;
    scale.setRange(5, 5);
    scale.setPixelEnds(40, 385);
    EXPECT_TRUE(scale.rangeIsZero);
    EXPECT_EQ(scale.centerPixel, 212);
    EXPECT_EQ(scale.pixelOf(5), 212);
    EXPECT_EQ(scale.pixelOf(1000), 212);
    EXPECT_EQ(scale.pixelLengthOf(3), 0);
}

TEST(AxisScale, roundHalfEven)
{
    const std::pair<long double, long double> table[] = {
        {327.5L, 328}, {212.5L, 212}, {0.5L, 0},   {1.5L, 2},    {-2.5L, -2},
        {-3.5L, -4},   {2.4999L, 2},  {2.5001L, 3}, {-0.4L, 0}, {7, 7}};
    for (const auto& [x, rounded] : table)
        EXPECT_EQ(roundHalfEven(x), rounded) << static_cast<double>(x);
}

TEST(AxisScale, nextLabelStep)
{
    const std::pair<double, double> table[] = {{1, 2},   {2, 5},    {5, 10},   {10, 20},
                                               {20, 50}, {50, 100}, {0.1, 0.2}, {0.5, 1},
                                               {3, 5},   {1.5, 2}};
    for (const auto& [step, next] : table)
        EXPECT_DOUBLE_EQ(nextLabelStep(step), next) << step;
}

TEST(AxisScale, LabelStepOfTheDepthAxis)
{
    for (int labelHeight = 11; labelHeight <= 27; ++labelHeight)
        EXPECT_EQ(labelStep(600, 345, labelHeight, 10), 50) << labelHeight;
}

TEST(AxisScale, LabelStepEdges)
{
    struct Row {
        double range;
        int axisSize;
        int labelSize;
        int separation;
        double step;
    };
    const Row table[] = {
        {600, 345, 0, 10, 500},      // no label size: room for one label
        {600, 0, 13, 10, 1e-12},     // no room at all
        {1, 345, 13, 10, 1},         // a range of one starts, and stays, at 1
        {0.5, 345, 13, 10, 0.02},    // a range below one starts at 1e-12
        {600, 345, 13, -1, 1},       // negative separation: the step never grows
        {1e6, 345, 13, 10, 50000},
        {1e300, 345, 13, 10, 5e298},
    };
    for (const Row& row : table) {
        const double step =
            labelStep(row.range, row.axisSize, row.labelSize, row.separation);
        EXPECT_NEAR(step, row.step, row.step * 1e-9) << row.range << " " << row.axisSize;
    }
}

TEST(AxisScale, LabelValues)
{
    struct Row {
        double minimum;
        double maximum;
        double step;
        bool roundFirst;
        std::vector<double> values;
    };
    const Row table[] = {
        {0, 600, 50, true, {600, 550, 500, 450, 400, 350, 300, 250, 200, 150, 100, 50, 0}},
        {0, 620, 50, true, {600, 550, 500, 450, 400, 350, 300, 250, 200, 150, 100, 50, 0}},
        {0, 620, 200, false, {620, 420, 220, 20}},
        {-600, 0, 200, true, {0, -200, -400, -600}},
        {5, 5, 1, true, {5}},
        {0, 1, 1e-12, true, {}},  // more than 10000 labels: none
    };
    for (const Row& row : table)
        EXPECT_EQ(axisLabelValues(row.minimum, row.maximum, row.step, row.roundFirst), row.values)
            << row.minimum << ".." << row.maximum << " step " << row.step;
}

TEST(AxisScale, MinorTicksBetweenAndBeyond)
{
    const std::vector<int> ticks = {385, 356, 328, 299, 270, 241, 212,
                                    184, 155, 126, 98,  69,  40};
    const std::vector<int> minor = minorTickPositions(ticks, 3, 40, 385);
    // Beyond both ends nothing lies inside the axis; between each pair three.
    ASSERT_EQ(minor.size(), 36u);
    const std::vector<int> firstGap(minor.begin(), minor.begin() + 3);
    EXPECT_EQ(firstGap, (std::vector<int>{363, 370, 378}));
    const std::vector<int> lastGap(minor.end() - 3, minor.end());
    EXPECT_EQ(lastGap, (std::vector<int>{47, 54, 62}));
    EXPECT_TRUE(minorTickPositions({385}, 3, 40, 385).empty());
    EXPECT_TRUE(minorTickPositions(ticks, 0, 40, 385).empty());
    // A pattern continued past the ends shows when the labels stop short.
    const std::vector<int> inner = minorTickPositions({300, 200}, 1, 40, 385);
    EXPECT_EQ(inner, (std::vector<int>{350, 150, 250}));
}

TEST(ChartRect, MulDivHalvesAwayFromZero)
{
    struct Row {
        int a, x, divisor, result;
    };
    const Row table[] = {{10, 401, 100, 40}, {3, 137, 100, 4},  {4, 401, 100, 16},
                         {5, 50, 100, 3},    {-5, 50, 100, -3}, {5, -50, 100, -3},
                         {1, 49, 100, 0},    {7, 7, 0, 0},      {2147483647, 2, 2, 2147483647}};
    for (const Row& row : table)
        EXPECT_EQ(mulDiv(row.a, row.x, row.divisor), row.result)
            << row.a << "*" << row.x << "/" << row.divisor;
}

TEST(ChartRect, PlotRectangleFromMarginsAndNormalising)
{
    struct Row {
        int width, height, border;
        ChartMargins margins;
        ChartRect expected;
    };
    const Row table[] = {
        {137, 401, 0, {3, 10, 3, 4}, {4, 40, 133, 385}},
        {400, 250, 0, {3, 4, 3, 4}, {12, 10, 388, 240}},
        {400, 250, 5, {3, 4, 3, 4}, {17, 15, 383, 235}},
        {100, 100, 0, {60, 50, 60, 50}, {60, 50, 61, 150}},  // crossed, then equal edges
        {100, 100, 0, {-10, -10, 0, 0}, {0, 0, 100, 100}},
    };
    for (const Row& row : table)
        EXPECT_EQ(plotRectFromMargins(row.width, row.height, row.border, row.margins),
                  row.expected)
            << row.width << "x" << row.height;
}

TEST(ChartRect, Overlap)
{
    EXPECT_TRUE(rectsOverlap({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_FALSE(rectsOverlap({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_FALSE(rectsOverlap({50, 0, 40, 10}, {0, 0, 100, 10}));
}

}  // namespace
}  // namespace morvane
