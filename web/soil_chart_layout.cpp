#include "soil_chart_layout.h"

#include <algorithm>
#include <string>

#include "axis_scale.h"
#include "detector_depth.h"
#include "soil_chart_rules.h"

namespace morvane::web {

namespace {

constexpr int kPanelWidth = 137;
constexpr int kPanelHeight = 401;
// The plot rectangle's edges. Its left edge follows from the title and label
// widths the window measures in its chart fonts; 48 is its value for the
// usual Arial metrics. Top and bottom fix the depth axis: 0 mm on row 40,
// 600 mm on row 385.
constexpr int kPlotLeft = 48;
constexpr int kPlotTop = 40;
constexpr int kPlotRight = 133;
constexpr int kPlotBottom = 385;
constexpr int kColourLineWidth = 3;  // root zone and 24-hour lines
constexpr int kMarkerSize = 17;
constexpr int kMarkerLeft = 80;
// The axis's label spacing: the window's defaults, with the height of one
// label line of the page's 11-pixel label font.
constexpr int kLabelHeight = 13;
constexpr int kLabelsSeparation = 10;
constexpr int kMinorTickCount = 3;
constexpr int kTickLength = 4;
constexpr int kMinorTickLength = 2;
constexpr int kLabelGap = 8;  // between a label's right end and the axis line
constexpr int kAxisLineWidth = 2;
constexpr int kTitleColumn = 14;

// The depth axis as the window's chart lays it out: 0..600 mm, inverted,
// on the plot's top and bottom rows.
const AxisScale& depthScale()
{
    static const AxisScale scale = [] {
        AxisScale s;
        s.inverted = true;
        const int height = kPlotBottom - kPlotTop;
        s.setPixelEnds(axisPixelEnd(kPlotTop, height, 0), axisPixelEnd(kPlotTop, height, 100));
        s.setRange(0, kChartDepthRange);
        return s;
    }();
    return scale;
}

// Across the plot, from its left to its right edge.
ColourLine colourLine(double depth, int width, bool shown = true)
{
    ColourLine line;
    line.depth = depth;
    line.row = depthRow(depth);
    line.width = width;
    const int rows = std::max(1, width);
    line.box = {kPlotLeft, line.row - rows / 2, kPlotRight - kPlotLeft + 1, rows};
    line.shown = shown;
    return line;
}

DetectionBand detectionBand(double maxDetectionDepth)
{
    DetectionBand band;
    band.row = depthRow(maxDetectionDepth);
    const int lastRow = std::min(band.row, kPlotBottom - 1);
    band.drawn = lastRow > kPlotTop;
    band.box = {kPlotLeft + 1, kPlotTop + 1, kPlotRight - kPlotLeft - 1, lastRow - kPlotTop};
    band.edgeShown = band.drawn && band.row < kPlotBottom;
    band.edge = {kPlotLeft + 1, band.row, kPlotRight - kPlotLeft - 1, 1};
    return band;
}

// A detector's depth as its result text shows it, like the window's marker
// steps read it back.
DetectorMarker detectorMarker(const std::string& depthText, double maxDetectionDepth,
                              bool shown)
{
    DetectorMarker marker;
    marker.depth = detectorDepthFromText(depthText);
    marker.row = depthRow(marker.depth);
    marker.box = {kMarkerLeft, marker.row - kMarkerSize / 2, kMarkerSize, kMarkerSize};
    marker.centreX = kMarkerLeft + kMarkerSize / 2.0;
    marker.centreY = marker.box.top + kMarkerSize / 2.0;
    marker.responds = detectorResponds(marker.depth, maxDetectionDepth);
    marker.shown = shown;
    return marker;
}

}  // namespace

int depthRow(double depth) { return depthScale().pixelOf(depth); }

int depthLength(double extent) { return depthScale().pixelLengthOf(extent); }

SoilChartLayout soilChartLayout(const ModelResults& results, const SoilResults& soil)
{
    SoilChartLayout layout;
    const double detection = soil.maxDetectionDepth.value();
    const double rootZone = results.rootZone.value();
    const double applied = results.appliedDepth.value();
    const double front24h = soil.front24h.value();

    layout.band = detectionBand(detection);
    layout.rootZoneLine = colourLine(rootZoneLineDepth(rootZone), kColourLineWidth);
    layout.front24hLine = colourLine(frontLineDepth(front24h), kColourLineWidth,
                                     frontLineShown(front24h, detection));
    layout.frontBeyondChart = frontBeyondChart(front24h);
    // Centred half the applied depth above the surface, as thick as the
    // applied depth on the depth scale.
    layout.appliedBar = colourLine(-applied / 2, depthLength(applied));
    layout.shallowMarker = detectorMarker(soil.shallowDetectorText.value(), detection, true);
    layout.deepMarker = detectorMarker(soil.deepDetectorText.value(), detection,
                                       rootZone >= kDeepDetectorMinimumRootZone);
    return layout;
}

DepthAxisLayout depthAxisLayout()
{
    const AxisScale& scale = depthScale();
    DepthAxisLayout axis;
    axis.panelWidth = kPanelWidth;
    axis.panelHeight = kPanelHeight;
    axis.plot = {kPlotLeft, kPlotTop, kPlotRight - kPlotLeft + 1, kPlotBottom - kPlotTop + 1};
    axis.axisLine = {kPlotLeft - kAxisLineWidth / 2, scale.startPixel, kAxisLineWidth,
                     scale.axisSize};
    axis.titleColumn = kTitleColumn;
    axis.titleCentreRow = scale.centerPixel;
    axis.labelRightEdge = kPlotLeft - kLabelGap;

    const double step = labelStep(scale.range, scale.axisSize, kLabelHeight, kLabelsSeparation);
    std::vector<int> ticks;
    for (double value : axisLabelValues(scale.minimum, scale.maximum, step, true)) {
        const int row = scale.pixelOf(value);
        ticks.push_back(row);
        axis.labels.push_back({std::to_string(static_cast<long long>(value)), row});
        if (row > scale.startPixel && row < scale.endPixel)
            axis.gridRows.push_back(row);
    }
    axis.minorTickRows =
        minorTickPositions(ticks, kMinorTickCount, scale.startPixel, scale.endPixel);
    axis.tick = {kPlotLeft - 1 - kTickLength, 0, kTickLength, 1};
    axis.minorTick = {kPlotLeft - 1 - kMinorTickLength, 0, kMinorTickLength, 1};
    axis.grid = {kPlotLeft + 1, 0, kPlotRight - kPlotLeft - 1, 1};
    return axis;
}

}  // namespace morvane::web
