#pragma once
// Integer rectangles in panel pixels, kept as four edges, and the plot
// rectangle a chart derives from its margins.

namespace morvane {

struct TChartRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TChartRect&, const TChartRect&) = default;
};

// True when the two rectangles share at least one pixel.
bool RectsOverlap(const TChartRect& a, const TChartRect& b);

// a * x / divisor rounded to the nearest integer, halves away from zero,
// computed without overflow: MulDiv(10, 401, 100) = 40 (40.1),
// MulDiv(3, 137, 100) = 4 (4.11), MulDiv(5, 50, 100) = 3 (2.5),
// MulDiv(-5, 50, 100) = -3. A divisor of 0 gives 0.
int MulDiv(int a, int x, int divisor);

// Keeps a plot rectangle usable: left and top at least 0; a right edge left
// of the left edge moves to left + 1, one equal to it to left + panelWidth;
// the same for bottom against top with panelHeight.
TChartRect NormalizePlotRect(TChartRect rect, int panelWidth, int panelHeight);

struct TChartMargins {
    int Left = 3;
    int Top = 4;
    int Right = 3;
    int Bottom = 4;
};

// The plot rectangle before the axes take their room: each margin is a whole
// percentage of the panel's own width (left, right) or height (top, bottom),
// inside the border. A 137 x 401 panel with margins 3, 10, 3, 4 gives
// (4, 40, 133, 385).
TChartRect PlotRectFromMargins(int panelWidth, int panelHeight, int borderWidth,
                               const TChartMargins& margins);

}  // namespace morvane
