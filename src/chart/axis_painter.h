#pragma once
// draws one visible axis onto the chart picture: title, value labels, axis
// line, ticks, grid, inner ticks, minor ticks and minor grid, in that order.
// Also fills the axis's label step and tick list for this redraw.
//
// For the left axis (others are mirrored): the axis line is at the plot's
// left edge; ticks run outward from one pixel left of it; grid lines cover
// the plot interior at every tick strictly between the axis ends; labels end
// at the label column edge with their cell top at pixel - (text height / 2);
// the title reads upwards, centred on the axis, in the column just left of
// the title column edge.

#include "chart_axis.h"

#include <QPainter>

namespace morvane {

void drawAxis(QPainter& painter, ChartAxis& axis, const ChartRect& plot);

}  // namespace morvane
