#pragma once
// A chart set up the way the window sets up its soil profile charts:
// 137 x 401, sand, no bevel, top margin 10, a hidden bottom axis fixed at
// 0..1 and an inverted left depth axis fixed at 0..600 with a bold 13-pixel
// title.

#include "chart.h"

#include <QImage>

namespace morvane::test {

inline constexpr TColor Sand = 10930928;  // RGB 240, 202, 166

void SetUpSoilChart(TChart& chart);

// An active area series from the surface down to `depth`, across the whole
// plot, as the window builds its detection-zone band.
TAreaSeries* AddBand(TChart& chart, double depth, TColor color);

TColorLineTool& AddDepthLine(TChart& chart, double value, TColor color, int width,
                             TPenEndStyle endStyle = esRound);

// The rows of column `x` whose pixel has colour `color`, as a list of
// [first, last] runs, e.g. {{26, 39}}.
std::vector<std::pair<int, int>> RowRuns(const QImage& image, int x, TColor color);
std::vector<std::pair<int, int>> ColumnRuns(const QImage& image, int y, TColor color);

bool PixelIs(const QImage& image, int x, int y, TColor color);

}  // namespace morvane::test
