#pragma once
// The page's chart layouts as JSON, the form the page's drawing code reads:
//   a box:    {"left": 48, "top": 327, "width": 86, "height": 3}
//   a line:   {"depth": 500, "row": 328, "width": 3, "shown": true, "box": {...}}
//   a marker: {"depth": 165, "row": 135, "responds": true, "shown": true,
//              "centreX": 88.5, "centreY": 135.5, "box": {...}}

#include <string>

#include "soil_chart_layout.h"

namespace morvane::web {

void appendSoilChartJson(std::string& out, const SoilChartLayout& chart);
void appendDepthAxisJson(std::string& out, const DepthAxisLayout& axis);

}  // namespace morvane::web
