// The value-to-pixel map on the soil charts' depth axis (0..600 mm on rows
// 40..385, 0 at the top), the rows the window and the browser page draw.
// The rows are worked by hand: pixels per unit 345 / 600 = 0.575, and a
// product that lands on a half goes to the even row. Several of these part
// from the same sum in double arithmetic, which rounds 0.575 down.

#include <gtest/gtest.h>

#include <limits>

#include "axis_map.h"

namespace morvane {
namespace {

const AxisMap depthAxis(0, 600, 40, 385, true);

struct Row {
    double depth;
    int pixel;
};

TEST(AxisMap, DepthAxisRows)
{
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {0, 40},     {50, 69},    {100, 98},   {165, 135},  {277.77777777777777, 200},
        {300, 212},  {335, 233},  {340, 236},  {500, 328},  {600, 385},
        {-12.5, 33}, {620, 396},  {700, 442},  {1e300, kMaxPixelMagnitude},
        {-inf, -kMaxPixelMagnitude},
        {std::numeric_limits<double>::quiet_NaN(), 212},  // the centre
    };
    for (const Row& row : rows)
        EXPECT_EQ(depthAxis.pixelOf(row.depth), row.pixel) << row.depth;
}

TEST(AxisMap, LengthsAndEdgeCases)
{
    const Row lengths[] = {{25, 14}, {20, 12}, {21, 12}, {0, 0}, {-5, 0}, {1e300, kMaxPixelMagnitude}};
    for (const Row& row : lengths)
        EXPECT_EQ(depthAxis.lengthOf(row.depth), row.pixel) << row.depth;
    // No extent yet (before the first layout): everything is 0.
    EXPECT_EQ(AxisMap().pixelOf(165), 0);
    EXPECT_EQ(AxisMap().lengthOf(25), 0);
    // A zero range: the centre pixel, no length.
    const AxisMap flat(5, 5, 40, 385, true);
    EXPECT_EQ(flat.pixelOf(100), 212);
    EXPECT_EQ(flat.lengthOf(100), 0);
    // Counting from the end (a vertical axis that is not inverted).
    EXPECT_EQ(AxisMap(0, 600, 40, 385, false).pixelOf(100), 328);  // 327.5
    EXPECT_EQ(depthAxis.valueAt(385), 600);
}

}  // namespace
}  // namespace morvane
