#pragma once
// Integer rectangles in panel pixels, kept as four edges, and the plot
// rectangle a chart derives from its margins.

namespace morvane {

struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};

// True when the two rectangles share at least one pixel.
bool rectsOverlap(const ChartRect& a, const ChartRect& b);

// a * x / divisor rounded to the nearest integer, halves away from zero,
// computed without overflow: mulDiv(10, 401, 100) = 40 (40.1),
// mulDiv(3, 137, 100) = 4 (4.11), mulDiv(5, 50, 100) = 3 (2.5),
// mulDiv(-5, 50, 100) = -3. A divisor of 0 gives 0.
int mulDiv(int a, int x, int divisor);

// Keeps a plot rectangle usable: left and top at least 0; a right edge left
// of the left edge moves to left + 1, one equal to it to left + panelWidth;
// the same for bottom against top with panelHeight.
ChartRect normalizePlotRect(ChartRect rect, int panelWidth, int panelHeight);

struct ChartMargins {
    int left = 3;
    int top = 4;
    int right = 3;
    int bottom = 4;
};

// The plot rectangle before the axes take their room: each margin is a whole
// percentage of the panel's own width (left, right) or height (top, bottom),
// inside the border. A 137 x 401 panel with margins 3, 10, 3, 4 gives
// (4, 40, 133, 385).
ChartRect plotRectFromMargins(int panelWidth, int panelHeight, int borderWidth,
                               const ChartMargins& margins);

}  // namespace morvane
