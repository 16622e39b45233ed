#pragma once
// A straight line across the plot at one value of an axis: horizontal for a
// vertical axis, vertical for a horizontal one. Drawn after everything else
// of a redraw, in tool-list order, with no clipping and no range test: a
// value beyond the axis range is drawn outside the plot at its converted
// pixel, limited only by the panel's edges.

#include "chart_pen.h"
#include "chart_tool.h"

namespace morvane {

class TChartAxis;

class TColorLineTool : public TChartTool {
public:
    explicit TColorLineTool(TChart& chart);

    // The axis as an index into the chart's axes list (2 is the left axis);
    // -1, or any index past the list, means no axis: nothing is drawn.
    int AxisID() const { return axisID_; }
    void SetAxisID(int id) { Assign(axisID_, id); }
    TChartAxis* Axis() const;
    // Sets AxisID to the axis's index in its chart; an axis of another chart
    // is refused.
    void SetAxis(const TChartAxis* axis);

    // Axis units. Not a number or infinite is refused with ChartException.
    double Value() const { return value_; }
    void SetValue(double value);
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }

    void ChartEvent(TChartToolEvent event, QPainter& painter, const TChartRect& plot) override;

private:
    int axisID_ = -1;
    double value_ = 0;
    TChartPen pen_;
};

}  // namespace morvane
