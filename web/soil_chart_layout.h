#pragma once
// Where the page's soil profile charts put each element, in pixels of the
// 137 x 401 chart panel: the same rows as the window's charts, taken from
// the window's own axis scale (axis_scale.h, extended arithmetic), so the
// page and the window part on no depth.
//
// Default inputs, light soil: band bottom 200, root zone line 328,
// 24-hour line 270 (shown), applied bar centred on row 33 with width 14,
// shallow marker top 127 red, deep marker top 225 yellow.

#include <string>
#include <vector>

#include "wetting_front_model.h"

namespace morvane::web {

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A horizontal colour line: a pen `width` rows wide centred on `row`, as the
// window's pen fills it (at least one row); `box` holds the pixels it covers.
struct ColourLine {
    double depth = 0;
    int row = 0;
    int width = 0;
    PixelBox box;
    bool shown = true;
};

// The detection band from the surface down to `row`, clipped to the inside
// of the plot frame; a black edge row when it ends above the plot bottom.
struct DetectionBand {
    int row = 0;
    bool drawn = false;
    PixelBox box;
    bool edgeShown = false;
    PixelBox edge;
};

struct DetectorMarker {
    double depth = 0;
    int row = 0;
    PixelBox box;            // the 17 x 17 circle's square
    double centreX = 0;      // the circle's centre, in panel coordinates
    double centreY = 0;
    bool responds = false;   // red; otherwise yellow
    bool shown = true;
};

struct SoilChartLayout {
    DetectionBand band;
    ColourLine rootZoneLine;
    ColourLine front24hLine;
    ColourLine appliedBar;
    DetectorMarker shallowMarker;
    DetectorMarker deepMarker;
    bool frontBeyondChart = false;  // "24h is beyond 600 mm"
};

// One soil's chart after a complete run. Fails as the window's chart steps
// do (a root zone of 2^63 mm or more cannot be rounded for its line).
SoilChartLayout soilChartLayout(const ModelResults& results, const SoilResults& soil);

struct AxisLabel {
    std::string text;
    int row = 0;
};

// The chart's frame and depth axis, the same for both charts and every run.
struct DepthAxisLayout {
    int panelWidth = 0;
    int panelHeight = 0;
    PixelBox plot;               // inside and frame, right and bottom edges included
    PixelBox axisLine;
    int titleColumn = 0;         // the centre of the rotated title's line
    int titleCentreRow = 0;
    int labelRightEdge = 0;
    std::vector<AxisLabel> labels;  // from 600 mm up to 0 mm, as drawn
    std::vector<int> gridRows;      // the label rows strictly inside the axis
    std::vector<int> minorTickRows;
    PixelBox tick;                  // one tick's columns (its top is unused)
    PixelBox minorTick;
    PixelBox grid;
};

DepthAxisLayout depthAxisLayout();

// The depth axis conversions on their own: the row of a depth and the pixel
// length of a depth extent.
int depthRow(double depth);
int depthLength(double extent);

}  // namespace morvane::web
