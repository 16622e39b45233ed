#pragma once
// The arithmetic of an axis: its value range, its pixel ends, the value to
// pixel map, the label step and the label and minor tick positions. Pure
// numbers, no painting and no fonts, so every rule here can be checked by
// value.
//
// Round() below means rounding to the nearest integer with halves going to
// the even integer; Trunc() drops the fraction toward zero.

#include <vector>

#include "axis_map.h"

namespace morvane {

// Round(x), independent of the floating-point rounding mode:
// 327.5 -> 328, 212.5 -> 212, -2.5 -> -2.
long double roundHalfEven(long double x);

// The scale of one axis as laid out by the most recent full redraw of its
// chart. Everything is zero until then, so every conversion gives 0.
struct AxisScale {
    bool horizontal = false;
    bool inverted = false;
    double minimum = 0;
    double maximum = 0;
    double range = 0;
    bool rangeIsZero = false;
    int startPixel = 0;
    int endPixel = 0;
    int axisSize = 0;
    int centerPixel = 0;
    // Value to pixel, made from the fields above (axis_map.h).
    AxisMap map;

    // Stores the value range and remakes the map.
    void setRange(double minimum, double maximum);
    // Stores the pixel ends, recomputes size and centre and remakes the map.
    void setPixelEnds(int start, int end);

    // The pixel of a value: the row on a vertical axis, the column on a
    // horizontal one. Depth axis 0..600 inverted on rows 40..385: 0 -> 40,
    // 100 -> 98, 300 -> 212 (212.5), 500 -> 328 (327.5), -12.5 -> 33.
    int pixelOf(double value) const { return map.pixelOf(value); }
    // The length in pixels of an extent of `value` axis units. Depth axis:
    // 25 -> 14, 20 -> 12, 0 or less -> 0.
    int pixelLengthOf(double value) const { return map.lengthOf(value); }
    // The value at a pixel, the inverse of pixelOf (without rounding).
    double valueAt(int pixel) const { return map.valueAt(pixel); }
};

// The pixel where an axis starts or ends: edge + Round(size x percent / 100).
int axisPixelEnd(int edge, int size, double percent);

// The step after s in the sequence ..., 0.5, 1, 2, 5, 10, 20, 50, ...
// 1 -> 2, 2 -> 5, 5 -> 10, 20 -> 50, 0.2 -> 0.5.
double nextLabelStep(double step);

// The distance between two value labels. labelSize is the label height on a
// vertical axis (the width on a horizontal one). at most
// n = Round(axisSize / (labelSize + Round(labelSize x separation / 100)))
// labels fit; starting from 1 (1e-12 for a range below 1) the step grows
// through nextLabelStep while
// Round(range / step) > n. The result is at least 1e-12.
// axis size 345, range 600, label height 11..27, separation 10 -> 50.
double labelStep(double range, int axisSize, int labelSize, int labelsSeparation);

// The label values in drawing order, from the top of the range down.
// With roundFirstLabel the first value is Trunc(maximum / step) x step.
// 0..600 with step 50 -> 600, 550, ..., 0. One value when the range is
// (nearly) zero or the step is lost in the value's precision; none when more
// than 10000 labels would be needed.
std::vector<double> axisLabelValues(double minimum, double maximum, double step,
                                    bool roundFirstLabel);

// The minor tick pixels for the tick list `ticks` (at least two entries):
// `count` ticks between each pair, and the same pattern continued beyond both
// ends; only positions strictly between startPixel and endPixel are kept.
std::vector<int> minorTickPositions(const std::vector<int>& ticks, int count, int startPixel,
                                    int endPixel);

}  // namespace morvane
