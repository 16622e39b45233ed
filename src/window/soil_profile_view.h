#pragma once
// One soil as a vertical profile, from the surface (0 mm, top) down to
// 600 mm: its chart with the detection-zone band, the root zone line, the
// 24-hour line and the applied-water bar above the surface, the markers of
// its shallow and deep detector, and the "24h is beyond 600 mm" warning
// under the chart.
//
// The window drives it one recalculation step at a time (rebuildBand,
// colourMarkers, showDeepMarker, setLines), and places the markers after the
// chart's full redraws (placeMarkers). What the steps decided to draw is read
// back, for the words a screen reader speaks, from the view itself
// (shownFacts, describe).

#include <QPoint>
#include <QString>

#include "axis_map.h"
#include "chart_description.h"
#include "wetting_front_model.h"

class QWidget;

namespace morvane {

class Chart;
class CircleMarker;
class ColorLine;
class TextLabel;

// What tells the two soil views apart.
struct SoilProfileDesign {
    QString chartName;
    QPoint chartPosition;
    QString depthCaption;  // the title of the depth axis
    QString bandTitle;
    int appliedBarWidth;  // before the first run sets it
    QString shallowMarkerName;
    int shallowMarkerTop;
    QString deepMarkerName;
    int deepMarkerTop;
    QString warningName;
    QPoint warningPosition;
};

class SoilProfileView {
public:
    // The chart, its markers and its warning become children of `parent`.
    SoilProfileView(QWidget* parent, const SoilProfileDesign& design);

    Chart* chart() const { return chart_; }

    // The blue band from the surface down to the maximum detection depth.
    void rebuildBand(const SoilDepths& depths);
    // Shows both markers: red for a detector inside the band or at its
    // edge (it responds), yellow for one below it.
    void colourMarkers(double shallowDepth, double deepDepth, const SoilDepths& depths);
    void showDeepMarker(bool shown);
    // The root zone line at `rootZoneLine`; the 24-hour line on the front
    // (on the surface for a front above it), shown only when it lies at or
    // below the band's bottom, and the warning when the front is beyond
    // 600 mm; the applied-water bar standing on the surface, as thick as the
    // applied depth on the depth scale.
    void setLines(double rootZoneLine, const SoilDepths& depths, double appliedDepth);
    // Centres each marker on its detector's depth, on the depth scale the
    // chart is drawn with.
    void placeMarkers(double shallowDepth, double deepDepth);
    // What the chart shows now, for the soil named `soilName` (its caption):
    // the band, the markers shown and their colours, the lines drawn and the
    // warning.
    ChartFacts shownFacts(const QString& soilName) const;
    // Names the chart after its soil (as its caption names it), describes
    // what it shows in words and names each marker after its detector,
    // announcing the change to screen readers.
    void describe(const QString& soilName);

private:
    AxisMap depthMap() const;

    Chart* chart_;
    ColorLine* rootZoneLine_;
    ColorLine* front24hLine_;
    ColorLine* appliedWaterBar_;
    CircleMarker* shallowMarker_;
    CircleMarker* deepMarker_;
    TextLabel* beyondChartWarning_;
    QString bandTitle_;
    // The depths the last steps drew.
    double bandBottom_ = 0;
    double shallowDepth_ = 0;
    double deepDepth_ = 0;
    double appliedDepth_ = 0;
};

}  // namespace morvane
