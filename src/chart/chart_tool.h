#pragma once
// A tool attached to a chart. The chart calls every active tool at three
// points of each full redraw; a tool draws at the one it cares about.

#include "chart_object.h"
#include "chart_rect.h"

#include <QPainter>

namespace morvane {

class TChart;

enum class TChartToolEvent { BeforeDraw, BeforeSeries, AfterDraw };

class TChartTool : public TChartObject {
public:
    explicit TChartTool(TChart& chart) : chart_(chart) {}

    TChart& ParentChart() const { return chart_; }
    // An inactive tool gets no calls and so draws nothing.
    bool Active() const { return active_; }
    void SetActive(bool active) { Assign(active_, active); }

    virtual void ChartEvent(TChartToolEvent event, QPainter& painter, const TChartRect& plot) = 0;

private:
    TChart& chart_;
    bool active_ = true;
};

}  // namespace morvane
