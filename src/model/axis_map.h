#pragma once
// The map from values on a chart axis to pixels, computed in extended
// arithmetic. The window's charts and the browser page's charts both take
// every row from here, so the two draw each element on the same pixel:
// in double arithmetic the products that land near a half part from these
// (depth 340 on the soil charts is row 236 here and 235 in doubles).
//
// A cheap value, made from the axis's value range and pixel ends:
//   d = (v - minimum) x pixels per unit, rounded to a double;
//   p = start + d when pixels count from the start (an inverted vertical
//   axis, or a plain horizontal one), else end - d;
//   p is clamped to +-67108863 and rounded to the nearest integer, halves
//   to the even one.
// Pixels per unit = (end - start) / (maximum - minimum), kept in extended
// precision: as a double 345 / 600 lands just below 0.575 and depth 100
// would map to row 97 instead of 98.
//
// The soil charts' depth axis, 0..600 mm on rows 40..385, counting from the
// start:
//   pixelOf(0) 40, pixelOf(100) 98, pixelOf(300) 212 (212.5, to even),
//   pixelOf(340) 236, pixelOf(500) 328 (327.5, to even), pixelOf(-12.5) 33,
//   pixelOf(700) 442; lengthOf(25) 14, lengthOf(20) 12, lengthOf(0) 0.
// A zero range maps every value to the centre pixel (start + end) / 2 and
// every length to 0; so does a value (or a product) that is not a number.
// The default map has no extent: every value gives 0.

#include "extended.h"

namespace morvane {

// Converted pixels never leave this range, so drawing coordinates cannot
// overflow.
inline constexpr int kMaxPixelMagnitude = 67108863;

class AxisMap {
public:
    AxisMap() = default;
    AxisMap(double minimum, double maximum, int startPixel, int endPixel, bool countsFromStart);

    int pixelOf(double value) const;
    // The length in pixels of an extent of `value` axis units:
    // Round(value x pixels per unit); 0 when value <= 0 or is not a number.
    int lengthOf(double value) const;
    // The value at a pixel, the inverse of pixelOf without rounding; the
    // minimum when the axis has no extent.
    double valueAt(int pixel) const;

    int centrePixel() const { return (startPixel_ + endPixel_) / 2; }

private:
    double minimum_ = 0;
    int startPixel_ = 0;
    int endPixel_ = 0;
    bool countsFromStart_ = false;
    bool rangeIsZero_ = true;
    Extended pixelsPerUnit_ = 0;
};

// x rounded to the nearest integer, halves to the even one, and kept within
// +-kMaxPixelMagnitude: 327.5 -> 328, 212.5 -> 212, -2.5 -> -2, 1e30 ->
// 67108863. Not a number gives 0.
int roundToPixel(Extended x);

}  // namespace morvane
