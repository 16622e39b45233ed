#pragma once
// A tool attached to a chart. The chart calls every active tool at three
// points of each full redraw; a tool draws at the one it cares about.

#include "chart_object.h"
#include "chart_rect.h"

#include <QPainter>

namespace morvane {

class Chart;

enum class ChartToolEvent { BeforeDraw, BeforeSeries, AfterDraw };

class ChartTool : public ChartObject {
public:
    explicit ChartTool(Chart& chart) : chart_(chart) {}

    Chart& parentChart() const { return chart_; }
    // An inactive tool gets no calls and so draws nothing.
    bool isActive() const { return active_; }
    void setActive(bool active) { assign(active_, active); }

    virtual void chartEvent(ChartToolEvent event, QPainter& painter, const ChartRect& plot) = 0;

private:
    Chart& chart_;
    bool active_ = true;
};

}  // namespace morvane
