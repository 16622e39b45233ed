#pragma once
// A chart set up the way the window sets up its soil profile charts:
// 137 x 401, sand, top margin 10, a hidden bottom axis fixed at
// 0..1 and an inverted left depth axis fixed at 0..600 with a bold 13-pixel
// title.

#include "chart.h"

#include <QImage>

#include <ostream>

// Lets test failures print colours.
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name(QColor::HexArgb).toStdString();
}

namespace morvane::test {


void setUpSoilChart(Chart& chart);

// An active area series from the surface down to `depth`, across the whole
// plot, as the window builds its detection-zone band.
AreaSeries* addBand(Chart& chart, double depth, QColor color);

ColorLine& addDepthLine(Chart& chart, double value, QColor color, int width,
                             Qt::PenCapStyle endStyle = Qt::RoundCap);

// The rows of column `x` whose pixel has colour `color`, as a list of
// [first, last] runs, e.g. {{26, 39}}.
std::vector<std::pair<int, int>> rowRuns(const QImage& image, int x, QColor color);
std::vector<std::pair<int, int>> columnRuns(const QImage& image, int y, QColor color);

bool pixelIs(const QImage& image, int x, int y, QColor color);

}  // namespace morvane::test
