#pragma once
// A straight line across the plot at one value of an axis: horizontal for a
// vertical axis, vertical for a horizontal one. Drawn after everything else
// of a redraw, in tool-list order, with no clipping and no range test: a
// value beyond the axis range is drawn outside the plot at its converted
// pixel, limited only by the panel's edges.

#include "chart_pen.h"
#include "chart_rect.h"

#include <QPainter>

namespace morvane {

class Chart;
class ChartAxis;

class ColorLine : public ChartObject {
public:
    explicit ColorLine(Chart& chart);

    Chart& parentChart() const { return chart_; }
    // An inactive line draws nothing.
    bool isActive() const { return active_; }
    void setActive(bool active) { assign(active_, active); }

    // The axis as an index into the chart's axes list (2 is the left axis);
    // -1, or any index past the list, means no axis: nothing is drawn.
    int axisId() const { return axisID_; }
    void setAxisId(int id) { assign(axisID_, id); }
    ChartAxis* axis() const;

    // axis units
    double value() const { return value_; }
    void setValue(double value) { assign(value_, value); }
    ChartPen& pen() { return pen_; }
    const ChartPen& pen() const { return pen_; }

    // Draws the line across `plot`, at the end of a full redraw.
    void draw(QPainter& painter, const ChartRect& plot) const;

private:
    Chart& chart_;
    bool active_ = true;
    int axisID_ = -1;
    double value_ = 0;
    ChartPen pen_;
};

}  // namespace morvane
